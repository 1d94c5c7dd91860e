// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QColor>
#include <QPoint>

#include "app/settings_store.h"
#include "app/startup_entry.h"
#include "platform/learner_folder.h"

class QObject;
class QString;
class QWidget;

namespace vorlix {

// One implementation of each per operating system, chosen by the build.
std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<StartupEntry> makeStartupEntry();

// The word window's background: the colour scheme's desktop colour where the system has one.
QColor wordWindowBackground();

// Once, before the window is first shown: above all ordinary windows, or explicitly not.
void applyStacking(QWidget& window, bool topmost);

// Where the window stands on the screen, in the terms of QWidget::pos(), as the window system has
// it: on X11 Qt's own record can stay behind after the window manager has placed the window.
QPoint windowPosition(const QWidget& window);

// Once, before the dialog is first shown: its title bar gets the close box only, whatever else
// the window manager would add.
void offerCloseBoxOnly(QWidget& dialog);

// Once, before the window is first shown: it is to stand where the system puts a new window that
// gives no place of its own. Qt would centre it on the screen instead.
void placeAsANewWindow(QWidget& window);

// Hands `target`, a file URL, a web address or a mailto: address, to the program the desktop opens
// it with, without waiting for it. `failed` runs, on the user-interface thread and while `context`
// lives, when the system cannot open it: at once, or once its opener has said so.
void openWithDesktop(const QString& target, QObject& context, std::function<void()> failed);

// The Qt platform plugin the program asks for in this session, before Qt starts; none where
// Qt's own choice stands.
std::optional<std::string> qtPlatformForThisSession();

// Whether the system draws its own text at the dialog's and the menu's size (8 pt) unsmoothed.
// Wine does: Liberation Sans, which it draws for the design's faces, asks for no smoothing from 9
// to 17 pixels, and Wine follows it.
bool systemDrawsSmallTextUnsmoothed();

}  // namespace vorlix
