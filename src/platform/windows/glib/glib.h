// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// mdbtools for Windows is built without glib and brings a small stand-in of its own, whose header
// declares C functions without saying so; this glib.h gives them C linkage for C++ code.
extern "C" {
#include <mdbfakeglib.h>
}
