// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QProcess>

#include "platform/word_reader_limits.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace vorlix;

namespace {

// Wine keeps a job's other limits but not its memory limit.
bool underWine()
{
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

}  // namespace

class TestWordReaderLimits : public QObject {
    Q_OBJECT
private slots:
    // A damaged length can make the Jet library ask for memory without end: the reader is
    // refused more than its limit instead of crowding out the machine.
    void aHeldReaderCannotTakeMoreThanItsLimit()
    {
        if (underWine()) QSKIP("Wine does not enforce the memory limit of a job object");
        QProcess reader;
        reader.start(QStringLiteral(VORLIX_BIN_DIR "/greedy_word_reader"));
        QVERIFY(reader.waitForStarted());
        ReaderLeash leash;
        QVERIFY(leash.hold(reader.processId()));
        reader.write("\n");
        reader.closeWriteChannel();
        QVERIFY(reader.waitForFinished(60000));
        QVERIFY2(reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0,
                 reader.readAllStandardOutput().constData());
    }
};

QTEST_GUILESS_MAIN(TestWordReaderLimits)
#include "test_word_reader_limits.moc"
