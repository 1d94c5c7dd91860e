// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// Holds the options dialog's captions as the screen shows them against the same texts drawn whole:
// a caption cut by its control, even between two letters, leaves less ink than its text.
//   caption_probe text1                   where to click to put the focus in the time box, "X Y"
//                                         from the dialog's top left corner
//   caption_probe check SHOT.png X Y      one line a caption, "ok" or "CUT", for a screenshot of the
//                                         screen with the dialog's client area at X Y (pixels)
// It makes a dialog of its own, on the same display, to learn where each caption stands and in
// which font; the program's dialog is laid out by the same code. Exit status 1 when one is cut.
#include <cstdio>
#include <cstring>
#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "app/startup_entry/recording_startup_entry.h"
#include "doubles/memory_settings_store.h"
#include "ui/options/frm_option.h"

namespace {

// The columns with ink, text darker than half way to the background, from `from` to `to` (device
// pixels) in the rows `rows`: first and last, or nothing.
std::optional<std::pair<int, int>> inkColumns(const QImage& image, int from, int to, std::pair<int, int> rows,
                                              int background)
{
    std::optional<std::pair<int, int>> ink;
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x) {
        for (int y = std::max(0, rows.first); y < std::min(rows.second, image.height()); ++y) {
            if (qGray(image.pixel(x, y)) < background / 2) {
                if (!ink) ink = {x, x};
                ink->second = x;
                break;
            }
        }
    }
    return ink;
}

int inkWidth(const std::optional<std::pair<int, int>>& ink)
{
    return ink ? ink->second - ink->first + 1 : 0;
}

// The caption drawn whole on its own, as the control draws it: its font, its colours, the screen's scale.
int wholeInkWidth(const QWidget& control, const QString& caption, qreal scale)
{
    const QSize size = QSize(QFontMetrics(control.font()).horizontalAdvance(caption) + 20, control.height() + 10);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    const QColor background = control.palette().color(QPalette::Window);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(control.font());
    painter.setPen(control.palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(10, 5), size - QSize(20, 10)), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.end();
    return inkWidth(inkColumns(image, 0, image.width(), {0, image.height()}, qGray(background.rgb())));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vorlix::Module1 settings;
    vorlix::test::MemorySettingsStore store;
    RecordingStartupEntry entry;
    vorlix::frmOption dialog(settings, store, entry, "/opt/vorlix/vorlix");
    // Shown, so that its style sheet and fonts take effect as in the program; off the screen, where
    // the window manager does not place it.
    dialog.setWindowFlag(Qt::X11BypassWindowManagerHint);
    dialog.move(-4000, -4000);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) QCoreApplication::processEvents();

    if (argc == 2 && std::strcmp(argv[1], "text1") == 0) {
        const QLineEdit* text = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
        const QPoint centre = text->mapTo(&dialog, text->rect().center()) * dialog.devicePixelRatioF();
        std::printf("%d %d\n", centre.x(), centre.y());
        return 0;
    }
    if (argc != 5 || std::strcmp(argv[1], "check") != 0) {
        std::fprintf(stderr, "usage: caption_probe text1 | check SHOT.png X Y\n");
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[2]));
    const QPoint origin(std::atoi(argv[3]), std::atoi(argv[4]));
    const qreal scale = dialog.devicePixelRatioF();

    // Each caption: where its text starts and the rows it takes, in the dialog.
    struct Caption {
        const QWidget* control;
        QString text;
        QRect area;
    };
    std::vector<Caption> captions;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<const QRadioButton*>(button);
        const QRect contents = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        captions.push_back({button, button->text().replace(QStringLiteral("&&"), QStringLiteral("&")),
                            QRect(button->mapTo(&dialog, contents.topLeft()), contents.size())});
    }
    const QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("Label2"));
    captions.push_back({label, QStringLiteral("Display time"), QRect(label->mapTo(&dialog, QPoint()), label->size())});

    int cut = 0;
    for (const Caption& caption : captions) {
        const int whole = wholeInkWidth(*caption.control, caption.text, scale);
        // On the screen, from where the text starts to a little past where its whole ink would end.
        const QRectF area(QPointF(caption.area.topLeft()) * scale + origin, QSizeF(caption.area.size()) * scale);
        const int background = qGray(caption.control->palette().color(QPalette::Window).rgb());
        const int shown = inkWidth(inkColumns(shot, int(area.left()), int(area.left()) + whole + 3,
                                              {int(area.top()), int(area.bottom()) + 1}, background));
        const bool shownWhole = std::abs(shown - whole) <= 1;
        if (!shownWhole) ++cut;
        std::printf("%s %s: %d px of ink on the screen, %d drawn whole\n", shownWhole ? "ok" : "CUT",
                    qPrintable(caption.text), shown, whole);
    }
    return cut ? 1 : 0;
}
