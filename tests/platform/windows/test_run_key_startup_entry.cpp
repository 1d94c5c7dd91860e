// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "platform/windows/run_key_startup_entry.h"
#include "platform/windows/scratch_current_user.h"

using namespace vorlix;
using vorlix::test::ScratchCurrentUser;

namespace {

const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

class TestRunKeyStartupEntry : public QObject {
    Q_OBJECT
private slots:
    void addWritesTheProgramsPathAndRemoveDeletesIt()
    {
        ScratchCurrentUser user;
        QVERIFY(user.ready());
        RunKeyStartupEntry entry;
        QVERIFY(entry.remove());  // nothing there yet: still removed
        QVERIFY(user.setValue(kRun, L"vorlix1.0", L"C:\\Old place\\vorlix.exe"));
        QVERIFY(user.setValue(kRun, L"another program", L"C:\\another.exe"));

        QVERIFY(entry.add("C:\\Tools\\wordbar.exe"));
        const auto stored = user.value(kRun, L"vorlix1.0");
        QCOMPARE(stored.type, DWORD(REG_SZ));
        QVERIFY(stored.text == L"C:\\Tools\\wordbar.exe");

        // The shell splits an unquoted command line at its first blank.
        QVERIFY(
            entry.add("C:\\Users\\Ana Mar\xc3\xad"
                      "a\\AppData\\Local\\Programs\\Vorlix\\vorlix.exe"));
        QVERIFY(user.value(kRun, L"vorlix1.0").text ==
                L"\"C:\\Users\\Ana Mar\u00eda\\AppData\\Local\\Programs\\Vorlix\\vorlix.exe\"");

        QVERIFY(entry.remove());
        QCOMPARE(user.value(kRun, L"vorlix1.0").type, DWORD(0));
        QVERIFY(user.value(kRun, L"another program").text == L"C:\\another.exe");
    }

    void aRefusedChangeIsReported()
    {
        ScratchCurrentUser user(true);
        QVERIFY(user.ready());
        QVERIFY(!RunKeyStartupEntry().add("C:\\Tools\\wordbar.exe"));
    }
};

QTEST_GUILESS_MAIN(TestRunKeyStartupEntry)
#include "test_run_key_startup_entry.moc"
