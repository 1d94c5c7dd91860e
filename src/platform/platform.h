#pragma once

#include <memory>

#include <QColor>

#include "app/settings_store.h"
#include "app/startup_entry.h"

class QWidget;

namespace vorlix {

// One implementation of each per operating system, chosen by the build.
std::unique_ptr<SettingsStore> makeSettingsStore();
std::unique_ptr<StartupEntry> makeStartupEntry();

// The word window's background: the colour scheme's desktop colour where the system has one.
QColor wordWindowBackground();

// Once, before the window is first shown: above all ordinary windows, or explicitly not.
void applyStacking(QWidget& window, bool topmost);

}  // namespace vorlix
