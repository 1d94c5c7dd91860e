// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>
#include <set>

#include "jet4_writer.h"
#include "word_list.h"
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

// A file at `outPath` is replaced only when it is what this tool writes: an Access database.
void checkReplaceable(const std::string& wordsPath, const std::string& outPath)
{
    QFile existing(qtPath(outPath));
    if (!existing.exists()) return;
    if (QFileInfo(existing).canonicalFilePath() == QFileInfo(qtPath(wordsPath)).canonicalFilePath()) {
        throw BuildError(outPath + ": is the word list itself; give the database another name");
    }
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

void save(const std::string& outPath, const std::vector<jet4::Page>& pages)
{
    QSaveFile file(qtPath(outPath));
    const auto failure = [&] {
        return BuildError(outPath + ": cannot be written (" + file.errorString().toStdString() + ")");
    };
    if (!file.open(QIODevice::WriteOnly)) throw failure();
    for (const jet4::Page& page : pages) {
        const auto size = static_cast<qint64>(page.size());
        if (file.write(reinterpret_cast<const char*>(page.data()), size) != size) throw failure();
    }
    if (!file.commit()) throw failure();
}

}  // namespace

BuildReport buildWordDatabase(const std::string& wordsPath, const std::string& outPath, const std::string& password,
                              const std::optional<std::string>& category)
try {
    const std::u16string key = checkedPassword(password);
    const WordList list = readWordList(fileBytes(wordsPath), category);
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
    checkReplaceable(wordsPath, outPath);
    std::vector<jet4::Page> pages;
    try {
        pages = jet4::buildDatabase(wordTable(list.pairs), key);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throw BuildError(outPath + ": " + e.what());
    }
    save(outPath, pages);

    BuildReport report{characterSetNote, shownNotes(wordsPath, list, Diagnostic::Kind::Warning), list.pairs.size(), 0};
    std::set<std::string> categories;
    for (const WordPair& pair : list.pairs) {
        if (!pair.category.empty()) categories.insert(pair.category);
    }
    report.categories = categories.size();
    return report;
} catch (const std::bad_alloc&) {
    // Nothing is written before the whole database is in memory, so nothing was written.
    throw BuildError(wordsPath + ": there is not enough memory to read this list and build its database");
}

void makeFolderFor(const std::string& outPath)
{
    const QString folder = QFileInfo(qtPath(outPath)).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw BuildError(QDir::toNativeSeparators(folder).toStdString() +
                         ": the folder for the database cannot be made");
    }
}

}  // namespace vorlix::wordbase
