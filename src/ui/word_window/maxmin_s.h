// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <type_traits>

namespace vorlix {

// The larger of two numbers of possibly different types; `b` on a tie. The result keeps the
// type of whichever argument it returns, widened to their common type.
template <typename A, typename B>
std::common_type_t<A, B> Max(A a, B b)
{
    return a > b ? a : b;
}

}  // namespace vorlix
