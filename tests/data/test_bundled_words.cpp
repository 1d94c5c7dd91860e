// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <fstream>
#include <map>
#include <set>

#include "word_list.h"
#include "words/categories.h"
#include "words/jet/jet_database.h"

using vorlix::wordbase::WordPair;

namespace {

const std::string kWordList = VORLIX_SOURCE_DIR "/data/words.tsv";
const std::string kBundledDatabase = VORLIX_BIN_DIR "/reg.ocx";
constexpr size_t kMinimumPairsPerCategory = 40;

// The numbers a learner counts through, in the English the list writes them.
const QStringList kCardinalsZeroToThirty = {
    "zero",         "one",         "two",          "three",       "four",        "five",       "six",
    "seven",        "eight",       "nine",         "ten",         "eleven",      "twelve",     "thirteen",
    "fourteen",     "fifteen",     "sixteen",      "seventeen",   "eighteen",    "nineteen",   "twenty",
    "twenty-one",   "twenty-two",  "twenty-three", "twenty-four", "twenty-five", "twenty-six", "twenty-seven",
    "twenty-eight", "twenty-nine", "thirty"};
const QStringList kOrdinalsFirstToTwentieth = {"first",     "second",      "third",      "fourth",     "fifth",
                                               "sixth",     "seventh",     "eighth",     "ninth",      "tenth",
                                               "eleventh",  "twelfth",     "thirteenth", "fourteenth", "fifteenth",
                                               "sixteenth", "seventeenth", "eighteenth", "nineteenth", "twentieth"};

std::vector<std::vector<std::string>> rowsOf(const std::vector<WordPair>& pairs)
{
    std::vector<std::vector<std::string>> rows;
    for (const WordPair& p : pairs) rows.push_back({p.category, p.english, p.spanish});
    return rows;
}

}  // namespace

class TestBundledWords : public QObject {
    Q_OBJECT

    std::vector<WordPair> pairs_;

private slots:
    void initTestCase()
    {
        std::ifstream in(kWordList, std::ios::binary);
        if (!in) QSKIP("data/words.tsv does not exist yet");
        const auto list = vorlix::wordbase::readWordList(std::string(std::istreambuf_iterator<char>(in), {}));
        // Not even a warning: every category is one the program offers, no pair comes twice.
        for (const auto& note : list.notes)
            QFAIL(qPrintable(QString("data/words.tsv:%1: %2").arg(note.line).arg(note.text.c_str())));
        pairs_ = list.pairs;
    }

    void everyCategoryHoldsEnoughDistinctWords()
    {
        std::map<std::string, std::vector<WordPair>> byCategory;
        for (const WordPair& p : pairs_) byCategory[p.category].push_back(p);

        std::set<std::string> known;
        for (const vorlix::Category& c : vorlix::kCategories) {
            if (c.number == vorlix::kAllCategories) continue;
            const std::string name(c.name);
            known.insert(name);
            const auto& words = byCategory[name];
            QVERIFY2(words.size() >= kMinimumPairsPerCategory,
                     qPrintable(QString("%1 holds %2 pairs").arg(name.c_str()).arg(words.size())));
            std::set<std::string> english;
            for (const WordPair& p : words) {
                QVERIFY2(english.insert(p.english).second,
                         qPrintable(QString("%1: \"%2\" twice").arg(name.c_str(), p.english.c_str())));
            }
        }
        // A row under any other name could never be shown, since the program only asks for these.
        for (const auto& [category, words] : byCategory) {
            QVERIFY2(known.count(category), qPrintable(QString("unknown category \"%1\"").arg(category.c_str())));
        }
    }

    void numberRunHasNoGaps_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("run");
        QTest::newRow("cardinals 0 to 30") << "Cardinal Numbers" << kCardinalsZeroToThirty;
        QTest::newRow("ordinals 1st to 20th") << "Ordinal numbers" << kOrdinalsFirstToTwentieth;
    }

    void numberRunHasNoGaps()
    {
        QFETCH(QString, category);
        QFETCH(QStringList, run);
        QStringList english;
        for (const WordPair& p : pairs_) {
            if (p.category == category.toStdString()) english << QString::fromStdString(p.english);
        }
        QStringList missing;
        for (const QString& number : run) {
            if (!english.contains(number)) missing << number;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(category + " lacks " + missing.join(", ")));
    }

    // "el ordenador / la computadora": Spain's word, then Latin America's (in Ordinal numbers, the
    // masculine, then the feminine). Anything else with a slash is a slip the reader would stumble on.
    void aSlashSeparatesExactlyTwoForms()
    {
        for (const WordPair& p : pairs_) {
            const std::string& value = p.spanish;
            const size_t slash = value.find('/');
            if (slash == std::string::npos) continue;
            const bool wellFormed = value.find('/', slash + 1) == std::string::npos && slash >= 2 &&
                                    slash + 2 < value.size() && value.compare(slash - 1, 3, " / ") == 0 &&
                                    value.find("  ") == std::string::npos;
            QVERIFY2(wellFormed, qPrintable(QString("%1: \"%2\"").arg(p.category.c_str(), p.spanish.c_str())));
        }
    }

    void bundledDatabaseHoldsTheListInOrder()
    {
        vorlix::jet::Database db(kBundledDatabase);
        QCOMPARE(db.password(), std::string(VORLIX_WORD_DB_PASSWORD));
        QCOMPARE(db.query("select * from word ").rows, rowsOf(pairs_));

        // The program's own query form for one category, its name holding '&' and a blank.
        std::vector<WordPair> electronics;
        std::copy_if(pairs_.begin(), pairs_.end(), std::back_inserter(electronics),
                     [](const WordPair& p) { return p.category == "Electronics& Computers"; });
        QCOMPARE(db.query("select * from word where category= 'Electronics& Computers'").rows, rowsOf(electronics));
    }
};

QTEST_GUILESS_MAIN(TestBundledWords)
#include "test_bundled_words.moc"
