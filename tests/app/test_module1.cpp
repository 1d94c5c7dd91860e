// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "app/module1.h"
#include "doubles/memory_settings_store.h"

using namespace vorlix;
using vorlix::test::MemorySettingsStore;

using Keys = std::vector<std::string>;
using Writes = std::vector<std::pair<std::string, std::string>>;

class TestModule1 : public QObject {
    Q_OBJECT
private slots:
    void firstRunWritesSevenKeysInOrder()
    {
        MemorySettingsStore store;
        QVERIFY(InitDefaultSettings(store));
        const Writes expected = {{"n", "5000"},   {"psave", "1"}, {"ssave", "1"}, {"ontop", "1"},
                                 {"guage", "29"}, {"mark", "0"},  {"xxx", "1"}};
        QCOMPARE(store.writes, expected);
    }

    void loadReadsStoredValues()
    {
        MemorySettingsStore store;
        store.values = {{"n", "12000"}, {"psave", "0"}, {"ssave", "0"}, {"ontop", "2"},
                        {"guage", "0"}, {"mark", "1"},  {"xxx", "0"}};
        Module1 m;
        LoadSettings(store, m);
        QCOMPARE(m.n, int16_t(12000));
        QCOMPARE(m.psave, int16_t(0));
        QCOMPARE(m.ssave, int16_t(0));
        QCOMPARE(m.ontop, int16_t(2));
        QCOMPARE(m.guage, std::string("0"));
        QCOMPARE(m.mark, int16_t(1));
        QCOMPARE(m.xxx, std::string("0"));
        QVERIFY(store.writes.empty());
    }

    void badNumbersFallBackToFirstRunValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << QString();
        QTest::newRow("empty") << "";
        QTest::newRow("word") << "abc";
        QTest::newRow("blank inside") << "1 0";
        QTest::newRow("plus sign") << "+7";
        QTest::newRow("fraction") << "1.5";
        QTest::newRow("hex") << "0x10";
        QTest::newRow("over 16 bits") << "32768";
        QTest::newRow("under 16 bits") << "-32769";
        QTest::newRow("huge") << QString(5000, QChar('9'));
    }
    void badNumbersFallBackToFirstRunValues()
    {
        QFETCH(QString, text);
        MemorySettingsStore store;
        store.values["xxx"] = "1";
        if (!text.isNull()) {
            for (const char* key : {"n", "psave", "ssave", "ontop", "mark"}) store.values[key] = text.toStdString();
        }
        Module1 m;
        m.n = m.psave = m.ssave = m.ontop = m.mark = 77;
        LoadSettings(store, m);
        QCOMPARE(m.n, int16_t(5000));
        QCOMPARE(m.psave, int16_t(1));
        QCOMPARE(m.ssave, int16_t(1));
        QCOMPARE(m.ontop, int16_t(1));
        QCOMPARE(m.mark, int16_t(0));
    }

    void displayTimeMustBePositive()
    {
        for (const char* text : {"0", "-1", "-32768"}) {
            MemorySettingsStore store;
            store.values = {{"xxx", "1"}, {"n", text}};
            Module1 m;
            LoadSettings(store, m);
            QCOMPARE(m.n, int16_t(5000));
        }
        MemorySettingsStore edge;
        edge.values = {{"xxx", "1"}, {"n", "32767"}, {"ontop", "-32768"}};
        Module1 m;
        LoadSettings(edge, m);
        QCOMPARE(m.n, int16_t(32767));
        QCOMPARE(m.ontop, int16_t(-32768));
    }

    void fullSaveOrderAndConstants()
    {
        MemorySettingsStore store;
        Module1 m;
        m.n = 7000;
        m.psave = -3;  // read at start, written back unchanged
        m.ssave = 1;
        m.ontop = 0;
        m.guage = "07";
        m.mark = 1;
        m.xxx = "0";
        QVERIFY(SaveAllSettings(store, m));
        const Writes expected = {{"ce", ""},     {"n", "7000"},   {"rd", ""},    {"ontop", "0"}, {"psave", "-3"},
                                 {"ssave", "1"}, {"guage", "07"}, {"mark", "1"}, {"xxx", "1"},   {"sspeed", ""}};
        QCOMPARE(store.writes, expected);
    }

    void ssaveOnlyWritesOneKey()
    {
        MemorySettingsStore store;
        Module1 m;
        m.ssave = 0;
        QVERIFY(SaveSsaveOnly(store, m));
        QCOMPARE(store.writes, (Writes{{"ssave", "0"}}));
    }

    void refusedWritesAreReportedAndAllAttempted()
    {
        MemorySettingsStore store;
        store.refuseWrites = true;
        QVERIFY(!InitDefaultSettings(store));
        QCOMPARE(store.writes.size(), size_t(7));
        store.writes.clear();
        QVERIFY(!SaveAllSettings(store, Module1{}));
        QCOMPARE(store.writes.size(), size_t(10));
        QVERIFY(!SaveSsaveOnly(store, Module1{}));
        QVERIFY(store.values.empty());
    }
};

QTEST_APPLESS_MAIN(TestModule1)
#include "test_module1.moc"
