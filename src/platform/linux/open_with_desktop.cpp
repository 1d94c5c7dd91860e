// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QProcess>

#include "platform/platform.h"

namespace vorlix {

// xdg-open finds the desktop's program for the target and says in its exit status whether there
// was one and it started; that status is awaited from the event loop. A program it starts in the
// foreground may keep it running: the word window never waits for it.
void openWithDesktop(const QString& target, QObject& context, std::function<void()> failed)
{
    auto* opener = new QProcess(&context);
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, [opener, failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0) failed();
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {target});
}

}  // namespace vorlix
