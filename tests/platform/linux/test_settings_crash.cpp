// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "app/module1.h"
#include "platform/linux/ini_settings_store.h"

using namespace vorlix;

// Killed in the middle of saving, the settings file is the old one or the new one, never a
// broken one: every key is there with a whole value.
class TestSettingsCrash : public QObject {
    Q_OBJECT
private slots:
    void killDuringSaveLeavesAWholeFile()
    {
        QTemporaryDir config;
        const QString path = config.filePath("kestry/vorlix1.0.ini");
        {
            IniSettingsStore store(path);
            QVERIFY(SaveAllSettings(store, Module1{}));
        }
        int rewritten = 0;
        for (int round = 0; round < 25; ++round) {
            // A kill while QSettings makes its lock file leaves it empty, and Qt waits 30 s
            // before it takes an unreadable lock for stale. That wait is not what is tested here.
            QFile::remove(path + ".lock");
            QProcess saver;
            saver.start(QStringLiteral(VORLIX_SETTINGS_SAVER), {path});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(30000));
            QThread::msleep(QRandomGenerator::global()->bounded(40));
            saver.kill();
            QVERIFY(saver.waitForFinished());

            IniSettingsStore reread(path);
            for (const char* key : {"ce", "n", "rd", "ontop", "psave", "ssave", "guage", "mark", "xxx", "sspeed"}) {
                QVERIFY2(QSettings(path, QSettings::IniFormat).contains(key), key);
            }
            QVERIFY(parseInt16(reread.get("n")).has_value());
            rewritten += reread.get("n") != "5000";
            QCOMPARE(reread.get("xxx"), std::string("1"));
            QCOMPARE(reread.get("sspeed"), std::string());
        }
        // The saver got to write before it was killed, or nothing was tested.
        QVERIFY(rewritten > 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingsCrash)
#include "test_settings_crash.moc"
