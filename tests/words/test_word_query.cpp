// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "words/categories.h"
#include "words/word_query.h"

using namespace vorlix;

namespace {

Module1 withGuage(const std::string& guage)
{
    Module1 m;
    m.guage = guage;
    BuildWordQuery(m);
    return m;
}

}  // namespace

class TestWordQuery : public QObject {
    Q_OBJECT
private slots:
    void queryOfEveryCategory()
    {
        for (const Category& c : kCategories) {
            const Module1 m = withGuage(std::to_string(c.number));
            if (c.number == 0) {
                QCOMPARE(m.categoryFilter, std::string());
                QCOMPARE(wordRecordSource(m), std::string("select * from word "));
            } else {
                QCOMPARE(m.categoryFilter, "'" + std::string(c.name) + "'");
                QCOMPARE(wordRecordSource(m), "select * from word where category= '" + std::string(c.name) + "'");
            }
        }
    }

    void namesThatDifferFromTheirCaptions()
    {
        QCOMPARE(wordRecordSource(withGuage("29")), std::string("select * from word where category= 'Weather'"));
        QCOMPARE(wordRecordSource(withGuage("28")), std::string("select * from word where category= 'tempTime'"));
        QCOMPARE(wordRecordSource(withGuage("19")),
                 std::string("select * from word where category= 'Organizational chart'"));
        QCOMPARE(wordRecordSource(withGuage("9")),
                 std::string("select * from word where category= 'Electronics& Computers'"));
        QCOMPARE(shownCaption(kCategories[9]), std::string("Electronics& Computers"));
        QCOMPARE(shownCaption(kCategories[10]), std::string("Entertainment& Fashion"));
        QCOMPARE(shownCaption(kCategories[19]), std::string("Organizational"));
    }

    // Only the exact texts "0".."29" name a category; anything else is the first-run one, so the
    // query never compares against an empty filter.
    void guageThatNamesNoCategory_data()
    {
        QTest::addColumn<QString>("guage");
        for (const char* text : {"07", "abc", "", "30", "-1", " 5", "5 ", "1e1", "29.0", "+3"})
            QTest::newRow(text[0] ? text : "empty") << text;
    }
    void guageThatNamesNoCategory()
    {
        QFETCH(QString, guage);
        const Module1 m = withGuage(guage.toStdString());
        QCOMPARE(effectiveCategory(m.guage), 29);
        QCOMPARE(wordRecordSource(m), std::string("select * from word where category= 'Weather'"));
    }

    void databaseBesideTheProgram()
    {
        QCOMPARE(wordDatabaseName("/opt/vorlix", '/'), std::string("/opt/vorlix/reg.ocx"));
        QCOMPARE(wordDatabaseName("C:\\Tools", '\\'), std::string("C:\\Tools\\reg.ocx"));
        // A drive's root already ends in a separator; the second one stays.
        QCOMPARE(wordDatabaseName("C:\\", '\\'), std::string("C:\\\\reg.ocx"));
        QCOMPARE(wordConnect(), std::string(";pwd=Vbnk53917026"));
    }
};

QTEST_APPLESS_MAIN(TestWordQuery)
#include "test_word_query.moc"
