// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the path every start takes through a word database: open the file,
// decode its password, run the word query.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "words/jet/jet_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/vorlix-fuzz-" + std::to_string(getpid()) + ".mdb";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    try {
        vorlix::jet::Database db(path);
        (void)db.password();
        (void)db.query("select * from word where category= 'Weather'");
    } catch (const vorlix::jet::JetError&) {
    }
    return 0;
}
