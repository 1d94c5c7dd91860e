// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "app/program_arguments.h"

using namespace vorlix;

class TestProgramArguments : public QObject {
    Q_OBJECT

private slots:
    void answered_data();
    void answered();
};

void TestProgramArguments::answered_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");  // -1: the program starts
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    QTest::newRow("none") << QStringList{} << -1 << ""
                          << "";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "usage: vorlix [QT-OPTION...]\n"
                            << "";
    QTest::newRow("-h after a Qt option") << QStringList{"-platform", "xcb", "-h"} << 0 << "usage: vorlix"
                                          << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "vorlix (Vorlix) 9.8.7\n"
                               << "";
    QTest::newRow("Qt's -platform") << QStringList{"-platform", "offscreen"} << -1 << ""
                                    << "";
    QTest::newRow("Qt's options by two dashes") << QStringList{"--display", ":1", "--reverse"} << -1 << ""
                                                << "";
    QTest::newRow("Qt's -style=NAME") << QStringList{"-style=Fusion"} << -1 << ""
                                      << "";
    QTest::newRow("a value that looks like --help") << QStringList{"-qwindowtitle", "--help"} << -1 << ""
                                                    << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << ""
                                    << "vorlix: unknown option '--bogus'; see 'vorlix --help'\n";
    QTest::newRow("a file") << QStringList{"words.tsv"} << 2 << ""
                            << "vorlix: unexpected argument 'words.tsv'; see 'vorlix --help'\n";
    QTest::newRow("a Qt option without its value") << QStringList{"-platform"} << 2 << ""
                                                   << "vorlix: -platform needs a value; see 'vorlix --help'\n";
}

void TestProgramArguments::answered()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);

    std::vector<std::string> argv{"/usr/lib/vorlix/vorlix"};
    for (const QString& argument : arguments) argv.push_back(argument.toStdString());
    const ProgramPlaces places{"/home/u/.config/kestry/vorlix1.0.ini", "/home/u/.local/share/vorlix/reg.ocx",
                               "/usr/lib/vorlix/reg.ocx"};
    const ArgumentsAnswer answer = answerArguments(
        argv, [&] { return places; }, "9.8.7");

    QCOMPARE(answer.exitStatus.value_or(-1), status);
    QVERIFY2(QString::fromStdString(answer.standardOutput).startsWith(output), answer.standardOutput.c_str());
    QCOMPARE(QString::fromStdString(answer.standardError), error);
    if (arguments == QStringList{"--help"}) {
        // Where the settings and the words are, and where to read more.
        for (const std::string& place :
             {places.settingsFile, places.userWordDatabase, places.bundledWordDatabase, std::string("man vorlix")})
            QVERIFY2(answer.standardOutput.find(place) != std::string::npos, place.c_str());
    }
}

QTEST_MAIN(TestProgramArguments)
#include "test_program_arguments.moc"
