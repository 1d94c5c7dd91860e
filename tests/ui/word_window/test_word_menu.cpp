// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <array>

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>

#include "ui/word_window/help_path.h"
#include "ui/word_window/word_window_fixture.h"

using namespace vorlix;
using vorlix::test::WordWindowFixture;

class TestWordMenu : public QObject {
    Q_OBJECT
private slots:
    void itemsCaptionsAndOrder()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        const QList<QAction*> items = w.mnumain->actions();
        const QList<QAction*> named = {w.mnustop, w.mnuknow,    w.mnusay,   w.mnuagain, w.mnusetup, w.mnuhelp,
                                       w.link,    w.mnuwebsite, w.mnuemail, w.link2,    w.mnuquit};
        QCOMPARE(items, named);
        QStringList captions;
        for (QAction* item : items) {
            if (item->isVisible()) captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        QCOMPARE(captions, (QStringList{"&Pause", "I &know it", "&Say it", "&Option", "&Help", "-", "&Website",
                                        "E_mail", "-", "&Exit"}));
        for (QAction* item : items) {
            QVERIFY(item->shortcut().isEmpty());
            QVERIFY(!item->isCheckable());
        }
        QVERIFY(w.link->isSeparator() && w.link2->isSeparator());
    }

    void iconsComeFromTheImageListByKey()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        const std::pair<QAction*, const char*> byKey[] = {
            {w.mnustop, "stop"},    {w.mnuknow, "known"},       {w.mnusay, "say"},
            {w.mnuagain, "again"},  {w.mnusetup, "properties"}, {w.mnuhelp, "help"},
            {w.mnuwebsite, "site"}, {w.mnuemail, "mail"},       {w.mnuquit, "exit"}};
        for (const auto& [item, key] : byKey) {
            const QPixmap picture = w.Images.icon(key).pixmap(QSize(16, 16), 1.0);
            QVERIFY2(!picture.isNull(), key);
            QCOMPARE(picture.size(), QSize(16, 16));
            // The mask colour is cut out: what is left of it is transparent, and nothing else is.
            const QImage image = picture.toImage();
            int transparent = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    transparent += c.alpha() == 0;
                    QVERIFY2(c.alpha() == 0 || c.rgb() != qRgb(192, 192, 192), key);
                }
            }
            QVERIFY2(transparent > 0, key);
            QCOMPARE(item->icon().pixmap(16, 16).toImage(), picture.toImage());
            // On a screen of 1.5 or 2 device pixels a pixel, 16 x 16 are drawn from the large
            // version, never blurred up from the small one.
            QVERIFY2(item->icon().availableSizes().contains(QSize(32, 32)), key);
            const QImage large = item->icon().pixmap(QSize(16, 16), 2.0).toImage();
            QCOMPARE(large.size(), QSize(32, 32));
            const auto plain = [](QImage image) {
                image.setDevicePixelRatio(1);
                return image.convertToFormat(QImage::Format_ARGB32);
            };
            QCOMPARE(plain(item->icon().pixmap(QSize(16, 16), 1.5).toImage()),
                     plain(large.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        }
        QVERIFY(w.link->icon().isNull() && w.link2->icon().isNull());
        QVERIFY(w.Images.icon("nothing").isNull());
    }

    // Say it, and a double-click that leaves the window where it stands, say the pair shown; the
    // speech starts with the first request, a tick asks nothing of it, a pause keeps the pair.
    void sayItSaysThePairShown()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        QVERIFY(!f.speech);
        emit w.mnumain->aboutToShow();
        QVERIFY(w.mnusay->isEnabled());
        w.mnusay->trigger();
        w.Timer1_Timer();
        w.mnustop_Click();
        // Qt sends a double-click in place of the second press.
        for (QWidget* target : {static_cast<QWidget*>(w.LB), static_cast<QWidget*>(&w)}) {
            QTest::mouseClick(target, Qt::LeftButton);
            QTest::mouseDClick(target, Qt::LeftButton);
        }
        // A double-click whose first press moved the window is a press of its own.
        QTest::mouseClick(w.LB, Qt::LeftButton);
        w.move(w.pos() + QPoint(40, 0));
        QTest::mouseDClick(w.LB, Qt::LeftButton);
        QCOMPARE(f.speech->requests,
                 QStringList({"en:rain es:la lluvia", "en:snow es:la nieve", "en:snow es:la nieve"}));
    }

    // No words, or a notice such as the speech's refusal in place of the pair for one display time:
    // nothing to say, the item is disabled and a double-click does nothing.
    void sayItWaitsForAPair_data()
    {
        QTest::addColumn<bool>("words");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no words") << false << "";
        QTest::newRow("the speech refuses") << true << "Nothing could be said: the engine failed";
    }
    void sayItWaitsForAPair()
    {
        QFETCH(bool, words);
        QFETCH(QString, refusal);
        WordWindowFixture f;
        if (words) f.installDatabase();
        f.speechRefusal = refusal.toStdString();
        FrmShow& w = f.start();
        if (words) w.mnusay_Click();
        QTRY_VERIFY(!w.pairShown());
        if (words) QCOMPARE(f.line(), refusal);
        emit w.mnumain->aboutToShow();
        QVERIFY(!w.mnusay->isEnabled());
        QTest::mouseClick(w.LB, Qt::LeftButton);
        QTest::mouseDClick(w.LB, Qt::LeftButton);
        QCOMPARE(f.speech ? f.speech->requests.size() : 0, words ? 1 : 0);
        w.Timer1_Timer();
        QCOMPARE(w.pairShown(), words);
    }

    void pauseAndContinue()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        w.mnustop_Click();
        QCOMPARE(w.mnustop->text(), QString("&Continue"));
        QVERIFY(!w.Timer1->isActive());
        const QString paused = f.line();
        QTest::qWait(50);
        QCOMPARE(f.line(), paused);
        w.mnustop_Click();
        QCOMPARE(w.mnustop->text(), QString("&Pause"));
        QVERIFY(w.Timer1->isActive());
        // Continue restarts the timer: the next word is one full interval away.
        QVERIFY(w.Timer1->remainingTime() > w.Timer1->interval() * 9 / 10);
        QCOMPARE(f.line(), paused);
    }

    void resumeTakesOneFullInterval()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}, {"n", "300"}};
        FrmShow& w = f.start();
        QTest::qWait(200);
        w.mnustop_Click();
        w.mnustop_Click();
        QElapsedTimer since;
        since.start();
        QTRY_COMPARE_WITH_TIMEOUT(f.line(), QString("snow  |  la nieve"), 2000);
        QVERIFY(since.elapsed() >= 280);
    }

    // The pair showing is marked; the window says when it comes back, then shows the next word a
    // display time later, paused or not, and passes the pair over, after a restart too, until the
    // marks are forgotten.
    void iKnowIt_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::newRow("running") << false;
        QTest::newRow("paused") << true;
    }
    void iKnowIt()
    {
        QFETCH(bool, paused);
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}, {"n", "300"}};
        FrmShow& w = f.start();
        if (paused) w.mnustop_Click();
        emit w.mnumain->aboutToShow();
        QVERIFY(w.mnuknow->isEnabled() && !w.mnuagain->isVisible());
        w.mnuknow_Click();
        QCOMPARE(f.line(), QString("rain: back in 1 day"));
        emit w.mnumain->aboutToShow();
        QVERIFY(!w.mnuknow->isEnabled());
        QCOMPARE(w.mnuagain->text(), QString("Show 1 known word &again"));
        QTRY_COMPARE(f.line(), QString("snow  |  la nieve"));
        QCOMPARE(w.Timer1->isActive(), !paused);

        // The first word is drawn before the marks are read; then it gives way, with no tick.
        FrmShow& restarted = f.start();
        restarted.Timer1->stop();
        QVERIFY(QTest::qWaitForWindowExposed(&restarted));
        QTRY_COMPARE(f.line(), QString("snow  |  la nieve"));

        // Forgetting is asked once.
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            QTimer::singleShot(0, [answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QCOMPARE(box->text(), QString("Show the known word again, as often as the others?"));
                box->button(answer)->click();
            });
            restarted.mnuagain_Click();
            emit restarted.mnumain->aboutToShow();
            QCOMPARE(restarted.mnuagain->isVisible(), answer == QMessageBox::No);
        }
        QFile file(f.learnerFolder() + "/known-words.txt");
        QVERIFY(file.open(QIODevice::ReadOnly) && !file.readAll().contains("\train\t"));
    }

    // A mark that cannot be saved is not made.
    void aMarkThatCannotBeSavedIsNotMade()
    {
        WordWindowFixture f;
        f.installDatabase();
        QFile(f.learnerFolder()).open(QIODevice::WriteOnly);
        FrmShow& w = f.start();
        w.mnuknow_Click();
        QVERIFY(f.line().startsWith("The words you know could not be saved ("));
        emit w.mnumain->aboutToShow();
        QVERIFY(!w.mnuagain->isVisible());
    }

    void optionTwiceLeavesOneDialogInFront()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        w.mnusetup_Click();
        QWidget* first = w.optionsDialog();
        QVERIFY(first && first->isVisible());
        w.mnusetup_Click();
        QCOMPARE(w.optionsDialog(), first);
        int dialogs = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            dialogs += top->isVisible() && top->windowTitle() == "Setup Option";
        QCOMPARE(dialogs, 1);
        // A dialog minimised or hidden comes back as it was, with what was chosen in it.
        first->showMinimized();
        w.mnusetup_Click();
        QCOMPARE(w.optionsDialog(), first);
        QVERIFY(first->isVisible());
        QVERIFY(!(first->windowState() & Qt::WindowMinimized));
        first->hide();
        w.mnusetup_Click();
        QVERIFY(first->isVisible());
        // Closing unloads it; the next Option makes a new one.
        first->close();
        QTRY_VERIFY(!w.optionsDialog());
        w.mnusetup_Click();
        QVERIFY(w.optionsDialog());
    }

    // The dialog belongs to no window, so that the window system gives it a new window's place,
    // and it stays above other windows while the word window does. It carries the word window's
    // icon.
    void optionDialogIsOwnedByNoWindow_data()
    {
        QTest::addColumn<QString>("ontop");
        QTest::newRow("word window on top") << "1";
        QTest::newRow("word window not on top") << "0";
    }
    void optionDialogIsOwnedByNoWindow()
    {
        QFETCH(QString, ontop);
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}, {"ontop", ontop.toStdString()}};
        FrmShow& w = f.start();
        w.mnusetup_Click();
        QWidget* dialog = w.optionsDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), nullptr);
        QCOMPARE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), ontop == "1");
        QCOMPARE(dialog->windowIcon().pixmap(16).toImage(), w.windowIcon().pixmap(16).toImage());
    }

    void exitWritesNothing()
    {
        WordWindowFixture f;
        f.installDatabase();
        f.store.values = {{"xxx", "1"}};
        FrmShow& w = f.start();
        w.mnusetup_Click();
        w.mnuquit_Click();
        QCOMPARE(f.quits, 1);
        QVERIFY(f.store.writes.empty());
        QVERIFY(f.startupEntry.calls.empty());
    }

    void helpWebsiteAndMail()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        w.mnuhelp_Click();
        QFile(f.folder.filePath("help.hlp")).open(QIODevice::WriteOnly);
        w.mnuhelp_Click();
        w.mnuwebsite_Click();
        w.mnuemail_Click();
        QCOMPARE(f.opened.size(), size_t(4));
        QCOMPARE(f.opened[0], QUrl::fromLocalFile(f.folder.filePath("help.html")).toString());
        QCOMPARE(f.opened[1], QUrl::fromLocalFile(f.folder.filePath("help.hlp")).toString());
        QVERIFY(f.opened[2].startsWith("http://"));
        QVERIFY(f.opened[3].startsWith("mailto:"));
    }

    // Where the system has no program to open what a command asks for, the window says so in place
    // of the word, naming it.
    void whatCannotBeOpenedIsSaid_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("said");
        QTest::newRow("Help") << 0 << "The help page could not be opened: FOLDER/help.html";
        QTest::newRow("Website") << 1 << "The web site could not be opened: http://www.kestry.com/";
        QTest::newRow("E_mail") << 2 << "No e-mail program could be opened for support@kestry.com";
    }
    void whatCannotBeOpenedIsSaid()
    {
        QFETCH(int, command);
        QFETCH(QString, said);
        WordWindowFixture f;
        f.installDatabase();
        f.openFails = true;
        FrmShow& w = f.start();
        const std::array commands = {&FrmShow::mnuhelp_Click, &FrmShow::mnuwebsite_Click, &FrmShow::mnuemail_Click};
        (w.*commands[size_t(command)])();
        QCOMPARE(f.line(), QString(said).replace("FOLDER", f.folder.path()));
        w.Timer1_Timer();
        QCOMPARE(f.line(), QString("rain  |  la lluvia"));
    }

    void helpPathKeepsTheRootsDoubledSeparator()
    {
        QCOMPARE(helpFilePath({"C:\\", "vorlix", '\\'}), std::string("C:\\\\help.hlp"));
        QCOMPARE(helpFilePath({"C:\\Tools", "vorlix", '\\'}), std::string("C:\\Tools\\help.hlp"));
        QCOMPARE(helpFilePath({"/opt/vorlix", "vorlix", '/'}), std::string("/opt/vorlix/help.hlp"));
    }

    void menuKeyAndShiftF10OpenTheMenu()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        int shown = 0;
        QObject::connect(w.mnumain, &QMenu::aboutToShow, [&] {
            ++shown;
            QTimer::singleShot(0, w.mnumain, &QMenu::close);
        });
        QTest::keyClick(&w, Qt::Key_F10);
        QTest::keyClick(&w, Qt::Key_Menu, Qt::ControlModifier);
        QCOMPARE(shown, 0);
        QTest::keyClick(&w, Qt::Key_Menu);
        QCOMPARE(shown, 1);
        QTest::keyClick(&w, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(shown, 2);
    }

    void rightPressOpensTheMenuMiddleDoesNothing()
    {
        WordWindowFixture f;
        f.installDatabase();
        FrmShow& w = f.start();
        bool shown = false;
        QObject::connect(w.mnumain, &QMenu::aboutToShow, [&] {
            shown = true;
            QTimer::singleShot(0, w.mnumain, &QMenu::close);
        });
        const QPoint before = w.pos();
        QTest::mouseClick(w.LB, Qt::MiddleButton);
        QTest::mouseClick(&w, Qt::MiddleButton, Qt::ShiftModifier);
        QVERIFY(!shown);
        QCOMPARE(w.pos(), before);
        QTest::mouseClick(w.LB, Qt::RightButton, Qt::ControlModifier);
        QVERIFY(shown);
        shown = false;
        QTest::mouseClick(&w, Qt::RightButton);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestWordMenu)
#include "test_word_menu.moc"
