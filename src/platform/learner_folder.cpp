// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/learner_folder.h"

#include <filesystem>
#include <system_error>

#include "words/jet/utf8_path.h"

namespace vorlix {

std::string keptAsideName(const std::string& folder, std::string_view stem, std::string_view extension)
{
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    for (int number = 1;; ++number) {
        const std::string name =
            std::string(stem) + (number == 1 ? "" : "-" + std::to_string(number)) + std::string(extension);
        const std::string path = folder + separator + name;
        std::error_code ec;
        // A dangling link is a name taken too.
        if (!std::filesystem::exists(std::filesystem::symlink_status(jet::utf8Path(path), ec))) return path;
    }
}

}  // namespace vorlix
