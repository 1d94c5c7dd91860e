// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "ui/word_window/fake_measurer.h"
#include "ui/word_window/fit.h"
#include "ui/word_window/maxmin_s.h"

using namespace vorlix;
using vorlix::test::FakeMeasurer;

class TestFit : public QObject {
    Q_OBJECT
private slots:
    void maxReturnsTheSecondOnATie()
    {
        QCOMPARE(Max(2100, 1500.5f), 2100.0f);
        QCOMPARE(Max(2100, 2100.5f), 2100.5f);
        // On a tie the second argument is returned: with -0.0 and 0.0 the sign shows which.
        QVERIFY(std::signbit(Max(0.0f, -0.0f)));
        QVERIFY(!std::signbit(Max(-0.0f, 0.0f)));
    }

    // A line that fits in one line of the counting width is exactly as wide as its text, but
    // never narrower than the minimum width; the window adds its margins.
    void oneLineIsItsOwnWidth_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<float>("labelWidth");
        QTest::newRow("separator alone gets the minimum") << "  |  " << 2100.0f;
        QTest::newRow("short line, 28 characters") << "thunderstorm  |  la tormenta" << 2800.0f;
        QTest::newRow("exactly the counting width") << QString(22, 'a') + "  |  " + QString(23, 'b') << 5000.0f;
    }
    void oneLineIsItsOwnWidth()
    {
        QFETCH(QString, line);
        QFETCH(float, labelWidth);
        FakeMeasurer measure;
        const LineFit fit = fitLine(line.toStdString(), measure);
        QCOMPARE(fit.labelWidth, labelWidth);
        QCOMPARE(fit.labelHeight, 276.0f);
        QCOMPARE(fit.windowWidth, labelWidth + 200.0f);
        QCOMPARE(fit.windowHeight, 476.0f);
    }

    // 120 characters (12000 twips) that take three lines at 5000 get 12000 / 3 = 4000, and then
    // whatever height the words need at 4000.
    void longLineIsSpreadOverLinesOfEqualLength()
    {
        FakeMeasurer measure;
        std::string line;
        while (line.size() < 120) line += (line.empty() ? "" : " ") + std::string(9, 'w');
        line.resize(120);
        QCOMPARE(measure.wrappedHeight(line, kLineCountWidth), 3 * 276.0f);
        const LineFit fit = fitLine(line, measure);
        QCOMPARE(fit.labelWidth, 4000.0f);
        QVERIFY(fit.labelHeight == 3 * 276.0f || fit.labelHeight == 4 * 276.0f);
        QCOMPARE(fit.windowWidth, 4200.0f);
        QCOMPARE(fit.windowHeight, fit.labelHeight + 200.0f);
    }

    void clampToTheScreenSideways_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("expected");
        // Screen from 0 to 19200 twips (1280 px at 96 dpi).
        QTest::newRow("inside") << 3000.0f << 4000.0f << 3000.0f;
        QTest::newRow("right edge beyond") << 17000.0f << 4000.0f << 15200.0f;
        QTest::newRow("touching right edge") << 15200.0f << 4000.0f << 15200.0f;
        QTest::newRow("left edge beyond") << -500.0f << 4000.0f << 0.0f;
        QTest::newRow("wider than screen") << -500.0f << 20000.0f << -800.0f;
        QTest::newRow("wider, right beyond") << 100.0f << 20000.0f << -800.0f;
    }
    void clampToTheScreenSideways()
    {
        QFETCH(float, left);
        QFETCH(float, width);
        QFETCH(float, expected);
        QCOMPARE(clampLeft(left, width, 0.0f, 19200.0f), expected);
    }

    void secondScreenKeepsTheWindow()
    {
        // A monitor right of the primary one, from 19200 to 38400: the window stays on it.
        QCOMPARE(clampLeft(25000.0f, 4000.0f, 19200.0f, 38400.0f), 25000.0f);
        QCOMPARE(clampLeft(37000.0f, 4000.0f, 19200.0f, 38400.0f), 34400.0f);
        QCOMPARE(clampLeft(18000.0f, 4000.0f, 19200.0f, 38400.0f), 19200.0f);
    }
};

QTEST_APPLESS_MAIN(TestFit)
#include "test_fit.moc"
