// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vorlix {

// The maker's addresses, opened by the Website and E-mail commands.
inline constexpr const char* kMakerWebSite = "http://www.kestry.com/";
inline constexpr const char* kMakerEmail = "support@kestry.com";

}  // namespace vorlix
