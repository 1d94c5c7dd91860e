// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-database builder: turns a word list, as a spreadsheet, a text editor or a flash-card
// program saves it, into the Jet4 database the program reads. No library writes Jet files, so the
// build makes reg.ocx with this tool too.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list_warnings.h"
#include "platform/command_line.h"
#include "platform/console_text.h"
#include "platform/legacy_text.h"
#include "word_database.h"
#include "words/categories.h"

namespace {

using namespace vorlix;

const std::string kName = VORLIX_WORDBASE_NAME;
const std::string kUsage = "usage: " + kName + " [--category NAME] [--password TEXT] LIST OUT.mdb\n";

std::string helpText()
{
    return kUsage +
           "\n"
           "Makes a Vorlix word database from a word list: an Access (Jet4) database holding the table\n"
           "`word` with the text columns category, english and spanish.\n"
           "\n"
           "  --category NAME  the category of every pair of a list of two columns (english and\n"
           "                   spanish), one of those below; without it they show under \"All\"\n"
           "  --password TEXT  protect the database with TEXT (at most 20 characters); without it the\n"
           "                   database has no password, and Vorlix and Access open it as it is\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           "\n"
           "LIST is one pair a line, as a spreadsheet saves it as CSV (separated by commas or by\n"
           "semicolons, whichever the first line uses) or as text separated by tabs, as Quizlet and\n"
           "Anki export it. The columns are category, english and spanish, or english and spanish\n"
           "alone, in that order unless a first line naming them gives another; every line has the\n"
           "same columns. A field in double quotes may hold separators and line breaks, and a quote\n"
           "written twice (\"\"). Anki's header lines (#separator:, #html:, #tags column: ...) are\n"
           "followed; other lines starting with #, and empty lines, are passed over. The list is\n"
           "UTF-8, or UTF-16 with a byte-order mark (\"Unicode text\"); any other is read as " +
           legacyCharacterSetName() +
           ",\n"
           "as a spreadsheet's plain CSV is saved here, and the tool says so.\n"
           "\n"
           "A line with the wrong number of fields, an empty English or Spanish text, a text over 255\n"
           "characters or a file that is not text stops the build: each is told as LIST:LINE, nothing\n"
           "is written and OUT.mdb stays as it was. A category Vorlix does not offer, and a pair given\n"
           "twice, are warned about; the pairs go into the database all the same.\n"
           "\n"
           "Put the database where Vorlix looks for its words, named reg.ocx, and start Vorlix again;\n"
           "its help page (\"Your own words\") says where that is.\n"
           "\n"
           "The categories Vorlix offers, as a list names them, in any letter case; the words of any\n"
           "other show only under \"All\":\n";
}

void say(std::FILE* stream, const std::string& text)
{
    writeConsoleText(stream, text);
}

int usageError(const std::string& why)
{
    say(stderr, kName + ": " + why + "\n" + kUsage + "Try '" + kName + " --help' for more.\n");
    return 2;
}

// The names wrapped into indented lines of at most 80 columns.
std::string categoryNames()
{
    std::string text, line = " ";
    for (const Category& c : kCategories) {
        if (c.number == kAllCategories) continue;
        const std::string name = " " + std::string(c.name) + (c.number + 1 < kCategoryCount ? "," : "");
        if (line.size() + name.size() > 80) {
            text += line + "\n";
            line = " ";
        }
        line += name;
    }
    return text + line + "\n";
}

std::string counted(size_t count, const std::string& one, const std::string& many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string summary(const wordbase::BuildReport& report, const std::string& out)
{
    const std::string pairs = counted(report.pairs, "pair", "pairs");
    if (report.pairs > 0 && report.categories == 0) {
        return pairs + " without a category (Vorlix shows them under \"All\") went into " + out + "\n";
    }
    return pairs + " in " + counted(report.categories, "category", "categories") + " went into " + out + "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = commandLineArguments(argc, argv);
    std::string password;
    std::optional<std::string> category;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            say(stdout, helpText() + categoryNames());
            return 0;
        }
        if (arg == "--version") {
            say(stdout, kName + " (Vorlix) " VORLIX_VERSION "\n");
            return 0;
        }
        if (arg == "--password") {
            if (++i == args.size()) return usageError("--password needs a value");
            password = args[i];
        } else if (arg.starts_with("--password=")) {
            password = arg.substr(arg.find('=') + 1);
        } else if (arg == "--category" || arg.starts_with("--category=")) {
            std::string given;
            if (arg.starts_with("--category=")) {
                given = arg.substr(arg.find('=') + 1);
            } else if (++i == args.size()) {
                return usageError("--category needs a value");
            } else {
                given = args[i];
            }
            const auto offered = wordbase::offeredCategory(given);
            if (!offered) {
                const auto nearest = wordbase::nearestCategory(given);
                return usageError("\"" + given + "\" is none of the 29 categories Vorlix offers" +
                                  (nearest ? "; did you mean \"" + std::string(*nearest) + "\"?" : ""));
            }
            category = std::string(*offered);
        } else if (arg == "--") {
            files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (arg.starts_with("-")) {
            return usageError("unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2) return usageError("expected a word list and the database to write");

    try {
        const wordbase::BuildReport report = wordbase::buildWordDatabase(files[0], files[1], password, category);
        say(stdout, summary(report, files[1]));
        if (!report.characterSetNote.empty()) say(stdout, report.characterSetNote + "\n");
        for (const std::string& warning : report.warnings) say(stderr, warning + "\n");
    } catch (const wordbase::BuildError& e) {
        say(stderr, e.what() + std::string("\n") + kName + ": nothing was written to " + files[1] + "\n");
        return 1;
    }
    return 0;
}
