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

#include <QDir>
#include <QFileInfo>

#include "database_pairs.h"
#include "list_warnings.h"
#include "platform/command_line.h"
#include "platform/console_text.h"
#include "platform/desktop_dialogs.h"
#include "platform/learner_folder.h"
#include "platform/legacy_text.h"
#include "word_database.h"
#include "words/categories.h"
#include "words/jet/utf8_path.h"
#include "words/word_query.h"

namespace {

using namespace vorlix;
using Tone = DesktopDialogs::Tone;

const std::string kName = VORLIX_WORDBASE_NAME;
const std::string kUsage = "usage: " + kName + " [--add] [--category NAME] [--password TEXT] LIST [OUT.mdb]\n";
const std::string kTitle = "Vorlix: your own words";

// Where the tool's words go: to the console, or, for a person who started it from the desktop,
// into one window that shows them all when the tool ends, however it ends: what it found on its
// way (the list's lines), and below it how it ended, which stays in sight.
class Teller {
public:
    explicit Teller(std::unique_ptr<DesktopDialogs> desktop) : desktop_(std::move(desktop)) {}
    Teller(const Teller&) = delete;
    Teller& operator=(const Teller&) = delete;
    ~Teller()
    {
        if (desktop_ && !(notes_.empty() && conclusion_.empty())) desktop_->show(kTitle, notes_, conclusion_, tone_);
    }

    DesktopDialogs* desktop() const { return desktop_.get(); }

    void note(const std::string& text, Tone tone) { tell(notes_, text, tone); }
    void conclude(const std::string& text, Tone tone) { tell(conclusion_, text, tone); }

private:
    void tell(std::string& told, const std::string& text, Tone tone)
    {
        if (!desktop_) {
            writeConsoleText(tone == Tone::Information ? stdout : stderr, text);
            return;
        }
        told += text;
        tone_ = std::max(tone_, tone);
    }

    std::unique_ptr<DesktopDialogs> desktop_;
    std::string notes_;
    std::string conclusion_;
    Tone tone_ = Tone::Information;
};

// What the tool is asked to do.
struct Request {
    std::string password;
    std::optional<std::string> category;
    bool add = false;
    std::vector<std::string> files;  // as given: the list, then the database
    std::string list;
    std::string out;
    bool ownDatabase = false;  // `out` is the learner's own, which the program reads
};

// The user's own word database, which the program reads instead of its own where it is there.
std::optional<std::string> ownDatabase()
{
    const auto folder = learnerFolder();
    if (!folder) return std::nullopt;
    return *folder + static_cast<char>(std::filesystem::path::preferred_separator) + kWordDatabaseFile;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(jet::utf8Path(path), ec));
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(jet::utf8Path(a), jet::utf8Path(b), ec);
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
           "and keeps the one it replaces beside it, as reg-previous.ocx (or reg-previous-2.ocx ...).\n"
           "\n"
           "  --add            add the list's pairs to the database instead of replacing it; pairs\n"
           "                   it holds already (the same words in the same category) are left out\n"
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
           "characters, a file that is not text or a list without a single pair stops the build: each\n"
           "is told as LIST:LINE, nothing is written and the database stays as it was. A category\n"
           "Vorlix does not offer, and a pair given twice, are warned about; the pairs go into the\n"
           "database all the same. End Vorlix and start it again to see the new words.\n"
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

int usageError(Teller& teller, const std::string& why)
{
    teller.conclude(kName + ": " + why + "\n" + kUsage + "Try '" + kName + " --help' for more.\n", Tone::Error);
    return 2;
}

// The command line into `request`. Ends the tool, with the exit status returned, for --help,
// --version and a command line it does not understand.
std::optional<int> readArguments(const std::vector<std::string>& args, Request& request, Teller& teller)
{
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
            teller.conclude(helpText(ownDatabase()) + categoryNames(), Tone::Information);
            return 0;
        }
        if (arg == "--version") {
            teller.conclude(kName + " (Vorlix) " VORLIX_VERSION "\n", Tone::Information);
            return 0;
        }
        if (arg == "--add") {
            request.add = true;
        } else if (arg == "--password" || arg.starts_with("--password=")) {
            const auto given = value("--password");
            if (!given) return usageError(teller, "--password needs a value");
            request.password = *given;
        } else if (arg == "--category" || arg.starts_with("--category=")) {
            const auto given = value("--category");
            if (!given) return usageError(teller, "--category needs a value");
            const auto offered = offeredCategory(*given);
            if (!offered) {
                const auto nearest = wordbase::nearestCategory(*given);
                return usageError(teller, "\"" + *given + "\" is none of the 29 categories Vorlix offers" +
                                              (nearest ? "; did you mean \"" + std::string(*nearest) + "\"?" : ""));
            }
            request.category = std::string(*offered);
        } else if (arg == "--") {
            request.files.insert(request.files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (arg.starts_with("-")) {
            return usageError(teller, "unknown option " + std::string(arg));
        } else {
            request.files.emplace_back(arg);
        }
    }
    return std::nullopt;
}

// The list, named or chosen in the open-file dialog, and the database: the one named, else the
// learner's own. Ends the tool where it returns a status.
std::optional<int> chooseListAndDatabase(Request& request, Teller& teller)
{
    DesktopDialogs* desktop = teller.desktop();
    if (desktop && request.files.empty()) {
        const auto chosen = desktop->askForFile("Choose the word list Vorlix is to show");
        if (!chosen) return 1;
        request.files.push_back(*chosen);
    }
    // From the desktop there is only ever a list: the database is the user's own.
    if (desktop && request.files.size() > 1) return usageError(teller, "give it one word list at a time");
    if (request.files.empty() || request.files.size() > 2) {
        return usageError(teller, "expected a word list, and the database to write");
    }
    const auto own = ownDatabase();
    if (request.files.size() == 1 && !own) {
        return usageError(teller, "this system names no folder for it: give OUT.mdb");
    }
    request.list = request.files[0];
    request.out = request.files.size() == 2 ? request.files[1] : *own;
    request.ownDatabase = own && (request.files.size() == 1 || sameFile(request.out, *own));
    return std::nullopt;
}

// Given a list from the desktop while the learner has words of their own, asks whether to add the
// list to them or to replace them. Ends the tool where it returns a status.
std::optional<int> chooseAddOrReplace(Request& request, Teller& teller)
{
    if (!teller.desktop() || request.add || !fileExists(request.out)) return std::nullopt;
    const std::string list = QFileInfo(QString::fromStdString(request.list)).fileName().toStdString();
    const auto answer = teller.desktop()->askAddOrReplace(
        kTitle, "You have words of your own already, in " + request.out + ".\n\nAdd the words of " + list +
                    " to them, or replace them with the words of " + list +
                    "? The words they replace are kept in a copy beside them.");
    if (answer == DesktopDialogs::Answer::Cancel) return 1;
    request.add = answer == DesktopDialogs::Answer::Add;
    return std::nullopt;
}

// The word reader: beside the tool in the build folder and the Windows program folder; where the
// Linux package installs the tool among the system's commands, in the program's own folder.
std::string wordReader()
{
    const QDir toolFolder = QFileInfo(QString::fromStdString(programFile())).dir();
    QStringList places{toolFolder.filePath(VORLIX_WORD_READER)};
#ifdef VORLIX_PROGRAM_FOLDER_FROM_TOOL
    places << QDir::cleanPath(toolFolder.filePath(VORLIX_PROGRAM_FOLDER_FROM_TOOL "/" VORLIX_WORD_READER));
#endif
    for (const QString& reader : places) {
        if (QFileInfo(reader).isExecutable()) return reader.toStdString();
    }
    throw wordbase::BuildError("the word reader, which reads the database to add to, is not where Vorlix keeps it (" +
                               QDir::toNativeSeparators(places.join(", ")).toStdString() + "): install Vorlix again");
}

// The pairs the list's are added to: none where the database is replaced, or is not there yet.
std::optional<std::vector<wordbase::WordPair>> pairsToAddTo(const Request& request)
{
    if (!request.add || !fileExists(request.out)) return std::nullopt;
    return wordbase::readDatabasePairs(wordReader(), request.out, request.password);
}

std::string counted(size_t count, const std::string& one, const std::string& many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string pairsAndCategories(size_t pairs, size_t categories)
{
    if (pairs > 0 && categories == 0) return counted(pairs, "pair", "pairs") + " without a category";
    return counted(pairs, "pair", "pairs") + " in " + counted(categories, "category", "categories");
}

std::string summary(const Request& request, const wordbase::BuildReport& report)
{
    const size_t added = report.listPairs - report.alreadyHeld;
    if (!request.add || added == report.pairs) {
        const std::string all = report.categories == 0 ? " (Vorlix shows them under \"All\")" : "";
        return pairsAndCategories(report.pairs, report.categories) + all + " went into " + request.out + "\n";
    }
    return counted(added, "pair was", "pairs were") + " added to " + request.out + ", which now holds " +
           pairsAndCategories(report.pairs, report.categories) +
           (report.alreadyHeld == 0
                ? ""
                : "; " + counted(report.alreadyHeld, "pair", "pairs") + " of the list it held already") +
           "\n";
}

void tellNotes(Teller& teller, const wordbase::CheckedList& list)
{
    if (!list.characterSetNote.empty()) teller.note(list.characterSetNote + "\n", Tone::Information);
    for (const std::string& warning : list.warnings) teller.note(warning + "\n", Tone::Warning);
}

int tellBuilt(Teller& teller, const Request& request, const wordbase::BuildReport& report)
{
    if (!report.written()) {
        const std::string listed = report.listPairs == 1 ? "The one pair of " + request.list + " is"
                                                         : "All " + counted(report.listPairs, "pair", "pairs") +
                                                               " of " + request.list + " are";
        teller.conclude(listed + " in " + request.out + " already; nothing was written\n", Tone::Information);
        return 0;
    }
    std::string told = summary(request, report);
    if (request.ownDatabase) {
        told += "Vorlix shows them from its next start: end it (Exit in its menu) and start it again.\n";
        if (!report.keptAs.empty()) {
            told += "The words it replaced are kept in " + report.keptAs + ": to have them back, end Vorlix, delete " +
                    request.out + " and rename that copy to " + kWordDatabaseFile + ".\n";
        }
        told += "To go back to the words Vorlix comes with, delete " + request.out + "\n";
    }
    teller.conclude(told, Tone::Information);
    return 0;
}

int tellNoPairs(Teller& teller, const Request& request)
{
    teller.conclude(
        kName + ": no word pairs were found in " + request.list + "; nothing was written to " + request.out + "\n",
        Tone::Error);
    return 1;
}

int tellNothingWritten(Teller& teller, const Request& request, const std::string& why, const std::string& advice)
{
    teller.note(why + "\n", Tone::Error);
    teller.conclude(kName + ": nothing was written to " + request.out + "\n" +
                        (request.ownDatabase ? "Vorlix goes on with the words it has." + advice + "\n" : ""),
                    Tone::Error);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Teller teller(desktopDialogsForThisStart());
    Request request;
    if (const auto ended = readArguments(commandLineArguments(argc, argv), request, teller)) return *ended;
    if (const auto ended = chooseListAndDatabase(request, teller)) return *ended;
    // What the person can do about a failure depends on how far the tool came.
    std::string advice = " Correct the list, save it, and give it to " + kName + " again.";
    try {
        const wordbase::CheckedList list = wordbase::readCheckedList(request.list, request.category);
        if (!list.pairs.empty()) {
            if (const auto ended = chooseAddOrReplace(request, teller)) return *ended;
        }
        tellNotes(teller, list);
        if (list.pairs.empty()) return tellNoPairs(teller, request);

        advice = teller.desktop() ? " Give it the list again and choose Replace"
                                  : " To have the list's words instead, leave out --add";
        advice += ": the words there are then kept in a copy.";
        const auto held = pairsToAddTo(request);
        advice.clear();
        const wordbase::Destination destination{held, request.ownDatabase && !request.add, request.ownDatabase};
        return tellBuilt(teller, request,
                         wordbase::writeWordDatabase(list, request.out, request.password, destination));
    } catch (const wordbase::BuildError& e) {
        return tellNothingWritten(teller, request, e.what(), advice);
    }
}
