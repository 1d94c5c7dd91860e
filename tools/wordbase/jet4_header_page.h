// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "jet4_table.h"

namespace vorlix::wordbase::jet4 {

// Page 0 of a Jet4 file: magic, version, and the RC4-scrambled region with code page 1252,
// no page encryption, the general sort order, the creation date and the password masked with
// that date. Throws std::invalid_argument for a password longer than 20 UTF-16 units.
Page headerPage(const std::u16string& password, double creationDate);

}  // namespace vorlix::wordbase::jet4
