// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ui/options/option_dialog_fixture.h"

using namespace vorlix;

using Writes = std::vector<std::pair<std::string, std::string>>;

class TestOptionBehaviour : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsTheSettings();
    void unknownCategorySelectsWeather_data();
    void unknownCategorySelectsWeather();
    void loadKeepsValuesTheBoxesCannotShow();
    void spinStartsAtStoredTime_data();
    void spinStartsAtStoredTime();
    void timeShownWithLocaleSeparator();
    void boxesAndSpinWriteSettingsAtOnce();
    void categoryButtonsExclusive();
    void typedTimeTakenLikeTheArrows_data();
    void typedTimeTakenLikeTheArrows();
    void typedTimeTakenWhenFocusLeaves();
    void typedTimeTakenWhenClosing();
    void typedCurrentSpinValueStillSetsTime();
    void escapeClosesLikeTheCloseBox();

    void closeWithSavingStoresEverythingAfterTheEntry();
    void closeWithSavingRemovesEntryWhenUnchecked();
    void closeWithoutSavingStoresOnlySsave_data();
    void closeWithoutSavingStoresOnlySsave();
    void choicesStayForTheNextOpening();
    void refusedWritesReportSaveFailed_data();
    void refusedWritesReportSaveFailed();
    void failedEntryReportsSaveFailed();
    void destroyingWithoutCloseStoresNothing();

private:
    frmOption* open() { return fixture_->open(); }
    template <typename Control>
    Control* control(const QString& name)
    {
        return fixture_->control<Control>(name);
    }
    QRadioButton* option1(int index) { return control<QRadioButton>(QStringLiteral("Option1_%1").arg(index)); }
    QList<int> checkedOptions()
    {
        QList<int> checked;
        for (int index = 0; index < kCategoryCount; ++index)
            if (option1(index)->isChecked()) checked << index;
        return checked;
    }
    void type(const QString& text)
    {
        auto* box = control<QLineEdit>("Text1");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // VScroll2 holds minus the seconds, so that its upper arrow lengthens the time.
    int spinSeconds() { return -control<QScrollBar>("VScroll2")->value(); }
    void spinTo(int seconds) { control<QScrollBar>("VScroll2")->setValue(-seconds); }
    void upperArrow() { control<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub); }
    void lowerArrow() { control<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepAdd); }
    void showActive()
    {
        fixture_->dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(fixture_->dialog));
    }

    std::optional<OptionDialogFixture> fixture_;
    Module1& settings() { return fixture_->settings; }
    test::MemorySettingsStore& store() { return fixture_->store; }
};

void TestOptionBehaviour::init()
{
    // The expected texts use "." as the decimal separator, whatever the machine is set to.
    QLocale::setDefault(QLocale::c());
    fixture_.emplace();
}

void TestOptionBehaviour::cleanup()
{
    fixture_.reset();
}

void TestOptionBehaviour::loadShowsTheSettings()
{
    settings().guage = "9";
    settings().n = 5000;
    settings().ontop = 1;
    settings().ssave = 0;
    settings().mark = 1;
    open();
    QCOMPARE(checkedOptions(), QList<int>{9});
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("5"));
    QCOMPARE(spinSeconds(), 5);
    QVERIFY(control<QCheckBox>("Check2")->isChecked());
    QVERIFY(!control<QCheckBox>("Check3")->isChecked());
    QVERIFY(control<QCheckBox>("Check4")->isChecked());
    QVERIFY(store().writes.empty());
    QVERIFY(fixture_->entry.calls.empty());
}

void TestOptionBehaviour::unknownCategorySelectsWeather_data()
{
    QTest::addColumn<QString>("guage");
    QTest::newRow("empty") << "";
    QTest::newRow("30") << "30";
    QTest::newRow("-1") << "-1";
    QTest::newRow("leading zero") << "07";
    QTest::newRow("text") << "Sports";
}

void TestOptionBehaviour::unknownCategorySelectsWeather()
{
    QFETCH(QString, guage);
    settings().guage = guage.toStdString();
    open();
    QCOMPARE(checkedOptions(), QList<int>{29});
    QCOMPARE(settings().guage, guage.toStdString());
}

void TestOptionBehaviour::loadKeepsValuesTheBoxesCannotShow()
{
    // Any non-zero ontop keeps the window on top: the box shows it checked and writes 1 back.
    // ssave and mark act only at exactly 1: such a box stays unchecked and the value is kept.
    settings().ontop = 2;
    settings().ssave = 2;
    settings().mark = 3;
    open();
    QVERIFY(control<QCheckBox>("Check2")->isChecked());
    QVERIFY(!control<QCheckBox>("Check3")->isChecked());
    QVERIFY(!control<QCheckBox>("Check4")->isChecked());
    QCOMPARE(settings().ontop, int16_t(1));
    QCOMPARE(settings().ssave, int16_t(2));
    QCOMPARE(settings().mark, int16_t(3));

    fixture_->dialog->close();
    QCOMPARE(store().writes, (Writes{{"ssave", "2"}}));
}

void TestOptionBehaviour::spinStartsAtStoredTime_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("spin");
    QTest::addColumn<QString>("shown");

    QTest::newRow("10 s") << 10000 << 10 << "10";
    QTest::newRow("lowest") << 2000 << 2 << "2";
    QTest::newRow("highest") << 18000 << 18 << "18";
    QTest::newRow("fraction stays at 5") << 7500 << 5 << "7.5";
    QTest::newRow("below range stays at 5") << 1000 << 5 << "1";
    QTest::newRow("above range stays at 5") << 20000 << 5 << "20";
}

void TestOptionBehaviour::spinStartsAtStoredTime()
{
    QFETCH(int, n);
    QFETCH(int, spin);
    QFETCH(QString, shown);
    settings().n = int16_t(n);
    open();
    QCOMPARE(spinSeconds(), spin);
    QCOMPARE(control<QLineEdit>("Text1")->text(), shown);
    QCOMPARE(settings().n, int16_t(n));

    // The first arrow click moves one second from where the control stands.
    if (spin == 18)
        lowerArrow();
    else
        upperArrow();
    const int next = spin == 18 ? 17 : spin + 1;
    QCOMPARE(settings().n, int16_t(next * 1000));
    QCOMPARE(control<QLineEdit>("Text1")->text(), QString::number(next));
}

void TestOptionBehaviour::timeShownWithLocaleSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    settings().n = 7500;
    open();
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("7,5"));
}

void TestOptionBehaviour::boxesAndSpinWriteSettingsAtOnce()
{
    settings().ontop = 0;
    settings().ssave = 0;
    settings().mark = 0;
    open();
    showActive();
    QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton);
    QCOMPARE(settings().ontop, int16_t(1));
    QTest::mouseClick(control<QCheckBox>("Check3"), Qt::LeftButton);
    QCOMPARE(settings().ssave, int16_t(1));
    QTest::mouseClick(control<QCheckBox>("Check4"), Qt::LeftButton);
    QCOMPARE(settings().mark, int16_t(1));
    QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton);
    QCOMPARE(settings().ontop, int16_t(0));

    // The upper arrow lengthens the time, the lower one shortens it; so do the Up and Down keys.
    auto* scroll = control<QScrollBar>("VScroll2");
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() / 2, 1));
    QCOMPARE(settings().n, int16_t(6000));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() / 2, scroll->height() - 2));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(scroll->width() / 2, scroll->height() - 2));
    QCOMPARE(settings().n, int16_t(4000));
    scroll->setFocus();
    QTest::keyClick(scroll, Qt::Key_Up);
    QCOMPARE(settings().n, int16_t(5000));
    QTest::keyClick(scroll, Qt::Key_Down);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("4"));

    QVERIFY(store().writes.empty());
    QVERIFY(fixture_->entry.calls.empty());
}

void TestOptionBehaviour::categoryButtonsExclusive()
{
    settings().guage = "3";
    open();
    showActive();
    QTest::mouseClick(option1(0), Qt::LeftButton);
    QCOMPARE(checkedOptions(), QList<int>{0});
    // The category is taken only when the dialog closes.
    QCOMPARE(settings().guage, std::string("3"));

    option1(0)->setFocus();
    QTest::keyClick(option1(0), Qt::Key_Down);
    QCOMPARE(checkedOptions().size(), 1);
    QVERIFY(!option1(0)->isChecked());
}

// The box takes digits only, two at most; what it then holds is taken when it names a time from
// 2 to 18 s, and put back to the time in use otherwise. It always shows what will be stored.
void TestOptionBehaviour::typedTimeTakenLikeTheArrows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("n");

    QTest::newRow("7") << "7"
                       << "7" << 7000;
    QTest::newRow("lowest") << "2"
                            << "2" << 2000;
    QTest::newRow("highest") << "18"
                             << "18" << 18000;
    QTest::newRow("leading zero") << "07"
                                  << "07" << 7000;
    QTest::newRow("blanks refused") << " 12 "
                                    << "12" << 12000;
    QTest::newRow("minus refused") << "-5"
                                   << "5" << 5000;
    QTest::newRow("plus refused") << "+7"
                                  << "7" << 7000;
    QTest::newRow("third digit refused") << "123"
                                         << "12" << 12000;
    QTest::newRow("point refused, 75 out of range") << "7.5"
                                                    << "75" << 10000;
    QTest::newRow("below range") << "1"
                                 << "1" << 10000;
    QTest::newRow("above range") << "19"
                                 << "19" << 10000;
    QTest::newRow("zero") << "0"
                          << "0" << 10000;
    QTest::newRow("letters refused") << "abc"
                                     << "10" << 10000;
    QTest::newRow("emptied") << ""
                             << "" << 10000;
}

void TestOptionBehaviour::typedTimeTakenLikeTheArrows()
{
    QFETCH(QString, typed);
    QFETCH(QString, held);
    QFETCH(int, n);
    settings().n = 10000;
    open();
    showActive();
    auto* box = control<QLineEdit>("Text1");
    type(typed);
    if (typed.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), held);
    QCOMPARE(settings().n, int16_t(10000));
    // Leaving the box, as Tab does, takes the time or puts the box back.
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(settings().n, int16_t(n));
    QCOMPARE(box->text(), QString::number(n / 1000));
    QCOMPARE(spinSeconds(), n / 1000);
}

void TestOptionBehaviour::typedTimeTakenWhenFocusLeaves()
{
    open();
    showActive();
    type("9");
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(settings().n, int16_t(9000));
    QCOMPARE(spinSeconds(), 9);
    // A click elsewhere leaves the box as well.
    type("40");
    QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("9"));
    QCOMPARE(settings().n, int16_t(9000));
}

void TestOptionBehaviour::typedTimeTakenWhenClosing()
{
    settings().ssave = 1;
    open();
    showActive();
    type("13");
    fixture_->dialog->close();
    QCOMPARE(settings().n, int16_t(13000));
    QCOMPARE(store().values.at("n"), std::string("13000"));
}

void TestOptionBehaviour::typedCurrentSpinValueStillSetsTime()
{
    settings().n = 7500;
    open();
    showActive();
    type("5");
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(settings().n, int16_t(5000));
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("5"));
}

void TestOptionBehaviour::escapeClosesLikeTheCloseBox()
{
    settings().ssave = 0;
    open();
    showActive();
    control<QCheckBox>("Check2")->setFocus();
    QTest::keyClick(control<QCheckBox>("Check2"), Qt::Key_Escape);
    QVERIFY(!fixture_->dialog || !fixture_->dialog->isVisible());
    QCOMPARE(store().writes, (Writes{{"ssave", "0"}}));
    // A typed time counts as on leaving the box, as with the close box.
    fixture_.emplace();
    open();
    showActive();
    type("11");
    QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Escape);
    QCOMPARE(settings().n, int16_t(11000));
}

void TestOptionBehaviour::closeWithSavingStoresEverythingAfterTheEntry()
{
    settings().n = 5000;
    settings().psave = 7;
    settings().ssave = 1;
    settings().ontop = 1;
    settings().guage = "12";
    settings().mark = 1;
    settings().xxx = "0";
    size_t writesWhenEntryChanged = 99;
    fixture_->entry.onChange = [&] { writesWhenEntryChanged = store().writes.size(); };
    open();
    QSignalSpy failed(fixture_->dialog.data(), &frmOption::saveFailed);
    option1(0)->setChecked(true);
    upperArrow();
    fixture_->dialog->close();

    QCOMPARE(failed.size(), 0);
    QCOMPARE(fixture_->entry.calls, std::vector<std::string>{"add /opt/vorlix/vorlix"});
    QCOMPARE(writesWhenEntryChanged, size_t(0));
    QCOMPARE(store().writes, (Writes{{"ce", ""},
                                     {"n", "6000"},
                                     {"rd", ""},
                                     {"ontop", "1"},
                                     {"psave", "7"},
                                     {"ssave", "1"},
                                     {"guage", "0"},
                                     {"mark", "1"},
                                     {"xxx", "1"},
                                     {"sspeed", ""}}));
    QCOMPARE(settings().guage, std::string("0"));
}

void TestOptionBehaviour::closeWithSavingRemovesEntryWhenUnchecked()
{
    settings().ssave = 1;
    settings().mark = 1;
    open();
    control<QCheckBox>("Check4")->click();
    fixture_->dialog->close();
    QCOMPARE(fixture_->entry.calls, std::vector<std::string>{"remove"});
    QCOMPARE(store().values.at("mark"), std::string("0"));
}

void TestOptionBehaviour::closeWithoutSavingStoresOnlySsave_data()
{
    QTest::addColumn<int>("mark");
    QTest::newRow("start at log-on switched on") << 0;
    QTest::newRow("start at log-on switched off") << 1;
}

void TestOptionBehaviour::closeWithoutSavingStoresOnlySsave()
{
    QFETCH(int, mark);
    settings().ssave = 1;
    settings().mark = int16_t(mark);
    settings().guage = "29";
    open();
    control<QCheckBox>("Check3")->click();
    control<QCheckBox>("Check4")->click();
    option1(5)->setChecked(true);
    upperArrow();
    fixture_->dialog->close();

    QCOMPARE(store().writes, (Writes{{"ssave", "0"}}));
    QVERIFY(fixture_->entry.calls.empty());
    // Not stored, yet kept in memory for the rest of the run.
    QCOMPARE(settings().guage, std::string("5"));
    QCOMPARE(settings().mark, int16_t(1 - mark));
    QCOMPARE(settings().n, int16_t(6000));
}

void TestOptionBehaviour::choicesStayForTheNextOpening()
{
    settings().ssave = 0;
    open();
    option1(16)->setChecked(true);
    spinTo(12);
    control<QCheckBox>("Check2")->click();
    const bool onTop = control<QCheckBox>("Check2")->isChecked();
    fixture_->dialog->close();
    // Closed means gone: the next Option command makes a new dialog.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!fixture_->dialog);

    open();
    QCOMPARE(checkedOptions(), QList<int>{16});
    QCOMPARE(spinSeconds(), 12);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("12"));
    QCOMPARE(control<QCheckBox>("Check2")->isChecked(), onTop);
}

void TestOptionBehaviour::refusedWritesReportSaveFailed_data()
{
    QTest::addColumn<int>("ssave");
    QTest::newRow("full save") << 1;
    QTest::newRow("ssave only") << 0;
}

void TestOptionBehaviour::refusedWritesReportSaveFailed()
{
    QFETCH(int, ssave);
    settings().ssave = int16_t(ssave);
    store().refuseWrites = true;
    open();
    QSignalSpy failed(fixture_->dialog.data(), &frmOption::saveFailed);
    fixture_->dialog->close();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(),
             QStringLiteral("Settings not saved: the settings store cannot be written"));
    // Every key was still tried.
    QCOMPARE(store().writes.size(), ssave == 1 ? size_t(10) : size_t(1));
}

void TestOptionBehaviour::failedEntryReportsSaveFailed()
{
    fixture_->entry = RecordingStartupEntry(true);
    settings().ssave = 1;
    settings().mark = 1;
    open();
    QSignalSpy failed(fixture_->dialog.data(), &frmOption::saveFailed);
    fixture_->dialog->close();
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed.first().first().toString().contains(u"log-on"));
    // The settings are stored all the same.
    QCOMPARE(store().writes.size(), size_t(10));
}

void TestOptionBehaviour::destroyingWithoutCloseStoresNothing()
{
    // The program ending with the dialog open destroys it without a close.
    open();
    delete fixture_->dialog;
    QVERIFY(store().writes.empty());
    QVERIFY(fixture_->entry.calls.empty());
}

QTEST_MAIN(TestOptionBehaviour)
#include "test_option_behaviour.moc"
