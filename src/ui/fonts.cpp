// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <map>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

#include "app/logging.h"
#include "platform/platform.h"

namespace vorlix {

namespace {

struct Face {
    QString name;
    // Installed stand-ins, best first. Liberation Sans and Arimo have Arial's widths, and set the
    // dialog's and the menu's captions within 5 % of the width of MS Sans Serif and of Tahoma;
    // DejaVu Sans, many systems' catch-all, is about a fifth wider and is left to the last resort.
    QStringList standIns;
};

Face faceOf(DesignFace face)
{
    const QStringList arialWidths{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    switch (face) {
    case DesignFace::MicrosoftSansSerif: return {QStringLiteral("Microsoft Sans Serif"), arialWidths};
    case DesignFace::Tahoma: return {QStringLiteral("Tahoma"), arialWidths};
    case DesignFace::Arial: return {QStringLiteral("Arial"), arialWidths};
    }
    return {};
}

QString installedFamily(const Face& face)
{
    // By name alone: QFontDatabase::hasFamily would take a family fontconfig substitutes for the
    // name as the name's own, and asks fontconfig anew for every name.
    const QStringList installed = QFontDatabase::families();
    const auto has = [&installed](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); };
    if (has(face.name)) return face.name;
    for (const QString& standIn : face.standIns) {
        if (has(standIn)) return standIn;
    }
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

}  // namespace

QFont designFont(DesignFace face, double points)
{
    // The font database does not change while the program runs; each face is looked up once.
    static std::map<DesignFace, QString> chosen;
    auto found = chosen.find(face);
    if (found == chosen.end()) {
        const Face wanted = faceOf(face);
        found = chosen.emplace(face, installedFamily(wanted)).first;
        qCDebug(fontsLog).noquote() << wanted.name << "->" << found->second << "(drawn in"
                                    << QFontInfo(QFont(found->second)).family() + ")";
    }
    QFont font(found->second);
    font.setPointSizeF(points);
    // Where the system draws text of the dialog's and the menu's size unsmoothed, smoothed letters
    // vary the gaps between them by up to a pixel more than its own do. Only at 100 %: scaled by
    // 1.5, Qt sets unsmoothed letters a pixel apart after some ("w ith") and smoothed ones evenly.
    // The word line's larger letters stay smoothed.
    const bool unsmoothed =
        face != DesignFace::Arial && systemDrawsSmallTextUnsmoothed() && qGuiApp->devicePixelRatio() == 1;
    if (unsmoothed) font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace vorlix
