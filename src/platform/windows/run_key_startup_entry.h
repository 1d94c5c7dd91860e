// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "app/startup_entry.h"

namespace vorlix {

// The start-at-log-on entry of Windows: the value "vorlix1.0" under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, of type REG_SZ.
class RunKeyStartupEntry final : public StartupEntry {
public:
    bool add(const std::string& executablePath) override;
    bool remove() override;
};

}  // namespace vorlix
