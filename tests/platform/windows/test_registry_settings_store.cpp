// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "platform/windows/registry_settings_store.h"
#include "platform/windows/scratch_current_user.h"

using namespace vorlix;
using vorlix::test::ScratchCurrentUser;

namespace {

const std::wstring kSection = L"Software\\VB and VBA Program Settings\\kestry\\vorlix1.0";

}  // namespace

class TestRegistrySettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesAreTextUnderTheProgramsSection()
    {
        ScratchCurrentUser user;
        QVERIFY(user.ready());
        RegistrySettingsStore store;
        QVERIFY(store.set("n", "5000"));
        QVERIFY(store.set("guage", "9"));
        QVERIFY(store.set("guage", "29"));
        const auto stored = user.value(kSection, L"guage");
        QCOMPARE(stored.type, DWORD(REG_SZ));
        QVERIFY(stored.text == L"29");
        QCOMPARE(store.get("n"), std::string("5000"));
        QCOMPARE(store.get("ce"), std::string());  // never written
        QVERIFY(store.set("ce", ""));
        QCOMPARE(user.value(kSection, L"ce").type, DWORD(REG_SZ));
    }

    void aMissingSectionReadsEmpty()
    {
        ScratchCurrentUser user;
        QVERIFY(user.ready());
        QCOMPARE(RegistrySettingsStore().get("xxx"), std::string());
    }

    // Values someone else wrote, in letters beyond ASCII, come back as the program's UTF-8.
    void textIsKeptWhole()
    {
        ScratchCurrentUser user;
        QVERIFY(user.ready());
        QVERIFY(user.setValue(kSection, L"xxx", L"a\u00f1o \u0416"));
        RegistrySettingsStore store;
        QCOMPARE(store.get("xxx"), std::string("a\xc3\xb1o \xd0\x96"));
        QVERIFY(store.set("xxx", "\xc2\xbfqu\xc3\xa9?"));
        QVERIFY(user.value(kSection, L"xxx").text == L"\u00bfqu\u00e9?");
    }

    void aRefusedWriteIsReported()
    {
        ScratchCurrentUser user(true);
        QVERIFY(user.ready());
        RegistrySettingsStore store;
        QVERIFY(!store.set("n", "5000"));
        QCOMPARE(store.get("n"), std::string());
    }
};

QTEST_GUILESS_MAIN(TestRegistrySettingsStore)
#include "test_registry_settings_store.moc"
