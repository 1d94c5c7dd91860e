// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-database builder: turns a word list, as a spreadsheet, a text editor or a flash-card
// program saves it, into the Jet4 database the program reads. No library writes Jet files, so the
// build makes reg.ocx with this tool too.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "list_warnings.h"
#include "platform/command_line.h"
#include "platform/console_text.h"
#include "platform/desktop_dialogs.h"
#include "platform/legacy_text.h"
#include "platform/learner_folder.h"
#include "word_database.h"
#include "words/categories.h"

namespace {

using namespace vorlix;

const std::string kName = VORLIX_WORDBASE_NAME;
const std::string kUsage = "usage: " + kName + " [--category NAME] [--password TEXT] LIST [OUT.mdb]\n";
const std::string kTitle = "Vorlix: your own words";

// Where the tool's words go: to the console, or, for a person who started it from the desktop,
// into one window that shows them all when the tool ends, however it ends, each text told a
// paragraph of its own.
class Teller {
public:
    explicit Teller(std::unique_ptr<DesktopDialogs> desktop) : desktop_(std::move(desktop)) {}
    Teller(const Teller&) = delete;
    Teller& operator=(const Teller&) = delete;
    ~Teller()
    {
        if (desktop_ && !told_.empty()) desktop_->show(kTitle, told_, tone_);
    }

    DesktopDialogs* desktop() const { return desktop_.get(); }

    void out(const std::string& text) { tell(stdout, text, DesktopDialogs::Tone::Information); }
    void warn(const std::string& text) { tell(stderr, text, DesktopDialogs::Tone::Warning); }
    void fail(const std::string& text) { tell(stderr, text, DesktopDialogs::Tone::Error); }

private:
    void tell(std::FILE* stream, const std::string& text, DesktopDialogs::Tone tone)
    {
        if (!desktop_) {
            writeConsoleText(stream, text);
            return;
        }
        told_ += (told_.empty() ? "" : "\n") + text;
        tone_ = std::max(tone_, tone);
    }

    std::unique_ptr<DesktopDialogs> desktop_;
    std::string told_;
    DesktopDialogs::Tone tone_ = DesktopDialogs::Tone::Information;
};

// The user's own word database, which the program reads instead of its own where it is there.
std::optional<std::string> ownDatabase()
{
    const auto folder = learnerFolder();
    if (!folder) return std::nullopt;
    return *folder + static_cast<char>(std::filesystem::path::preferred_separator) + "reg.ocx";
}

std::string helpText(const std::optional<std::string>& own)
{
    return kUsage +
           "\n"
           "Makes a Vorlix word database from a word list: an Access (Jet4) database holding the table\n"
           "`word` with the text columns category, english and spanish. Without OUT.mdb it writes the\n"
           "database that Vorlix reads instead of its own, making its folder where it is missing:\n  " +
           own.value_or("(none on this system)") +
           "\n"
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
           "Anki export it, or typed by hand: \"rain - la lluvia\" (or \" = \", or an en dash). The\n"
           "columns are category, english and spanish, or english and spanish alone, in that order\n"
           "unless a first line naming them gives another, or with the category last where every\n"
           "line ends in one; every line has the same columns, empty fields at its end not counted.\n"
           "A field in double quotes may hold separators and line breaks, and a quote written twice\n"
           "(\"\"). Lines starting with # at the head of the list are passed over, and Anki's header\n"
           "lines among them followed (#separator:, #html:, #columns:, #tags column: ...). A\n"
           "byte-order mark gives the character set: UTF-8, or UTF-16 (\"Unicode text\"). Without\n"
           "one, a list that is UTF-8 throughout is UTF-8, and one with no UTF-8 at all is " +
           legacyCharacterSetName() +
           ",\n"
           "as a spreadsheet's plain CSV is saved here, and the tool says so; a list of both is\n"
           "refused at its first line that is not UTF-8.\n"
           "\n"
           "A line with the wrong number of fields, an empty English or Spanish text, a text over 255\n"
           "characters or a file that is not text stops the build: each is told as LIST:LINE, nothing\n"
           "is written and the database stays as it was. A category Vorlix does not offer, and a pair\n"
           "given twice, are warned about; the pairs go into the database all the same. End Vorlix\n"
           "and start it again to see the new words.\n"
           "\n"
           "The categories Vorlix offers, as a list names them, in any letter case, or by the names\n"
           "its options dialog shows (Time, Organizational); the words of any other show only under\n"
           "\"All\":\n";
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

int usageError(Teller& teller, const std::string& why)
{
    teller.fail(kName + ": " + why + "\n" + kUsage + "Try '" + kName + " --help' for more.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = commandLineArguments(argc, argv);
    Teller teller(desktopDialogsForThisStart());
    std::string password;
    std::optional<std::string> category;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // --name VALUE or --name=VALUE; none when `arg` is not that option.
        const auto value = [&](std::string_view name) -> std::optional<std::string> {
            if (arg.starts_with(std::string(name) + "=")) return std::string(arg.substr(name.size() + 1));
            if (arg != name) return std::nullopt;
            if (i + 1 == args.size()) return std::nullopt;
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            teller.out(helpText(ownDatabase()) + categoryNames());
            return 0;
        }
        if (arg == "--version") {
            teller.out(kName + " (Vorlix) " VORLIX_VERSION "\n");
            return 0;
        }
        if (arg == "--password" || arg.starts_with("--password=")) {
            const auto given = value("--password");
            if (!given) return usageError(teller, "--password needs a value");
            password = *given;
        } else if (arg == "--category" || arg.starts_with("--category=")) {
            const auto given = value("--category");
            if (!given) return usageError(teller, "--category needs a value");
            const auto offered = offeredCategory(*given);
            if (!offered) {
                const auto nearest = wordbase::nearestCategory(*given);
                return usageError(teller, "\"" + *given + "\" is none of the 29 categories Vorlix offers" +
                                              (nearest ? "; did you mean \"" + std::string(*nearest) + "\"?" : ""));
            }
            category = std::string(*offered);
        } else if (arg == "--") {
            files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (arg.starts_with("-")) {
            return usageError(teller, "unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    if (teller.desktop() && files.empty()) {
        const auto chosen = teller.desktop()->askForFile("Choose the word list Vorlix is to show");
        if (!chosen) return 1;
        files.push_back(*chosen);
    }
    // From the desktop there is only ever a list: the database is the user's own.
    if (teller.desktop() && files.size() > 1) return usageError(teller, "give it one word list at a time");
    if (files.empty() || files.size() > 2) return usageError(teller, "expected a word list, and the database to write");

    const auto own = ownDatabase();
    if (files.size() == 1 && !own) return usageError(teller, "this system names no folder for it: give OUT.mdb");
    const std::string out = files.size() == 2 ? files[1] : *own;
    try {
        if (files.size() == 1) wordbase::makeFolderFor(out);
        const wordbase::BuildReport report = wordbase::buildWordDatabase(files[0], out, password, category);
        teller.out(summary(report, out));
        if (files.size() == 1) {
            teller.out(
                "Vorlix shows them from its next start: end it (Exit in its menu) and start it again.\n"
                "To go back to the words Vorlix comes with, delete " +
                out + "\n");
        }
        if (!report.characterSetNote.empty()) teller.out(report.characterSetNote + "\n");
        std::string warnings;
        for (const std::string& warning : report.warnings) warnings += warning + "\n";
        if (!warnings.empty()) teller.warn(warnings);
    } catch (const wordbase::BuildError& e) {
        teller.fail(e.what() + std::string("\n"));
        teller.fail(kName + ": nothing was written to " + out + "\n");
        if (files.size() == 1) {
            teller.fail("Vorlix goes on with the words it has. Correct the list, save it, and give it to " + kName +
                        " again.\n");
        }
        return 1;
    }
    return 0;
}
