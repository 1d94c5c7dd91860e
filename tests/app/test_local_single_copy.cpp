// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include "app/local_single_copy.h"

using namespace vorlix;

namespace {

QString uniqueKey()
{
    return QStringLiteral("test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate());
}

// The name under which Qt's lock files record their machine: only a lock of this machine is
// known stale when its process has gone.
QString lockHostName()
{
#ifdef _WIN32
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

}  // namespace

class TestLocalSingleCopy : public QObject {
    Q_OBJECT
private slots:
    void secondCopyActivatesTheFirst()
    {
        const QString key = uniqueKey();
        LocalSingleCopy first(key);
        QVERIFY(!first.anotherCopyRuns());
        QSignalSpy activated(&first, &LocalSingleCopy::activationRequested);

        LocalSingleCopy second(key);
        QVERIFY(second.anotherCopyRuns());
        second.activateRunningCopy();
        QVERIFY(activated.wait(3000));
        QCOMPARE(activated.count(), 1);
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
        const QString key = uniqueKey();
        {
            LocalSingleCopy first(key);
            QVERIFY(!first.anotherCopyRuns());
            first.release();
            LocalSingleCopy next(key);
            QVERIFY(!next.anotherCopyRuns());
        }
        // A lock left by a process that no longer runs, as a crash leaves it.
        const QString lockPath = QDir(QDir::tempPath()).filePath(QStringLiteral("vorlix1.0-%1.lock").arg(key));
        QFile stale(lockPath);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray("999999\n") + QCoreApplication::applicationName().toUtf8() + "\n" +
                    lockHostName().toUtf8() + "\n");
        stale.close();
        LocalSingleCopy afterCrash(key);
        QVERIFY(!afterCrash.anotherCopyRuns());
    }

    void activatingWithNoListenerGivesUp()
    {
        // A lock held with nobody listening (a copy still starting, or hung): the later copy
        // waits a bounded time and ends all the same.
        LocalSingleCopy nobody(uniqueKey());
        QElapsedTimer took;
        took.start();
        nobody.activateRunningCopy();
        QVERIFY(took.elapsed() < 10000);
    }
};

QTEST_GUILESS_MAIN(TestLocalSingleCopy)
#include "test_local_single_copy.moc"
