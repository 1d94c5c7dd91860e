// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QTemporaryDir>

#include "platform/linux/ini_settings_store.h"
#include "platform/platform.h"

using namespace vorlix;

class TestIniSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void livesUnderTheUsersConfigFolder()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const std::unique_ptr<SettingsStore> store = makeSettingsStore();
        QCOMPARE(store->get("xxx"), std::string());
        QVERIFY(store->set("n", "5000"));
        // Synced at once: the file holds the value before anything else happens.
        QFile file(config.filePath("kestry/vorlix1.0.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("n=5000"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void valuesReadBackAsWritten()
    {
        QTemporaryDir config;
        const QString path = config.filePath("kestry/vorlix1.0.ini");
        {
            IniSettingsStore store(path);
            for (const char* text : {"", "-32768", "0", "29", "a=b;c", "ä ñ 雨", "  padded  ", "line\nbreak"})
                QVERIFY(store.set(text[0] ? text : "empty", text));
        }
        IniSettingsStore again(path);
        for (const char* text : {"", "-32768", "0", "29", "a=b;c", "ä ñ 雨", "  padded  ", "line\nbreak"})
            QCOMPARE(again.get(text[0] ? text : "empty"), std::string(text));
        QCOMPARE(again.get("never written"), std::string());
    }

    void anUnwritableFolderIsReported()
    {
        if (geteuid() == 0) QSKIP("root writes everywhere");
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkdir("kestry"));
        QFile::setPermissions(config.filePath("kestry"), QFile::ReadOwner | QFile::ExeOwner);
        IniSettingsStore store(config.filePath("kestry/vorlix1.0.ini"));
        QVERIFY(!store.set("n", "5000"));
    }

    void aFolderInTheWayIsReported()
    {
        // Works for root too: where the file should be stands a folder.
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath("kestry/vorlix1.0.ini"));
        IniSettingsStore store(config.filePath("kestry/vorlix1.0.ini"));
        QVERIFY(!store.set("n", "5000"));
    }

    void theSettingsLogNamesTheFileAndAFailedWrite()
    {
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath("kestry/vorlix1.0.ini"));
        const QString file = config.filePath("kestry/vorlix1.0.ini");
        QLoggingCategory::setFilterRules(QStringLiteral("vorlix.settings.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable("settings file: " + file));
        QTest::ignoreMessage(QtDebugMsg, qPrintable("cannot write n to " + file + " (no access)"));
        IniSettingsStore store(file);
        QVERIFY(!store.set("n", "5000"));
        QLoggingCategory::setFilterRules(QString());
    }
};

QTEST_GUILESS_MAIN(TestIniSettingsStore)
#include "test_ini_settings_store.moc"
