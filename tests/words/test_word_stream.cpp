// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "words/recordset.h"
#include "words/word_stream.h"
#include "words/word_stream_receiver.h"

using namespace vorlix;

namespace {

std::string streamOf(const std::vector<std::vector<std::string>>& rows)
{
    const char* columns[] = {"category", "english", "spanish"};
    std::string stream;
    word_stream::appendHeader(stream, columns);
    for (const auto& row : rows) {
        std::vector<const char*> values;
        for (const std::string& value : row) values.push_back(value.c_str());
        word_stream::appendRow(stream, values);
    }
    return stream;
}

// The rows the program makes of a stream that reaches it in two pieces, split at `cut`.
std::vector<std::vector<std::string>> takeInTwo(const std::string& stream, size_t cut, bool& whole)
{
    WordStreamReceiver receiver;
    receiver.take(std::string_view(stream).substr(0, cut));
    receiver.take(std::string_view(stream).substr(cut));
    whole = receiver.whole();
    std::vector<std::vector<std::string>> rows;
    Recordset& set = receiver.recordset();
    for (set.MoveFirst(); !set.eof(); set.MoveNext()) {
        auto& row = rows.emplace_back();
        for (const char* column : {"category", "english", "spanish"})
            row.emplace_back(set.value(set.columnIndex(column)));
    }
    return rows;
}

}  // namespace

class TestWordStream : public QObject {
    Q_OBJECT
private slots:
    // A pipe hands the stream over in pieces of any size: every split gives the same rows.
    void rowsSurviveAnySplit()
    {
        const std::vector<std::vector<std::string>> rows = {
            {"Weather", "rain", "la lluvia"}, {"Weather", "", "vacío"}, {"Emoji", "smile 😀", "sonrisa"}};
        const std::string stream = streamOf(rows);
        for (size_t cut = 0; cut <= stream.size(); ++cut) {
            bool whole = false;
            QCOMPARE(takeInTwo(stream, cut, whole), rows);
            QVERIFY(whole);
        }
    }

    void aRowCutShortIsNotARow()
    {
        const std::string stream = streamOf({{"Weather", "rain", "la lluvia"}, {"Weather", "snow", "la nieve"}});
        for (const std::string_view cutAt : {"snow", "nieve"}) {
            WordStreamReceiver receiver;
            receiver.take(std::string_view(stream).substr(0, stream.find(cutAt)));
            QCOMPARE(receiver.recordset().RecordCount(), size_t(1));
            QVERIFY(!receiver.whole());
        }
    }

    void onlyAWholeHeaderIsAHeader_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("count only") << QByteArray("3\0", 2);
        QTest::newRow("two of three names") << QByteArray("3\0a\0b\0", 6);
        QTest::newRow("a reader's message") << QByteArray("damaged Access database: /x/reg.ocx (truncated)");
        QTest::newRow("no count") << QByteArray("\0a\0", 3);
        QTest::newRow("zero columns") << QByteArray("0\0", 2);
        QTest::newRow("count with sign") << QByteArray("-1\0a\0", 5);
        QTest::newRow("count with tail") << QByteArray("1x\0a\0", 5);
        QTest::newRow("a garbled huge count") << QByteArray("99999999999999999999999\0a\0", 26);
    }
    void onlyAWholeHeaderIsAHeader()
    {
        QFETCH(QByteArray, stream);
        QVERIFY(!word_stream::parseHeader(std::string_view(stream.constData(), size_t(stream.size()))));
    }

    void columnsByNameInAnyCase()
    {
        Recordset set({"category", "english", "spanish"});
        set.appendFields(std::string_view("Weather\0rain\0la lluvia\0", 23));
        QCOMPARE(set.value(set.columnIndex("SPANISH")), std::string_view("la lluvia"));
        QCOMPARE(set.columnIndex("missing"), -1);
        QCOMPARE(set.value(-1), std::string_view());
        QCOMPARE(set.value(3), std::string_view());
        set.MoveNext();
        QVERIFY(set.eof());
        QCOMPARE(set.value(0), std::string_view());
    }
};

QTEST_APPLESS_MAIN(TestWordStream)
#include "test_word_stream.moc"
