// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "words/rotation.h"
#include "words/word_stream.h"

using namespace vorlix;

namespace {

Recordset rowsOf(const std::vector<std::string>& words)
{
    Recordset set({"category", "english", "spanish"});
    for (const std::string& w : words) {
        const std::string spanish = w + "-es";
        const char* row[] = {"Weather", w.c_str(), spanish.c_str()};
        std::string stream;
        word_stream::appendRow(stream, row);
        set.appendFields(stream);
    }
    return set;
}

// What the window shows at start and after each of `ticks` ticks, one letter a word.
std::string walked(Recordset& set, const KnownWords& known, Day today, int ticks)
{
    const int english = set.columnIndex("english");
    std::string out(set.value(english));
    for (int i = 0; i < ticks; ++i) {
        if (moveToNextDueWord(set, known, today)) out += set.value(english);
    }
    return out;
}

}  // namespace

class TestRotation : public QObject {
    Q_OBJECT
private slots:
    // The walk from the start over one-letter words, with `known` marked on the first day and
    // walked `daysLater`.
    void walk_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("known");
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three rows wrap to the first") << "ABC"
                                                      << "" << 0 << "ABCABCAB";
        QTest::newRow("two rows") << "AB"
                                  << "" << 0 << "ABABA";
        QTest::newRow("one row") << "A"
                                 << "" << 0 << "AAAA";
        QTest::newRow("a known pair is passed over") << "ABC"
                                                     << "B" << 0 << "ACACA";
        QTest::newRow("the same pair in two rows") << "ABAC"
                                                   << "A" << 0 << "ABCBC";
        QTest::newRow("once its day has come it shows") << "ABC"
                                                        << "B" << 1 << "ABCAB";
        QTest::newRow("all known: as if none were") << "ABC"
                                                    << "ABC" << 0 << "ABCABCAB";
    }
    void walk()
    {
        QFETCH(QString, rows);
        QFETCH(QString, known);
        QFETCH(int, daysLater);
        QFETCH(QString, shown);
        std::vector<std::string> words;
        for (const QChar row : rows) words.emplace_back(1, row.toLatin1());
        Recordset set = rowsOf(words);
        const Day first{std::chrono::days{20000}};
        KnownWords marks;
        for (const QChar word : known)
            marks.mark(std::string(1, word.toLatin1()), word.toLatin1() + std::string("-es"), first);
        QCOMPARE(walked(set, marks, first + std::chrono::days{daysLater}, int(shown.size()) - 1), shown.toStdString());
    }

    void noRowsLeavesNothingToShow()
    {
        Recordset none = rowsOf({});
        QVERIFY(none.eof());
        QVERIFY(!moveToNextWord(none));
        QVERIFY(none.eof());
        QCOMPARE(none.value(none.columnIndex("english")), std::string_view());
    }

    // A set left past its end (as a paused walk may find it) starts again at the first row.
    void pastTheEndResumesAtTheFirstRow()
    {
        Recordset set = rowsOf({"A", "B"});
        set.MoveNext();
        set.MoveNext();
        QVERIFY(set.eof());
        QVERIFY(moveToNextWord(set));
        QCOMPARE(set.value(set.columnIndex("english")), std::string_view("A"));
    }
};

QTEST_APPLESS_MAIN(TestRotation)
#include "test_rotation.moc"
