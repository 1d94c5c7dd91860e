// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include "platform/local_single_copy.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/file.h>
#include <unistd.h>

#include "platform/linux/session_platform.h"
#endif

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
    void init()
    {
        // Every copy here keeps its lock in the test's own folders, never in the machine's.
        QVERIFY(home_.isValid());
        qputenv("XDG_RUNTIME_DIR", home_.filePath(QStringLiteral("run")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", home_.filePath(QStringLiteral("cache")).toLocal8Bit());
        QVERIFY(QDir().mkpath(home_.filePath(QStringLiteral("run"))));
        QVERIFY(QFile::setPermissions(home_.filePath(QStringLiteral("run")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // The running copy answers from the moment it holds the lock; its window comes forward once it
    // is there.
    void secondCopyActivatesTheFirst()
    {
        const std::string key = uniqueKey();
        LocalSingleCopy first(key);
        QVERIFY(!first.anotherCopyRuns());

        LocalSingleCopy second(key);
        QVERIFY(second.anotherCopyRuns());
        QVERIFY(second.activateRunningCopy());
        int activated = 0;
        first.onActivation([&activated] { ++activated; });
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

    // Whatever holds the lock without answering (a process stopped, or not the program at all),
    // the later copy is told so within a bounded wait, and starts.
    void aLockNobodyAnswersForLetsTheCopyStart()
    {
        const std::string key = uniqueKey();
        const std::string name = "vorlix1.0-" + key;
#ifdef _WIN32
        const HANDLE held =
            CreateMutexW(nullptr, FALSE, QString::fromStdString("Local\\" + name).toStdWString().c_str());
        QVERIFY(held);
        const auto release = qScopeGuard([held] { CloseHandle(held); });
#else
        QFile lock(home_.filePath(QStringLiteral("run/%1.lock").arg(QString::fromStdString(name))));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        QCOMPARE(flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
#endif
        LocalSingleCopy later(key);
        QVERIFY(later.anotherCopyRuns());
        QElapsedTimer took;
        took.start();
        QVERIFY(!later.activateRunningCopy());
        QVERIFY(took.elapsed() < 10000);
    }

#ifndef _WIN32
    // A copy killed outright leaves its lock file and socket behind: only a live process holds
    // the lock, and the socket is made anew.
    void filesLeftByADeadCopyDoNotBlock()
    {
        const std::string key = uniqueKey();
        const QString left = home_.filePath(QStringLiteral("run/vorlix1.0-%1").arg(QString::fromStdString(key)));
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
        QVERIFY(later.activateRunningCopy());
        QTRY_COMPARE_WITH_TIMEOUT(activated, 1, 3000);
    }

    // The lock and the socket go only into a folder that is the user's alone: one others may enter,
    // a link, or one of another user's is not used.
    void onlyAFolderOfTheUsersAloneHoldsTheLock_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<bool>("otherOwner");
        QTest::addColumn<bool>("used");
        QTest::newRow("the user's alone") << "mkdir -m 700 F" << false << true;
        QTest::newRow("others may enter") << "mkdir -m 755 F" << false << false;
        QTest::newRow("others may write") << "mkdir -m 1777 F" << false << false;
        QTest::newRow("a link to the user's own") << "mkdir -m 700 G && ln -s G F" << false << false;
        QTest::newRow("another user's") << "mkdir -m 700 F" << true << false;
    }
    void onlyAFolderOfTheUsersAloneHoldsTheLock()
    {
        QFETCH(QString, make);
        QFETCH(bool, otherOwner);
        QFETCH(bool, used);
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute(QStringLiteral("sh"), {"-c", "cd '" + dir.path() + "' && " + make}), 0);
        const int folder = openPrivateFolder(dir.filePath(QStringLiteral("F")).toStdString(), geteuid() + otherOwner);
        QCOMPARE(folder >= 0, used);
        if (folder >= 0) close(folder);
    }
#endif

    // The lock belongs to the user, not to the temporary folder a start was given: two copies of
    // one user meet wherever their folders are, the one brings the other forward, and a runtime
    // folder that is not the user's alone is passed over for one that is.
    void copiesOfOneUserMeetWhateverTheirFolders_data()
    {
        QTest::addColumn<QString>("runtimeFolder");
        QTest::addColumn<bool>("otherRuntimeFolder");
        QTest::addColumn<bool>("otherTemporaryFolder");
        QTest::addColumn<bool>("meet");
        QTest::newRow("another temporary folder") << "run" << false << true << true;
#ifndef _WIN32
        QTest::newRow("another runtime folder") << "run" << true << false << false;
        QTest::newRow("no runtime folder") << QString() << false << true << true;
        QTest::newRow("a runtime folder others may enter") << "shared" << false << true << true;
        QTest::newRow("a long runtime folder path") << QString(150, u'r') << false << false << true;
#endif
    }
    void copiesOfOneUserMeetWhateverTheirFolders()
    {
        QFETCH(QString, runtimeFolder);
        QFETCH(bool, otherRuntimeFolder);
        QFETCH(bool, otherTemporaryFolder);
        QFETCH(bool, meet);
        for (const QString& folder : {runtimeFolder, runtimeFolder + "2"}) {
            if (runtimeFolder.isEmpty()) break;
            QVERIFY(QDir().mkpath(home_.filePath(folder)));
            const bool shared = runtimeFolder == "shared";
            QVERIFY(QFile::setPermissions(home_.filePath(folder),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              (shared ? QFile::ReadOther | QFile::ExeOther : QFile::Permissions())));
        }
        QTemporaryDir temporary[2];
        // The copy's folders, as its environment gives them.
        auto startCopy = [&](const std::string& key, bool otherRuntime, bool otherTemporary) {
            const auto runtime = setVariable(
                "XDG_RUNTIME_DIR",
                runtimeFolder.isEmpty() ? QString() : home_.filePath(runtimeFolder + (otherRuntime ? "2" : "")));
            const QString temporaryFolder = temporary[otherTemporary].path();
            const auto tmpdir = setVariable("TMPDIR", temporaryFolder), tmp = setVariable("TMP", temporaryFolder),
                       temp = setVariable("TEMP", temporaryFolder);
            auto copy = std::make_unique<LocalSingleCopy>(key);
            // The folders are looked at here.
            copy->anotherCopyRuns();
            return copy;
        };
        const std::string key = uniqueKey();
        const auto first = startCopy(key, false, false);
        int activated = 0;
        first->onActivation([&activated] { ++activated; });
        const auto second = startCopy(key, otherRuntimeFolder, otherTemporaryFolder);
        QCOMPARE(second->anotherCopyRuns(), meet);
        if (runtimeFolder == "shared") QVERIFY(QDir(home_.filePath(runtimeFolder)).isEmpty());
        if (!meet) return;
        QVERIFY(second->activateRunningCopy());
        QTRY_COMPARE_WITH_TIMEOUT(activated, 1, 3000);
    }

private:
    QTemporaryDir home_;
};

QTEST_GUILESS_MAIN(TestLocalSingleCopy)
#include "test_local_single_copy.moc"
