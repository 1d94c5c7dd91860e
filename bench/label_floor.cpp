// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt Widgets program does to put one line on the screen in a window like the word
// window (frameless, on top, a tool window with no task-bar button): the floor that the word
// window's start-up time is measured against. It ends after its first paint, as vorlix does
// under VORLIX_QUIT_AFTER_FIRST_PAINT, so both are timed from process start to the same moment.

#include <QApplication>
#include <QLabel>

#include "app/quit_after_first_paint.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("weather  |  el tiempo"), nullptr,
                 Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    vorlix::QuitAfterFirstPaint quit;
    label.installEventFilter(&quit);
    label.show();
    return app.exec();
}
