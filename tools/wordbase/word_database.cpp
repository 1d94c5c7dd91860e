// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_database.h"

#include <QSaveFile>

#include <fstream>

#include "jet4_writer.h"
#include "word_list.h"
#include "words/jet/unicode.h"

namespace vorlix::wordbase {
namespace {

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

std::vector<WordPair> readWordList(const std::string& wordsPath)
{
    std::ifstream in(wordsPath, std::ios::binary);
    if (!in) throw BuildError(wordsPath + ": cannot be read");
    try {
        return parseWordList(in);
    } catch (const std::exception& e) {
        throw BuildError(wordsPath + ": " + e.what());
    }
}

jet4::TextTable wordTable(const std::vector<WordPair>& pairs)
{
    jet4::TextTable table{u"word", {u"category", u"english", u"spanish"}, {}};
    table.rows.reserve(pairs.size());
    for (const WordPair& pair : pairs) {
        table.rows.push_back({utf16(pair.category), utf16(pair.english), utf16(pair.spanish)});
    }
    return table;
}

void save(const std::string& outPath, const std::vector<jet4::Page>& pages)
{
    QSaveFile file(QString::fromStdString(outPath));
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

void buildWordDatabase(const std::string& wordsPath, const std::string& outPath, const std::string& password)
{
    const std::u16string key = checkedPassword(password);
    const std::vector<WordPair> pairs = readWordList(wordsPath);
    std::vector<jet4::Page> pages;
    try {
        pages = jet4::buildDatabase(wordTable(pairs), key);
    } catch (const std::exception& e) {
        throw BuildError(outPath + ": " + e.what());
    }
    save(outPath, pages);
}

}  // namespace vorlix::wordbase
