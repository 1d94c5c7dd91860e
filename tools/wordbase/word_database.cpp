// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <functional>
#include <iterator>
#include <new>
#include <set>
#include <unordered_map>

#include "jet4_writer.h"
#include "platform/learner_folder.h"
#include "word_list.h"
#include "words/categories.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

// Far beyond any word list (a million pairs take some 40 MB), and well within memory.
constexpr qint64 kMaxListSize = 256 * 1024 * 1024;

QString qtPath(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::u16string utf16(const std::string& text)
{
    return jet::utf16FromUtf8(text).value();  // the word list and password are checked already
}

std::u16string checkedPassword(const std::string& password)
{
    const auto units = jet::utf16FromUtf8(password);
    if (!units) throw BuildError("the password is not valid UTF-8");
    if (units->size() > kMaxPasswordLength) {
        throw BuildError("the password has " + std::to_string(units->size()) + " characters; at most 20 fit");
    }
    return *units;
}

std::string fileBytes(const std::string& path)
{
    QFile file(qtPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw BuildError(path + ": cannot be read (" + file.errorString().toStdString() + ")");
    }
    if (file.size() > kMaxListSize)
        throw BuildError(path + ": is far too large for a word list; is it the right file?");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw BuildError(path + ": cannot be read (" + file.errorString().toStdString() + ")");
    }
    return bytes.toStdString();
}

// The notes of one kind the list kept, each on its line, and how many more there are.
std::vector<std::string> shownNotes(const std::string& path, const WordList& list, Diagnostic::Kind kind)
{
    const bool errors = kind == Diagnostic::Kind::Error;
    std::vector<std::string> lines;
    for (const Diagnostic& note : list.notes) {
        if (note.kind == kind)
            lines.push_back(path + ":" + std::to_string(note.line) + (errors ? ": error: " : ": warning: ") +
                            note.text);
    }
    if (const size_t count = errors ? list.errors : list.warnings; count > lines.size())
        lines.push_back(path + ": " + std::to_string(count - lines.size()) +
                        (errors ? " more errors" : " more warnings"));
    return lines;
}

// A file at `outPath` is replaced only when it is what this tool writes: an Access database, or
// any file that is kept aside first.
void checkReplaceable(const std::string& wordsPath, const std::string& outPath, bool keptAside)
{
    QFile existing(qtPath(outPath));
    if (!existing.exists()) return;
    if (QFileInfo(existing).canonicalFilePath() == QFileInfo(qtPath(wordsPath)).canonicalFilePath()) {
        throw BuildError(outPath + ": is the word list itself; give the database another name");
    }
    if (keptAside) return;
    const QByteArray start = existing.open(QIODevice::ReadOnly) ? existing.read(19) : QByteArray();
    if (start != QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) &&
        start != QByteArray("\x00\x01\x00\x00Standard ACE DB", 19)) {
        throw BuildError(outPath +
                         ": exists and is not an Access database, so it is left as it is; give the "
                         "database another name");
    }
}

jet4::TextTable wordTable(const std::vector<WordPair>& pairs)
{
    return {u"word", {u"category", u"english", u"spanish"}, pairs.size(), [&pairs](size_t i) {
                const WordPair& pair = pairs[i];
                return std::vector<std::u16string>{utf16(pair.category), utf16(pair.english), utf16(pair.spanish)};
            }};
}

// The list's pairs that `held` lacks, after them: the same words in the same category, as the
// program compares categories, are one pair.
std::vector<WordPair> withNewPairs(std::vector<WordPair> held, const std::vector<WordPair>& listed)
{
    const auto words = [](const WordPair& p) { return p.english + '\0' + p.spanish; };
    std::unordered_multimap<std::string, std::string> categoriesByWords;
    for (const WordPair& p : held) categoriesByWords.emplace(words(p), p.category);
    const auto isHeld = [&](const WordPair& p) {
        const auto [first, last] = categoriesByWords.equal_range(words(p));
        return std::any_of(first, last, [&p](const auto& held) { return sameCategory(held.second, p.category); });
    };
    std::copy_if(listed.begin(), listed.end(), std::back_inserter(held), std::not_fn(isHeld));
    return held;
}

// The database at `outPath` copied to the next free name of its series ("reg-previous.ocx"):
// copying leaves it in place until the new one takes its name, and never overwrites a file.
std::string keepAside(const std::string& outPath)
{
    const QFileInfo out(qtPath(outPath));
    if (!out.exists()) return {};
    const std::string kept =
        keptAsideName(QDir::toNativeSeparators(out.absolutePath()).toStdString(),
                      (out.completeBaseName() + "-previous").toStdString(), ("." + out.suffix()).toStdString());
    QFile file(out.filePath());
    if (!file.copy(qtPath(kept))) {
        throw BuildError(outPath + ": cannot be kept as " + kept + " before it is replaced (" +
                         file.errorString().toStdString() + ")");
    }
    return kept;
}

void makeFolderFor(const std::string& outPath)
{
    const QString folder = QFileInfo(qtPath(outPath)).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw BuildError(QDir::toNativeSeparators(folder).toStdString() +
                         ": the folder for the database cannot be made");
    }
}

void save(const std::string& outPath, const std::vector<jet4::Page>& pages, const std::string& keptAs)
{
    QSaveFile file(qtPath(outPath));
    const auto failure = [&] {
        // The copy is a twin of what stays at outPath.
        if (!keptAs.empty()) QFile::remove(qtPath(keptAs));
        return BuildError(outPath + ": cannot be written (" + file.errorString().toStdString() + ")");
    };
    if (!file.open(QIODevice::WriteOnly)) throw failure();
    for (const jet4::Page& page : pages) {
        const auto size = static_cast<qint64>(page.size());
        if (file.write(reinterpret_cast<const char*>(page.data()), size) != size) throw failure();
    }
    if (!file.commit()) throw failure();
}

// Nothing is written before the whole database is in memory, so running out of it writes nothing.
BuildError outOfMemory(const std::string& wordsPath)
{
    return BuildError(wordsPath + ": there is not enough memory to read this list and build its database");
}

}  // namespace

CheckedList readCheckedList(const std::string& wordsPath, const std::optional<std::string>& category)
try {
    WordList list = readWordList(fileBytes(wordsPath), category);
    const std::string characterSetNote =
        list.legacyCharacterSet.empty()
            ? std::string()
            : wordsPath + ": read as " + list.legacyCharacterSet + " text, since it is not UTF-8";
    if (list.hasErrors()) {
        std::string errors = characterSetNote;
        for (const std::string& line : shownNotes(wordsPath, list, Diagnostic::Kind::Error)) {
            errors += (errors.empty() ? "" : "\n") + line;
        }
        throw BuildError(errors);
    }
    return {wordsPath, std::move(list.pairs), characterSetNote, shownNotes(wordsPath, list, Diagnostic::Kind::Warning)};
} catch (const std::bad_alloc&) {
    throw outOfMemory(wordsPath);
}

BuildReport writeWordDatabase(const CheckedList& list, const std::string& outPath, const std::string& password,
                              const Destination& destination)
try {
    const std::u16string key = checkedPassword(password);
    BuildReport report;
    report.listPairs = list.pairs.size();
    const auto& held = destination.heldPairs;
    const std::vector<WordPair> joined = held ? withNewPairs(*held, list.pairs) : std::vector<WordPair>();
    const std::vector<WordPair>& pairs = held ? joined : list.pairs;
    report.alreadyHeld = report.listPairs + (held ? held->size() : 0) - pairs.size();
    if (report.alreadyHeld == report.listPairs) return report;

    checkReplaceable(list.path, outPath, destination.keepReplaced);
    std::vector<jet4::Page> pages;
    try {
        pages = jet4::buildDatabase(wordTable(pairs), key);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw BuildError(outPath + ": " + e.what());
    }
    if (destination.makeFolder) makeFolderFor(outPath);
    if (destination.keepReplaced) report.keptAs = keepAside(outPath);
    save(outPath, pages, report.keptAs);

    report.pairs = pairs.size();
    std::set<std::string> categories;
    for (const WordPair& pair : pairs) {
        if (!pair.category.empty()) categories.insert(pair.category);
    }
    report.categories = categories.size();
    return report;
} catch (const std::bad_alloc&) {
    throw outOfMemory(list.path);
}

}  // namespace vorlix::wordbase
