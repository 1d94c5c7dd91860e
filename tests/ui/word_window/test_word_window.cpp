// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "ui/twips.h"
#include "ui/word_window/qt_text_measurer.h"
#include "ui/word_window/word_window_fixture.h"
#include "words/categories.h"
#include "words/word_source_message.h"

using namespace vorlix;
using vorlix::test::WordWindowFixture;

using Writes = std::vector<std::pair<std::string, std::string>>;

namespace {

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

}  // namespace

class TestWordWindow : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesTheSevenKeysAndShowsTheFirstWeatherWord()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        const Writes expected = {{"n", "5000"},   {"psave", "1"}, {"ssave", "1"}, {"ontop", "1"},
                                 {"guage", "29"}, {"mark", "0"},  {"xxx", "1"}};
        QCOMPARE(f.store.writes, expected);
        QCOMPARE(w.Data1.RecordSource, std::string("select * from word where category= 'Weather'"));
        QCOMPARE(w.Data1.Connect, std::string(";pwd=Vbnk53917026"));
        QCOMPARE(w.Timer1->interval(), 5000);
        QVERIFY(w.Timer1->isActive());
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.isVisible());
        QCOMPARE(w.YinPiaoLbl->text(), QString("rain"));
        QCOMPARE(w.EnglishWordLbl->text(), QString("la lluvia"));
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
        QVERIFY(!w.lb0->isVisible());
    }

    void settingsOfAnEarlierRunAreUsedAndNotRewritten()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "0"}, {"n", "2000"}, {"ontop", "0"}, {"guage", "9"}};
        FrmShow& w = f.start();
        QVERIFY(f.store.writes.empty());
        QCOMPARE(w.Timer1->interval(), 2000);
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(f.line(), QString("mouse  |  el ratón"));
    }

    void ticksWalkTheCategoryAndWrap()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        QStringList seen{f.line()};
        for (int i = 0; i < 4; ++i) {
            w.Timer1_Timer();
            seen << f.line();
        }
        QCOMPARE(seen, (QStringList{"rain  |  la lluvia", "snow  |  la nieve", "wind  |  el viento",
                                    "rain  |  la lluvia", "snow  |  la nieve"}));
    }

    void oneRowStaysShown()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}, {"guage", "14"}};
        FrmShow& w = f.start();
        for (int i = 0; i < 3; ++i) {
            w.Timer1_Timer();
            QCOMPARE(f.line(), QString("spoon  |  la cuchara"));
        }
    }

    void windowIsFittedToTheLine()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        const double dpi = w.logicalDpiX();
        const QtTextMeasurer measure(*w.LB);
        const LineFit fit = fitLine(f.line().toStdString(), measure);
        QCOMPARE(w.LB->width(), measure.labelPixels(fit.labelWidth));
        QCOMPARE(w.width(), w.LB->width() + twipsToPixels(200, dpi));
        QCOMPARE(w.height(), w.LB->height() + twipsToPixels(200, dpi));
        QCOMPARE(w.LB->pos(), QPoint(twipsToPixels(60, dpi), twipsToPixels(80, dpi)));
        // The short first word takes the minimum width.
        QCOMPARE(fit.labelWidth, 2100.0f);
    }

    // The window is centred at its design size, 5100 x 2625 twips, and the first fit keeps its
    // top-left corner. A first line with a run no line can hold, a folder name of 400 letters,
    // breaks inside it rather than make the window wider than the screen.
    void firstPlacement_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<bool>("widerThanTheScreen");
        QTest::newRow("first word") << QString() << false;
        QTest::newRow("a folder name wider than the screen") << QString(400, 'w') << false;
    }
    void firstPlacement()
    {
        QFETCH(QString, folderName);
        QFETCH(bool, widerThanTheScreen);
        WordWindowFixture f;
        f.installDatabase();
        // A missing database is said with the folder's name.
        FrmShow& w = f.start(folderName.isEmpty() ? QString() : f.folder.filePath(folderName));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const double dpi = w.logicalDpiX();
        const int top = (screen.height() - twipsToPixels(2625, dpi)) / 2;
        const int left = (screen.width() - twipsToPixels(5100, dpi)) / 2;
        QCOMPARE(w.width() > screen.width(), widerThanTheScreen);
        QCOMPARE(w.pos(), QPoint(widerThanTheScreen ? screen.width() - w.width() : left, top));
    }

    // The thin frame lies on the window's edge, one device pixel wide, at every scale: the
    // outermost pixels all of it, the next ones in none.
    void frameLiesOnTheEdge_data()
    {
        QTest::addColumn<qreal>("scale");
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) QTest::addRow("%d %%", int(scale * 100)) << scale;
    }
    void frameLiesOnTheEdge()
    {
        QFETCH(qreal, scale);
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        QImage shown((QSizeF(w.size()) * scale).toSize(), QImage::Format_RGB32);
        shown.setDevicePixelRatio(scale);
        w.render(&shown);
        const QRgb frame = w.palette().color(QPalette::Dark).rgb();
        const int right = shown.width() - 1, bottom = shown.height() - 1, x = right / 2, y = bottom / 2;
        const QList<QRgb> edges{shown.pixel(0, y), shown.pixel(right, y), shown.pixel(x, 0), shown.pixel(x, bottom)};
        const QList<QRgb> within{shown.pixel(1, y), shown.pixel(right - 1, y), shown.pixel(x, 1),
                                 shown.pixel(x, bottom - 1)};
        QCOMPARE(edges, QList<QRgb>(4, frame));
        QVERIFY(!within.contains(frame));
    }

    // A tick paints the line once, after its handler, however much the fit changed.
    void aTickPaintsOnce()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}, {"guage", "0"}};
        FrmShow& w = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        PaintCounter paints(*w.LB);
        for (int tick = 0; tick < 6; ++tick) {
            w.Timer1_Timer();
            QCOMPARE(paints.count, tick);
            QCoreApplication::processEvents();
            QCOMPARE(paints.count, tick + 1);
        }
    }

    void anotherCopyRunningTouchesNothing()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.singleCopy.another = true;
        FrmShow& w = f.make();
        QVERIFY(!w.Form_Load());
        QCOMPARE(f.singleCopy.activations, 1);
        QVERIFY(f.store.writes.empty());
        // Not even read: the store is not opened.
        QCOMPARE(f.storeOpenings, 0);
        QVERIFY(f.store.operations.empty());
        QVERIFY(!w.Data1.loading());
        QVERIFY(w.Data1.DatabaseName.empty());
        QVERIFY(!w.isVisible());
    }

    void missingDatabaseShowsWhereItWasLookedFor()
    {
        WordWindowFixture f;
        FrmShow& w = f.start();
        QCOMPARE(f.line(), "No words: reg.ocx not found in " + f.folder.path());
        w.Timer1_Timer();
        QCOMPARE(f.line(), "No words: reg.ocx not found in " + f.folder.path());
        QVERIFY(w.isVisible());
        QVERIFY(w.width() > twipsToPixels(2100, w.logicalDpiX()));
    }

    // What is wrong with the file is said once, in one sentence, with the file's path last.
    void unreadableFileIsSaidOnce_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("line");
        QTest::newRow("refused") << "/opt/v"
                                 << "cannot be read: /opt/v/reg.ocx (Permission denied)"
                                 << "No words: reg.ocx cannot be read (permission denied): /opt/v/reg.ocx";
        QTest::newRow("damaged")
            << "/opt/v"
            << "damaged Access database: /opt/v/reg.ocx (truncated)"
            << "No words: reg.ocx cannot be read (damaged Access database: truncated): /opt/v/reg.ocx";
        QTest::newRow("no database") << "/opt/v"
                                     << "not an Access database: /opt/v/reg.ocx"
                                     << "No words: reg.ocx cannot be read (not an Access database): /opt/v/reg.ocx";
        QTest::newRow("folder with parentheses")
            << "C:\\Programs (x86)\\Vorlix"
            << "cannot be read: C:\\Programs (x86)\\Vorlix\\reg.ocx (Permission denied)"
            << "No words: reg.ocx cannot be read (permission denied): C:\\Programs (x86)\\Vorlix\\reg.ocx";
        QTest::newRow("not about the file")
            << "/opt/v"
            << "the word reader cannot be started: /opt/v/vorlix-words (No such file or directory)"
            << "No words: reg.ocx cannot be read (the word reader cannot be started: /opt/v/vorlix-words (No such "
               "file or directory))";
        QTest::newRow("nothing known") << "/opt/v"
                                       << ""
                                       << "No words: reg.ocx cannot be read";
    }
    void unreadableFileIsSaidOnce()
    {
        QFETCH(QString, folder);
        QFETCH(QString, detail);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(wordSourceMessage(WordSourceFailure::Unreadable, detail.toStdString(),
                                                          folder.toStdString(), kFirstRunCategory)),
                 line);
    }

    void fileThatIsNoDatabaseIsSaidInTheWindow()
    {
        WordWindowFixture f;
        QFile garbage(f.folder.filePath("reg.ocx"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(5000, 'x'));
        garbage.close();
        f.start();
        QCOMPARE(f.line(),
                 "No words: reg.ocx cannot be read (not an Access database): " + f.folder.filePath("reg.ocx"));
    }

    void databaseOfAnotherPasswordOrNoWordsInTheCategory()
    {
        WordWindowFixture other;
        other.installDatabase("other_password.mdb");
        other.store.values = {{"xxx", "1"}};
        other.start();
        QCOMPARE(other.line(), QString("No words: reg.ocx is protected by another password"));
        QVERIFY(other.store.writes.empty());

        WordWindowFixture empty;
        empty.installDatabase();
        empty.store.values = {{"xxx", "1"}, {"guage", "26"}};
        FrmShow& w = empty.start();
        QCOMPARE(empty.line(), QString("No words in category Religion"));
        w.Timer1_Timer();
        QCOMPARE(empty.line(), QString("No words in category Religion"));
    }

    // The first word is shown while the rest are still being read; when they cannot all be
    // read, the window says so once and goes on with the words it has.
    void wordsThatStopComingAreSaidOnce()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}};
        FrmShow& w = f.make();
        // Form_Load starts the reader.
        qputenv("FAILING_WORD_READER", "crash");
        w.Data1.readerProgram = VORLIX_BIN_DIR "/failing_word_reader";
        QVERIFY(w.Form_Load());
        w.Data1_Open();
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
        w.Timer1_Timer();
        QVERIFY2(f.line().startsWith("Some words could not be read (damaged Access database: "), qPrintable(f.line()));
        QVERIFY2(f.line().endsWith("): " + f.folder.filePath("reg.ocx")), qPrintable(f.line()));
        w.Timer1_Timer();
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
        w.Timer1_Timer();
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
    }

    void unwritableSettingsAreSaidAndTheWordsStillCome()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.refuseWrites = true;
        FrmShow& w = f.start();
        QCOMPARE(f.line(), QString("Settings not saved: the settings store cannot be written"));
        // The first-run values are in use all the same.
        QCOMPARE(w.Timer1->interval(), 5000);
        w.Timer1_Timer();
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
        w.Timer1_Timer();
        QCOMPARE(f.line(), QString("snow  |  la nieve"));
    }
};

QTEST_MAIN(TestWordWindow)
#include "test_word_window.moc"
