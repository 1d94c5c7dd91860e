// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/jet/libmdb_text.h"

#include <iconv.h>

namespace vorlix::jet {

// libmdb decodes Jet4 text as UCS-2, which turns each half of a surrogate pair (emoji and
// everything else beyond the BMP) into '?', and it converts to whatever MDBICONV names. The
// handle's converters are public fields, so swap in UTF-16LE (or code page 1252 for Jet3) to
// UTF-8; mdb_close() closes whichever converters the handle holds.
void decodeTextAsUtf8(MdbHandle* mdb, int jetVersion)
{
    const char* stored = jetVersion == 3 ? "CP1252" : "UTF-16LE";
    const iconv_t in = iconv_open("UTF-8", stored);
    const iconv_t out = iconv_open(stored, "UTF-8");
    const auto failed = reinterpret_cast<iconv_t>(-1);
    if (in == failed || out == failed) {
        if (in != failed) iconv_close(in);
        if (out != failed) iconv_close(out);
        return;  // keep libmdb's own converters: only characters beyond the BMP suffer
    }
    iconv_close(mdb->iconv_in);
    iconv_close(mdb->iconv_out);
    mdb->iconv_in = in;
    mdb->iconv_out = out;
}

std::string pathLibmdbCanOpen(const std::string& path)
{
    return path;  // file names are bytes here, UTF-8 by convention
}

}  // namespace vorlix::jet
