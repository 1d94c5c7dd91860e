// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vorlix {

// The password of a connection text such as ";pwd=secret" ("" when it names none).
std::string connectPassword(const std::string& connect);

}  // namespace vorlix
