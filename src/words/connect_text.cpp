// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/connect_text.h"

#include <strings.h>

namespace vorlix {

std::string connectPassword(const std::string& connect)
{
    // Segments are separated by ";", each "key=value"; the value runs to the next ";".
    size_t start = 0;
    while (start <= connect.size()) {
        size_t end = connect.find(';', start);
        if (end == std::string::npos) end = connect.size();
        const std::string segment = connect.substr(start, end - start);
        const size_t eq = segment.find('=');
        if (eq != std::string::npos && strcasecmp(segment.substr(0, eq).c_str(), "pwd") == 0) {
            return segment.substr(eq + 1);
        }
        start = end + 1;
    }
    return "";
}

}  // namespace vorlix
