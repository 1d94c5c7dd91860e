// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include "app/startup_sequence.h"
#include "doubles/fake_single_copy.h"
#include "doubles/memory_settings_store.h"

using namespace vorlix;
using vorlix::test::FakeSingleCopy;
using vorlix::test::MemorySettingsStore;

namespace {

// A start-up over a program folder holding the test words as its reg.ocx.
struct Startup {
    QTemporaryDir folder;
    MemorySettingsStore store;
    int storeOpenings = 0;
    FakeSingleCopy singleCopy;
    Module1 settings;
    DataControl words;
    StartupSequence sequence{{singleCopy,
                              [this]() -> SettingsStore& {
                                  ++storeOpenings;
                                  return store;
                              },
                              settings, words, folder.path().toStdString(), '/', std::nullopt}};

    Startup() { QFile::copy(QStringLiteral(VORLIX_TEST_DB_DIR "/program_password.mdb"), folder.filePath("reg.ocx")); }
};

QStringList operationsOf(const MemorySettingsStore& store)
{
    QStringList operations;
    for (const std::string& operation : store.operations) operations << QString::fromStdString(operation);
    return operations;
}

const QStringList kLoad = {"get n", "get psave", "get ssave", "get ontop", "get guage", "get mark", "get xxx"};

}  // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private slots:
    // What the store sees, in order, and which query the word reader was started on; none for a
    // copy that is not to run. A copy whose place is held by one that does not answer runs.
    void theStoreIsReadOnlyByTheRunningCopyAndAfterItsFirstRunValues_data()
    {
        QTest::addColumn<bool>("anotherCopy");
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QString>("query");
        const QStringList firstRun =
            QStringList{"get xxx", "set n", "set psave", "set ssave", "set ontop", "set guage", "set mark", "set xxx"} +
            kLoad;
        const QString weather = "select * from word where category= 'Weather'";
        QTest::newRow("another copy runs") << true << true << QStringList() << QStringList() << QString();
        QTest::newRow("another copy does not answer") << true << false << QStringList() << firstRun << weather;
        QTest::newRow("first run") << false << false << QStringList() << firstRun << weather;
        QTest::newRow("earlier run") << false << false << QStringList{"xxx=1", "guage=0"}
                                     << QStringList{"get xxx"} + kLoad << "select * from word ";
    }
    void theStoreIsReadOnlyByTheRunningCopyAndAfterItsFirstRunValues()
    {
        QFETCH(bool, anotherCopy);
        QFETCH(bool, answers);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, operations);
        QFETCH(QString, query);
        Startup start;
        start.singleCopy.another = anotherCopy;
        start.singleCopy.answers = answers;
        for (const QString& value : stored)
            start.store.values[value.section('=', 0, 0).toStdString()] = value.section('=', 1).toStdString();

        const bool runs = !(anotherCopy && answers);
        QCOMPARE(start.sequence.run(), runs);
        QCOMPARE(start.singleCopy.activations, anotherCopy ? 1 : 0);
        QCOMPARE(start.storeOpenings, runs ? 1 : 0);
        QCOMPARE(operationsOf(start.store), operations);
        QVERIFY(start.sequence.settingsSaved());
        // The reader is already at work on the category the settings name, before any window.
        QCOMPARE(start.words.loading(), runs);
        QCOMPARE(QString::fromStdString(start.words.RecordSource), query);
        if (runs) QVERIFY2(start.words.Refresh(), start.words.detail().c_str());
    }

    // The program runs the sequence before the window exists; the window's Form_Load must not
    // run it again.
    void runsOnce()
    {
        Startup start;
        QVERIFY(start.sequence.run());
        const size_t operations = start.store.operations.size();
        QVERIFY(start.sequence.run());
        QCOMPARE(start.store.operations.size(), operations);
        QCOMPARE(start.storeOpenings, 1);

        Startup second;
        second.singleCopy.another = true;
        QVERIFY(!second.sequence.run());
        QVERIFY(!second.sequence.run());
        QCOMPARE(second.singleCopy.activations, 1);
    }
};

QTEST_GUILESS_MAIN(TestStartupSequence)
#include "test_startup_sequence.moc"
