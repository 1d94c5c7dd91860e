// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop_dialogs.h"

namespace vorlix {

// The Linux tool is a command: the desktop's menus and file managers do not start it.
std::unique_ptr<DesktopDialogs> desktopDialogsForThisStart()
{
    return nullptr;
}

}  // namespace vorlix
