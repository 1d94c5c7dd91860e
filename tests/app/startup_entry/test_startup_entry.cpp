// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "app/startup_entry.h"
#include "app/startup_entry/recording_startup_entry.h"

using namespace vorlix;

Q_DECLARE_METATYPE(vorlix::PathStyle)

class TestStartupEntry : public QObject {
    Q_OBJECT

private slots:
    void executablePathFromFolderAndName_data();
    void executablePathFromFolderAndName();
    void runValueQuotedOnlyWithSpace_data();
    void runValueQuotedOnlyWithSpace();
    void markDecidesTheChange_data();
    void markDecidesTheChange();
    void failedChangeIsReported();
};

void TestStartupEntry::executablePathFromFolderAndName_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    QTest::newRow("windows folder") << PathStyle::Windows << "C:\\Tools"
                                    << "wordbar"
                                    << "C:\\Tools\\wordbar.exe";
    QTest::newRow("windows drive root") << PathStyle::Windows << "C:\\"
                                        << "wordbar"
                                        << "C:\\wordbar.exe";
    QTest::newRow("windows folder with trailing separator") << PathStyle::Windows << "D:\\Program Files\\Vorlix\\"
                                                            << "wordbar"
                                                            << "D:\\Program Files\\Vorlix\\wordbar.exe";
    QTest::newRow("windows extension always lower case") << PathStyle::Windows << "C:\\Tools"
                                                         << "WORDBAR.EXE"
                                                         << "C:\\Tools\\WORDBAR.exe";
    QTest::newRow("windows only the last extension gives way") << PathStyle::Windows << "C:\\Tools"
                                                               << "wordbar-1.0.exe"
                                                               << "C:\\Tools\\wordbar-1.0.exe";
    QTest::newRow("windows non-ascii folder") << PathStyle::Windows << "C:\\Wörter\\Übung"
                                              << "wordbar"
                                              << "C:\\Wörter\\Übung\\wordbar.exe";
    QTest::newRow("posix folder") << PathStyle::Posix << "/opt/vorlix"
                                  << "vorlix"
                                  << "/opt/vorlix/vorlix";
    QTest::newRow("posix root") << PathStyle::Posix << "/"
                                << "vorlix"
                                << "/vorlix";
    QTest::newRow("posix trailing separator") << PathStyle::Posix << "/usr/bin/"
                                              << "vorlix"
                                              << "/usr/bin/vorlix";
    QTest::newRow("posix name with an extension") << PathStyle::Posix << "/opt/vorlix"
                                                  << "vorlix.bin"
                                                  << "/opt/vorlix/vorlix.bin";
    QTest::newRow("posix name with a version") << PathStyle::Posix << "/opt/vorlix"
                                               << "vorlix-1.0"
                                               << "/opt/vorlix/vorlix-1.0";
    QTest::newRow("posix backslash is a plain character") << PathStyle::Posix << "/tmp/a\\"
                                                          << "vorlix"
                                                          << "/tmp/a\\/vorlix";
}

void TestStartupEntry::executablePathFromFolderAndName()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdString(executablePath(folder.toStdString(), name.toStdString(), style)), path);
}

void TestStartupEntry::runValueQuotedOnlyWithSpace_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("terminatedLength");  // wide characters stored, the terminating zero included

    QTest::newRow("no space stays as it is") << "C:\\Tools\\wordbar.exe"
                                             << "C:\\Tools\\wordbar.exe" << 21;
    QTest::newRow("space quoted") << "C:\\Program Files\\Vorlix\\wordbar.exe"
                                  << "\"C:\\Program Files\\Vorlix\\wordbar.exe\"" << 38;
    QTest::newRow("space in the name quoted") << "C:\\Tools\\word bar.exe"
                                              << "\"C:\\Tools\\word bar.exe\"" << 24;
    QTest::newRow("non-ascii unchanged") << "C:\\Wörter\\wordbar.exe"
                                         << "C:\\Wörter\\wordbar.exe" << 22;
}

void TestStartupEntry::runValueQuotedOnlyWithSpace()
{
    QFETCH(QString, path);
    QFETCH(QString, data);
    QFETCH(int, terminatedLength);
    const QString stored = QString::fromStdString(runValueData(path.toStdString()));
    QCOMPARE(stored, data);
    QCOMPARE(stored.size() + 1, terminatedLength);
}

void TestStartupEntry::markDecidesTheChange_data()
{
    QTest::addColumn<int>("mark");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("0 removes") << 0 << QStringList{"remove"};
    QTest::newRow("1 adds the path") << 1 << QStringList{"add C:\\Tools\\wordbar.exe"};
    QTest::newRow("2 leaves the entry") << 2 << QStringList{};
    QTest::newRow("-1 leaves the entry") << -1 << QStringList{};
}

void TestStartupEntry::markDecidesTheChange()
{
    QFETCH(int, mark);
    QFETCH(QStringList, calls);
    Module1 m;
    m.mark = int16_t(mark);
    RecordingStartupEntry entry;
    QVERIFY(UpdateStartupEntry(m, entry, "C:\\Tools\\wordbar.exe"));
    QStringList seen;
    for (const std::string& call : entry.calls) seen << QString::fromStdString(call);
    QCOMPARE(seen, calls);
}

void TestStartupEntry::failedChangeIsReported()
{
    RecordingStartupEntry failing(true);
    Module1 m;
    m.mark = 0;
    QVERIFY(!UpdateStartupEntry(m, failing, "/opt/vorlix/vorlix"));
    m.mark = 1;
    QVERIFY(!UpdateStartupEntry(m, failing, "/opt/vorlix/vorlix"));
    m.mark = 2;
    QVERIFY(UpdateStartupEntry(m, failing, "/opt/vorlix/vorlix"));
}

QTEST_APPLESS_MAIN(TestStartupEntry)
#include "test_startup_entry.moc"
