// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <map>

#include "platform/linux/session_platform.h"
#include "platform/linux/user_folders.h"

using namespace vorlix;

namespace {

using Environment = std::map<std::string, std::string>;

std::optional<std::string> platformFor(const Environment& environment)
{
    return qtPlatformForSession([&environment](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end() || found->second.empty()) return std::nullopt;
        return found->second;
    });
}

}  // namespace

class TestSessionPlatform : public QObject {
    Q_OBJECT
private slots:
    void x11WhereAWaylandSessionOffersItWaylandWhereNot_data()
    {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("chosen");    // QT_QPA_PLATFORM
        QTest::addColumn<QString>("platform");  // empty: Qt's own choice
        QTest::newRow("Wayland with XWayland") << "wayland-0"
                                               << "wayland"
                                               << ":0"
                                               << ""
                                               << "xcb";
        QTest::newRow("socket, no session type") << "wayland-0"
                                                 << ""
                                                 << ":1"
                                                 << ""
                                                 << "xcb";
        QTest::newRow("session type, default socket") << ""
                                                      << "wayland"
                                                      << ":0"
                                                      << ""
                                                      << "xcb";
        QTest::newRow("Wayland without X11") << "wayland-0"
                                             << "wayland"
                                             << ""
                                             << ""
                                             << "wayland";
        QTest::newRow("socket alone") << "wayland-1"
                                      << ""
                                      << ""
                                      << ""
                                      << "wayland";
        QTest::newRow("X11 session") << ""
                                     << "x11"
                                     << ":0"
                                     << ""
                                     << "";
        QTest::newRow("no display at all") << ""
                                           << "tty"
                                           << ""
                                           << ""
                                           << "";
        QTest::newRow("user chose Wayland") << "wayland-0"
                                            << "wayland"
                                            << ":0"
                                            << "wayland"
                                            << "";
        QTest::newRow("user chose offscreen") << "wayland-0"
                                              << "wayland"
                                              << ":0"
                                              << "offscreen"
                                              << "";
    }
    void x11WhereAWaylandSessionOffersItWaylandWhereNot()
    {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, display);
        QFETCH(QString, chosen);
        QFETCH(QString, platform);
        const std::optional<std::string> result = platformFor({{"WAYLAND_DISPLAY", waylandDisplay.toStdString()},
                                                               {"XDG_SESSION_TYPE", sessionType.toStdString()},
                                                               {"DISPLAY", display.toStdString()},
                                                               {"QT_QPA_PLATFORM", chosen.toStdString()}});
        QCOMPARE(QString::fromStdString(result.value_or("")), platform);
    }

    void anEmptyVariableCountsAsUnset()
    {
        qputenv("VORLIX_TEST_EMPTY", "");
        QCOMPARE(environmentVariable("VORLIX_TEST_EMPTY"), std::nullopt);
        qputenv("VORLIX_TEST_EMPTY", ":0");
        QCOMPARE(environmentVariable("VORLIX_TEST_EMPTY"), std::optional<std::string>(":0"));
        qunsetenv("VORLIX_TEST_EMPTY");
        QCOMPARE(environmentVariable("VORLIX_TEST_EMPTY"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSessionPlatform)
#include "test_session_platform.moc"
