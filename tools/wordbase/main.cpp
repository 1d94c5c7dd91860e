// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// wordbase: turns a tab-separated word list into the program's password-protected Jet4 word
// database. No library writes Jet files, so the build makes reg.ocx with this tool.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "word_database.h"

namespace {

constexpr std::string_view kUsage = "usage: wordbase [--password TEXT] WORDS.tsv OUT.mdb\n";

constexpr std::string_view kHelp =
    "Writes a word list as an Access (Jet4) database holding the table `word` with the TEXT(255)\n"
    "columns category, english and spanish.\n"
    "\n"
    "  --password TEXT  protect the database with TEXT (at most 20 characters)\n"
    "  --help           show this text\n"
    "\n"
    "WORDS.tsv is UTF-8 text, one pair a line: category<TAB>english<TAB>spanish.\n"
    "Lines starting with # and empty lines are skipped. Each text may hold at most 255\n"
    "characters (UTF-16 units). A line that breaks these rules stops the build with its line\n"
    "number, and OUT.mdb is only replaced once the new file is complete.\n";

int usageError(std::string_view why)
{
    std::fprintf(stderr, "wordbase: %.*s\n%.*s", int(why.size()), why.data(), int(kUsage.size()), kUsage.data());
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string password;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("%.*s\n%.*s", int(kUsage.size()), kUsage.data(), int(kHelp.size()), kHelp.data());
            return 0;
        }
        if (arg == "--password") {
            if (++i == argc) return usageError("--password needs a value");
            password = argv[i];
        } else if (arg.starts_with("--password=")) {
            password = arg.substr(arg.find('=') + 1);
        } else if (arg.starts_with("-")) {
            return usageError("unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2) return usageError("expected WORDS.tsv and OUT.mdb");

    try {
        vorlix::wordbase::buildWordDatabase(files[0], files[1], password);
    } catch (const vorlix::wordbase::BuildError& e) {
        std::fprintf(stderr, "wordbase: %s\n", e.what());
        return 1;
    }
    return 0;
}
