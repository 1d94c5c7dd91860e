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
std::vector<std::string> shown(Recordset& set, int ticks)
{
    const int english = set.columnIndex("english");
    std::vector<std::string> out{std::string(set.value(english))};
    for (int i = 0; i < ticks; ++i) {
        if (moveToNextWord(set)) out.emplace_back(set.value(english));
    }
    return out;
}

}  // namespace

class TestRotation : public QObject {
    Q_OBJECT
private slots:
    void wrapsToTheFirstRowWithoutAnEmptyTick()
    {
        Recordset three = rowsOf({"A", "B", "C"});
        QCOMPARE(shown(three, 7), (std::vector<std::string>{"A", "B", "C", "A", "B", "C", "A", "B"}));
        Recordset two = rowsOf({"A", "B"});
        QCOMPARE(shown(two, 4), (std::vector<std::string>{"A", "B", "A", "B", "A"}));
        Recordset one = rowsOf({"A"});
        QCOMPARE(shown(one, 3), (std::vector<std::string>{"A", "A", "A", "A"}));
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
