// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include "platform/local_single_copy.h"

using namespace vorlix;

namespace {

std::string uniqueKey()
{
    return QStringLiteral("test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate())
        .toStdString();
}

// Sets an environment variable (a null value unsets it) until the guard it returns goes.
auto setVariable(const char* name, const QString& value)
{
    auto restore = qScopeGuard([name, old = qgetenv(name), had = qEnvironmentVariableIsSet(name)] {
        had ? qputenv(name, old) : qunsetenv(name);
    });
    value.isNull() ? qunsetenv(name) : qputenv(name, value.toLocal8Bit());
    return restore;
}

}  // namespace

class TestLocalSingleCopy : public QObject {
    Q_OBJECT
private slots:
    void secondCopyActivatesTheFirst()
    {
        const std::string key = uniqueKey();
        LocalSingleCopy first(key);
        QVERIFY(!first.anotherCopyRuns());
        int activated = 0;
        first.onActivation([&activated] { ++activated; });

        LocalSingleCopy second(key);
        QVERIFY(second.anotherCopyRuns());
        second.activateRunningCopy();
        QTRY_COMPARE_WITH_TIMEOUT(activated, 1, 3000);
        QTest::qWait(100);
        QCOMPARE(activated, 1);
    }

    void copiesOfOtherStoresDoNotMeet()
    {
        LocalSingleCopy one(uniqueKey());
        LocalSingleCopy other(uniqueKey());
        QVERIFY(!one.anotherCopyRuns());
        QVERIFY(!other.anotherCopyRuns());
    }

    void releasedOrDeadCopiesDoNotBlock()
    {
        const std::string key = uniqueKey();
        {
            LocalSingleCopy first(key);
            QVERIFY(!first.anotherCopyRuns());
        }
        LocalSingleCopy next(key);
        QVERIFY(!next.anotherCopyRuns());
    }

#ifndef _WIN32
    // A copy killed outright leaves its lock file and socket behind: only a live process holds
    // the lock, and the socket is made anew.
    void filesLeftByADeadCopyDoNotBlock()
    {
        QTemporaryDir runtime;
        const auto runtimeFolder = setVariable("XDG_RUNTIME_DIR", runtime.path());
        const std::string key = uniqueKey();
        const QString left = runtime.filePath(QStringLiteral("vorlix1.0-%1").arg(QString::fromStdString(key)));
        for (const QString& suffix : {QStringLiteral(".lock"), QStringLiteral(".socket")}) {
            QFile file(left + suffix);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("999999\n");
        }
        LocalSingleCopy afterCrash(key);
        QVERIFY(!afterCrash.anotherCopyRuns());
        int activated = 0;
        afterCrash.onActivation([&activated] { ++activated; });
        LocalSingleCopy later(key);
        QVERIFY(later.anotherCopyRuns());
        later.activateRunningCopy();
        QTRY_COMPARE_WITH_TIMEOUT(activated, 1, 3000);
    }
#endif

    void activatingWithNoListenerGivesUp()
    {
        // A lock held with nobody listening (a copy still starting, or hung): the later copy
        // waits a bounded time and ends all the same.
        const std::string key = uniqueKey();
        LocalSingleCopy starting(key);
        QVERIFY(!starting.anotherCopyRuns());
        LocalSingleCopy later(key);
        QVERIFY(later.anotherCopyRuns());
        QElapsedTimer took;
        took.start();
        later.activateRunningCopy();
        QVERIFY(took.elapsed() < 10000);
    }

    // The lock belongs to the user's log-on, not to the temporary folder a start was given.
    void copiesOfOneUserMeetWhateverTheirTemporaryFolder_data()
    {
        QTest::addColumn<bool>("runtimeFolderSet");
        QTest::addColumn<bool>("otherRuntimeFolder");
        QTest::addColumn<bool>("otherTemporaryFolder");
        QTest::addColumn<bool>("meet");
        QTest::newRow("another temporary folder") << true << false << true << true;
#ifndef _WIN32
        QTest::newRow("another runtime folder") << true << true << false << false;
        // Both take Qt's stand-in for the runtime folder.
        QTest::newRow("no runtime folder") << false << false << false << true;
#endif
    }
    void copiesOfOneUserMeetWhateverTheirTemporaryFolder()
    {
        QFETCH(bool, runtimeFolderSet);
        QFETCH(bool, otherRuntimeFolder);
        QFETCH(bool, otherTemporaryFolder);
        QFETCH(bool, meet);
        QTemporaryDir runtime[2], temporary[2];
        // The copy's folders, as its environment gives them.
        auto startCopy = [&](const std::string& key, int runtimeIndex, int temporaryIndex) {
            const auto folder =
                setVariable("XDG_RUNTIME_DIR", runtimeFolderSet ? runtime[runtimeIndex].path() : QString());
            const QString temporaryFolder = temporary[temporaryIndex].path();
            const auto tmpdir = setVariable("TMPDIR", temporaryFolder), tmp = setVariable("TMP", temporaryFolder),
                       temp = setVariable("TEMP", temporaryFolder);
            return std::make_unique<LocalSingleCopy>(key);
        };
        const std::string key = uniqueKey();
        const auto first = startCopy(key, 0, 0);
        QVERIFY(!first->anotherCopyRuns());
        const auto second = startCopy(key, otherRuntimeFolder ? 1 : 0, otherTemporaryFolder ? 1 : 0);
        QCOMPARE(second->anotherCopyRuns(), meet);
    }
};

QTEST_GUILESS_MAIN(TestLocalSingleCopy)
#include "test_local_single_copy.moc"
