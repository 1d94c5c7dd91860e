// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include <future>
#include <memory>
#include <thread>

#include "platform/local_single_copy.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/file.h>
#include <unistd.h>

#include "platform/linux/user_folders.h"
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

// A later start's request, made from a thread of its own as from a process of its own, while the
// running copy answers in this thread's event loop (QTRY_ runs it).
std::future<bool> requestFromElsewhere(LocalSingleCopy& later)
{
    return std::async(std::launch::async, [&later] { return later.activateRunningCopy(); });
}

// Whether `later`'s request brings `running` forward once, and `later` hears that it did.
bool requestReaches(LocalSingleCopy& running, LocalSingleCopy& later)
{
    int activated = 0;
    running.onActivation([&activated] { ++activated; });
    auto answered = requestFromElsewhere(later);
    return QTest::qWaitFor([&activated] { return activated == 1; }, 3000) && answered.get();
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
        auto answered = requestFromElsewhere(second);
        QThread::msleep(100);
        int activated = 0;
        first.onActivation([&activated] { ++activated; });
        QTRY_COMPARE_WITH_TIMEOUT(activated, 1, 3000);
        QVERIFY(answered.get());
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
    // the later copy is told so within a bounded wait, and starts; it then answers in its place.
    void aLockNobodyAnswersForLetsTheCopyStart_data()
    {
        QTest::addColumn<bool>("takesRequests");
        QTest::newRow("nothing takes requests") << false;
        QTest::newRow("a copy that never answers them") << true;
    }
    void aLockNobodyAnswersForLetsTheCopyStart()
    {
        QFETCH(bool, takesRequests);
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
        // A copy of its own thread that is never let take a request, as a stopped or hung one.
        std::promise<void> started, end;
        std::thread stalled;
        if (takesRequests) {
            stalled = std::thread([&] {
                LocalSingleCopy copy(key);
                copy.anotherCopyRuns();
                copy.activateRunningCopy();
                started.set_value();
                end.get_future().wait();
            });
            started.get_future().wait();
        }
        const auto stop = qScopeGuard([&] {
            if (!stalled.joinable()) return;
            end.set_value();
            stalled.join();
        });

        LocalSingleCopy later(key);
        QVERIFY(later.anotherCopyRuns());
        QElapsedTimer took;
        took.start();
        QVERIFY(!later.activateRunningCopy());
        QVERIFY(took.elapsed() < 10000);

        LocalSingleCopy third(key);
        QVERIFY(third.anotherCopyRuns());
        QVERIFY(requestReaches(later, third));
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
        LocalSingleCopy later(key);
        QVERIFY(later.anotherCopyRuns());
        QVERIFY(requestReaches(afterCrash, later));
    }

    // The lock and the socket go only into a folder that is the user's alone: one others may enter,
    // a link, or one of another user's is not used. The program's own folder is made where it is
    // missing, and closed to others where another tool left it open, rather than passed over.
    void onlyAFolderOfTheUsersAloneHoldsTheLock_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<bool>("otherOwner");
        QTest::addColumn<bool>("programsOwn");
        QTest::addColumn<bool>("used");
        QTest::newRow("the user's alone") << "mkdir -m 700 F" << false << false << true;
        QTest::newRow("others may enter") << "mkdir -m 755 F" << false << false << false;
        QTest::newRow("others may write") << "mkdir -m 1777 F" << false << false << false;
        QTest::newRow("a link to the user's own") << "mkdir -m 700 G && ln -s G F" << false << false << false;
        QTest::newRow("another user's") << "mkdir -m 700 F" << true << false << false;
        QTest::newRow("the program's own, missing") << "true" << false << true << true;
        QTest::newRow("the program's own, left open") << "mkdir -m 755 F" << false << true << true;
    }
    void onlyAFolderOfTheUsersAloneHoldsTheLock()
    {
        QFETCH(QString, make);
        QFETCH(bool, otherOwner);
        QFETCH(bool, programsOwn);
        QFETCH(bool, used);
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute(QStringLiteral("sh"), {"-c", "cd '" + dir.path() + "' && " + make}), 0);
        const std::string path = dir.filePath(QStringLiteral("F")).toStdString();
        const int folder = (programsOwn ? openOwnFolder : openPrivateFolder)(path, geteuid() + otherOwner);
        QCOMPARE(folder >= 0, used);
        if (folder < 0) return;
        close(folder);
        QCOMPARE(QFileInfo(QString::fromStdString(path)).permissions() & (QFile::ReadOther | QFile::ExeOther),
                 QFile::Permissions());
    }
#endif

    // The lock belongs to the user, not to the temporary folder a start was given: two copies of
    // one user meet wherever their folders are, the one brings the other forward, and a runtime
    // folder that is not the user's alone is passed over for one that is. Folders are named from
    // the test's home; "system" is the runtime folder the system makes for the user.
    void copiesOfOneUserMeetWhateverTheirFolders_data()
    {
        QTest::addColumn<QString>("firstRuntimeFolder");
        QTest::addColumn<QString>("secondRuntimeFolder");
        QTest::addColumn<bool>("otherTemporaryFolder");
        QTest::addColumn<bool>("meet");
        QTest::newRow("another temporary folder") << "run"
                                                  << "run" << true << true;
#ifndef _WIN32
        const QString system = QStringLiteral("system/%1").arg(geteuid());
        QTest::newRow("another runtime folder") << "run"
                                                << "run2" << false << false;
        QTest::newRow("no runtime folder") << QString() << QString() << true << true;
        QTest::newRow("a runtime folder others may enter") << "shared"
                                                           << "shared" << true << true;
        QTest::newRow("a long runtime folder path") << QString(150, u'r') << QString(150, u'r') << false << true;
        QTest::newRow("the system's runtime folder, then none") << system << QString() << false << true;
        QTest::newRow("none, then the system's runtime folder") << QString() << system << false << true;
#endif
    }
    void copiesOfOneUserMeetWhateverTheirFolders()
    {
        QFETCH(QString, firstRuntimeFolder);
        QFETCH(QString, secondRuntimeFolder);
        QFETCH(bool, otherTemporaryFolder);
        QFETCH(bool, meet);
        // The system's runtime folder is there only for the rows that name it.
        QVERIFY(QDir(home_.filePath(QStringLiteral("system"))).removeRecursively());
        for (const QString& folder : {firstRuntimeFolder, secondRuntimeFolder}) {
            if (folder.isEmpty()) continue;
            QVERIFY(QDir().mkpath(home_.filePath(folder)));
            const bool shared = folder == "shared";
            QVERIFY(QFile::setPermissions(home_.filePath(folder),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              (shared ? QFile::ReadOther | QFile::ExeOther : QFile::Permissions())));
        }
        QTemporaryDir temporary[2];
        // The copy's folders, as its environment gives them.
        auto startCopy = [&](const std::string& key, const QString& runtimeFolder, bool otherTemporary) {
            const auto runtime =
                setVariable("XDG_RUNTIME_DIR", runtimeFolder.isEmpty() ? QString() : home_.filePath(runtimeFolder));
            const QString temporaryFolder = temporary[otherTemporary].path();
            const auto tmpdir = setVariable("TMPDIR", temporaryFolder), tmp = setVariable("TMP", temporaryFolder),
                       temp = setVariable("TEMP", temporaryFolder);
            auto copy = makeCopy(key);
            // The folders are looked at here.
            copy->anotherCopyRuns();
            return copy;
        };
        const std::string key = uniqueKey();
        const auto first = startCopy(key, firstRuntimeFolder, false);
        const auto second = startCopy(key, secondRuntimeFolder, otherTemporaryFolder);
        QCOMPARE(second->anotherCopyRuns(), meet);
        if (firstRuntimeFolder == "shared") QVERIFY(QDir(home_.filePath(firstRuntimeFolder)).isEmpty());
        if (!meet) return;
        QVERIFY(requestReaches(*first, *second));
    }

private:
    // A copy that finds the system's runtime folders in the test's home, not in /run/user.
    std::unique_ptr<LocalSingleCopy> makeCopy(const std::string& key)
    {
#ifdef _WIN32
        return std::make_unique<LocalSingleCopy>(key);
#else
        return std::make_unique<LocalSingleCopy>(key, home_.filePath(QStringLiteral("system")).toStdString());
#endif
    }

    QTemporaryDir home_;
};

QTEST_GUILESS_MAIN(TestLocalSingleCopy)
#include "test_local_single_copy.moc"
