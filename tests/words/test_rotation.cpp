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

// What the window shows at start and after each of `ticks` ticks.
std::vector<std::string> walked(Recordset& set, const KnownWords& known, Day today, int ticks)
{
    const int english = set.columnIndex("english");
    std::vector<std::string> out{std::string(set.value(english))};
    for (int i = 0; i < ticks; ++i) {
        if (moveToNextDueWord(set, known, today)) out.emplace_back(set.value(english));
    }
    return out;
}

}  // namespace

class TestRotation : public QObject {
    Q_OBJECT
private slots:
    // The walk from the start, with `known` marked on the first day and walked `daysLater`.
    void walk_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<QStringList>("shown");
        const QStringList abc{"A", "B", "C"};
        QTest::newRow("three rows wrap to the first")
            << abc << QStringList() << 0 << QStringList{"A", "B", "C", "A", "B", "C", "A", "B"};
        QTest::newRow("two rows") << QStringList{"A", "B"} << QStringList() << 0
                                  << QStringList{"A", "B", "A", "B", "A"};
        QTest::newRow("one row") << QStringList{"A"} << QStringList() << 0 << QStringList{"A", "A", "A", "A"};
        QTest::newRow("a known pair is passed over")
            << abc << QStringList{"B"} << 0 << QStringList{"A", "C", "A", "C", "A"};
        QTest::newRow("the same pair in two rows")
            << QStringList{"A", "B", "A", "C"} << QStringList{"A"} << 0 << QStringList{"A", "B", "C", "B", "C"};
        QTest::newRow("once its day has come it shows")
            << abc << QStringList{"B"} << 1 << QStringList{"A", "B", "C", "A", "B"};
        QTest::newRow("all known: as if none were")
            << abc << abc << 0 << QStringList{"A", "B", "C", "A", "B", "C", "A", "B"};
    }
    void walk()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, known);
        QFETCH(int, daysLater);
        QFETCH(QStringList, shown);
        std::vector<std::string> words;
        for (const QString& row : rows) words.push_back(row.toStdString());
        Recordset set = rowsOf(words);
        const Day first{std::chrono::days{20000}};
        KnownWords marks;
        for (const QString& word : known) marks.mark(word.toStdString(), word.toStdString() + "-es", first);
        std::vector<std::string> expected;
        for (const QString& word : shown) expected.push_back(word.toStdString());
        QCOMPARE(walked(set, marks, first + std::chrono::days{daysLater}, int(shown.size()) - 1), expected);
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
