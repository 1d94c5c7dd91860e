// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// mdbtools.h opens an extern "C" block around its own #include <glib.h>, which breaks on glib's
// C++ templates unless glib was included first.
#include <glib.h>
#include <mdbtools.h>

namespace vorlix::jet {

// Text in and out of libmdb, whose build differs on each system.

// Makes libmdb hand over every text of `mdb` as UTF-8, characters beyond the BMP included, the
// same bytes on every system (stored_text.h says which). Called once, right after mdb_open().
void decodeTextAsUtf8(MdbHandle* mdb, int jetVersion);

// The UTF-8 `path` as mdb_open() takes it: it opens files by a path in the system's encoding.
std::string pathLibmdbCanOpen(const std::string& path);

}  // namespace vorlix::jet
