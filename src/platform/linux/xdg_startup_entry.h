// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include <QString>

#include "app/startup_entry.h"

namespace vorlix {

// The start-at-log-on entry of freedesktop desktops: a desktop entry file in the user's autostart
// folder, $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).
class XdgStartupEntry final : public StartupEntry {
public:
    // Takes the autostart folder from the environment as it is now.
    XdgStartupEntry();

    bool add(const std::string& executablePath) override;
    bool remove() override;

    QString filePath() const { return filePath_; }

private:
    QString filePath_;
};

// The Exec value that runs exactly `executablePath` with no arguments, quoted and escaped by the
// freedesktop.org desktop-entry rules. Empty when the path cannot be written safely: it is not UTF-8, or it
// holds a control character (a newline would end the line and could smuggle in further keys).
std::optional<std::string> desktopExecValue(const std::string& executablePath);

// The whole autostart file for the path, or empty under the same conditions as desktopExecValue.
std::optional<std::string> autostartDesktopEntry(const std::string& executablePath);

}  // namespace vorlix
