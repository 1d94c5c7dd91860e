// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <vector>

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

#include "ui/options/option_dialog_fixture.h"
#include "ui/twips.h"

using namespace vorlix;
using namespace Qt::StringLiterals;

class TestOptionLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void windowIsFixedWithCloseBoxOnly();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void categoryButtonsAtTheirPlaces_data();
    void categoryButtonsAtTheirPlaces();
    void tabOrderAsLaidOut();
    void tabEntersCategoriesAtSelectedButton_data();
    void tabEntersCategoriesAtSelectedButton();
    void captionsWholeAndApart();
    void noCaptionHasAnAccessKey();
    void spinControlCoversTwoToEighteen();
    void spinArrowsFillTheControl();

private:
    QRect pixels(int left, int top, int width, int height) const
    {
        const double x = fixture_->dialog->logicalDpiX();
        const double y = fixture_->dialog->logicalDpiY();
        return QRect(twipsToPixels(left, x), twipsToPixels(top, y), twipsToPixels(width, x), twipsToPixels(height, y));
    }

    // Drawn in the design's own face or one of its widths, where every caption fits the design's
    // twips; another face may be wider and the layout then grows to the right.
    bool drawnInDesignWidths() const
    {
        const QString family = QFontInfo(fixture_->dialog->font()).family();
        return family == u"Microsoft Sans Serif" || family == u"Liberation Sans" || family == u"Arimo";
    }

    // The layout keeps the design's twips where the captions fit, and otherwise each control's top
    // and height, growing or moving only to the right.
    void verifyPlace(const QRect& actual, const QRect& design) const
    {
        if (drawnInDesignWidths()) {
            QCOMPARE(actual, design);
            return;
        }
        QCOMPARE(actual.top(), design.top());
        QCOMPARE(actual.height(), design.height());
        QVERIFY(actual.left() >= design.left());
        QVERIFY(actual.width() >= design.width());
    }

    std::optional<OptionDialogFixture> fixture_;
};

void TestOptionLayout::init()
{
    fixture_.emplace();
    fixture_->open();
}

void TestOptionLayout::windowIsFixedWithCloseBoxOnly()
{
    frmOption* dialog = fixture_->dialog;
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Setup Option"));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    verifyPlace(QRect(QPoint(), dialog->minimumSize()), pixels(0, 0, 5175, 5070));
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
}

void TestOptionLayout::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Frame1") << "Frame1"
                            << "frmOption"
                            << "Play Content" << QRect(120, 120, 4935, 3855);
    QTest::newRow("Frame2") << "Frame2"
                            << "frmOption"
                            << "Other Option" << QRect(120, 4080, 4935, 975);
    QTest::newRow("Check4") << "Check4"
                            << "Frame2"
                            << "Start with windows start" << QRect(120, 240, 2475, 255);
    QTest::newRow("Check3") << "Check3"
                            << "Frame2"
                            << "Save setting while quit" << QRect(120, 600, 2535, 255);
    QTest::newRow("Check2") << "Check2"
                            << "Frame2"
                            << "Always On top-screen" << QRect(2760, 600, 2145, 255);
    QTest::newRow("Label2") << "Label2"
                            << "Frame2"
                            << "Display time       s" << QRect(2835, 270, 1935, 195);
    QTest::newRow("Text1") << "Text1"
                           << "Frame2"
                           << "" << QRect(3960, 255, 375, 270);
    QTest::newRow("VScroll2") << "VScroll2"
                              << "Frame2"
                              << "" << QRect(4320, 240, 135, 255);
}

void TestOptionLayout::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    auto* control = fixture_->control<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    verifyPlace(control->geometry(), pixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto* box = qobject_cast<QGroupBox*>(control)) QCOMPARE(box->title(), caption);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) QCOMPARE(button->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
}

void TestOptionLayout::categoryButtonsAtTheirPlaces_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");

    const struct {
        const char* caption;
        int left, top, width;
    } rows[] = {
        {"All", 120, 240, 1020},
        {"Accounting", 2520, 240, 1380},
        {"Businesses", 120, 720, 1500},
        {"Correspondence", 2520, 960, 1620},
        {"Advertising", 120, 480, 1380},
        {"Cardinal Numbers", 2520, 720, 1740},
        {"Economy", 120, 1200, 1020},
        {"Arts", 2520, 480, 1020},
        {"Chemistry", 120, 960, 1260},
        {"Electronics&& Computers", 2520, 1200, 2340},
        {"Entertainment&& Fashion", 120, 1440, 2460},
        {"Insurance", 2520, 1680, 1500},
        {"Nature", 120, 2160, 1620},
        {"Finance", 2520, 1440, 1380},
        {"Kitchen", 120, 1920, 1740},
        {"Occupations", 2520, 2160, 1380},
        {"Iatrology", 120, 1680, 1380},
        {"Motor Vehicles", 2520, 1920, 1740},
        {"Ordinal numbers", 120, 2400, 2340},
        {"Organizational", 2520, 2400, 2460},
        {"Production", 120, 2880, 1500},
        {"Sales", 2520, 3120, 1620},
        {"Petroleum", 120, 2640, 1380},
        {"Real Estate", 2520, 2880, 1740},
        {"Service", 120, 3360, 1380},
        {"Politics", 2520, 2640, 1380},
        {"Religion", 120, 3120, 1740},
        {"Sports", 2520, 3360, 2340},
        {"Time", 120, 3600, 1500},
        {"Weather", 2520, 3600, 1620},
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::addRow("%d %s", index, row.caption) << index << row.caption << row.left << row.top << row.width;
        ++index;
    }
}

void TestOptionLayout::categoryButtonsAtTheirPlaces()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);

    auto* button = fixture_->control<QRadioButton>(QStringLiteral("Option1_%1").arg(index));
    QVERIFY(button);
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(button->text(), caption);
    verifyPlace(button->geometry(), pixels(left, top, width, 195));
    QVERIFY(button->isEnabled());
}

void TestOptionLayout::tabOrderAsLaidOut()
{
    QStringList expected;
    for (int index = 9; index >= 0; --index) expected << QStringLiteral("Option1_%1").arg(index);
    for (int index = 10; index <= 29; ++index) expected << QStringLiteral("Option1_%1").arg(index);
    expected << "Text1"
             << "VScroll2"
             << "Check3"
             << "Check4"
             << "Check2";

    // The chain is a ring; read it once round, starting where the expected order starts.
    QWidget* first = fixture_->control<QWidget>(expected.first());
    QStringList chain;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() != Qt::NoFocus || widget->objectName().startsWith(u"Option1_"))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, expected);
}

void TestOptionLayout::tabEntersCategoriesAtSelectedButton_data()
{
    QTest::addColumn<QString>("guage");
    QTest::newRow("chosen on load") << "14";
    QTest::newRow("already selected as laid out") << "29";
}

void TestOptionLayout::tabEntersCategoriesAtSelectedButton()
{
    QFETCH(QString, guage);
    fixture_->settings.guage = guage.toStdString();
    delete fixture_->dialog;
    frmOption* dialog = fixture_->open();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    fixture_->control<QWidget>("Check2")->setFocus();

    QStringList visited;
    for (int step = 0; step < 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Option1_" + guage, "Text1", "VScroll2", "Check3", "Check4", "Check2"}));
}

void TestOptionLayout::captionsWholeAndApart()
{
    // What each control shows, where it shows it in the dialog, and the group box it belongs in.
    struct Shown {
        QString what;
        QRect where;
        const QWidget* box;
    };
    frmOption* dialog = fixture_->dialog;
    const auto inDialog = [&](const QWidget* control, const QRect& rect) {
        return rect.translated(control->mapTo(dialog, QPoint()));
    };
    // Shown, as the style sheet and the fonts take their effect when the controls are polished.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    std::vector<Shown> shown;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        const bool radio = qobject_cast<QRadioButton*>(button);
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle* style = button->style();
        const QRect indicator = style->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        const QRect contents = style->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        // The caption as drawn, to the fraction of a pixel: where it reaches past its control, the
        // last letter is cut.
        const QString caption = QString(button->text()).replace(u"&&"_s, u"&"_s);
        const QFontMetricsF metrics(button->font());
        const QRectF text(contents.left(), QRectF(contents).center().y() - metrics.height() / 2,
                          metrics.horizontalAdvance(caption), metrics.height());
        QVERIFY2(button->rect().contains(indicator), qPrintable(caption));
        QVERIFY2(QRectF(contents).contains(text), qPrintable(caption));
        QVERIFY2(QRectF(button->rect()).contains(text), qPrintable(caption));
        shown.push_back({caption, inDialog(button, indicator.united(text.toAlignedRect())), button->parentWidget()});
    }
    auto* label = fixture_->control<QLabel>("Label2");
    const QFontMetricsF labelMetrics(label->font());
    QVERIFY(labelMetrics.height() <= label->height());
    const QRectF words(0, 0, labelMetrics.horizontalAdvance(u"Display time"_s), labelMetrics.height());
    shown.push_back({u"Display time"_s, inDialog(label, words.toAlignedRect()), label->parentWidget()});
    for (const char* name : {"Text1", "VScroll2"}) {
        auto* control = fixture_->control<QWidget>(name);
        shown.push_back({name, inDialog(control, control->rect()), control->parentWidget()});
    }

    // Each inside its group box's frame line, and none on another, except the arrows, which are
    // laid over the time box's right edge.
    for (const Shown& one : shown) {
        const QRect inside = inDialog(one.box, one.box->rect()).adjusted(1, 1, -1, -1);
        QVERIFY2(inside.contains(one.where), qPrintable(one.what));
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i].what == u"Text1" && shown[j].what == u"VScroll2") continue;
            QVERIFY2(!shown[i].where.intersects(shown[j].where), qPrintable(shown[i].what + u" / "_s + shown[j].what));
        }
    }

    // The time box holds the longest time.
    auto* text = fixture_->control<QLineEdit>("Text1");
    QStyleOptionFrame frame;
    frame.initFrom(text);
    frame.lineWidth = text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, text);
    const QRect contents = text->style()->subElementRect(QStyle::SE_LineEditContents, &frame, text);
    const QFontMetrics textMetrics(text->font());
    QVERIFY(textMetrics.horizontalAdvance("18") <= contents.width());
    QVERIFY(textMetrics.height() <= contents.height());
}

void TestOptionLayout::noCaptionHasAnAccessKey()
{
    for (QAbstractButton* button : fixture_->dialog->findChildren<QAbstractButton*>())
        QVERIFY2(QKeySequence::mnemonic(button->text()).isEmpty(), qPrintable(button->text()));
    for (QGroupBox* box : fixture_->dialog->findChildren<QGroupBox*>())
        QVERIFY(QKeySequence::mnemonic(box->title()).isEmpty());
}

void TestOptionLayout::spinControlCoversTwoToEighteen()
{
    // The control stands at minus the seconds: its upper arrow (the step towards its minimum)
    // lengthens the time.
    auto* spin = fixture_->control<QScrollBar>("VScroll2");
    QCOMPARE(spin->orientation(), Qt::Vertical);
    QCOMPARE(spin->singleStep(), 1);
    QCOMPARE(spin->value(), -5);
    for (int click = 0; click < 25; ++click) spin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(spin->value(), -18);
    for (int click = 0; click < 25; ++click) spin->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(spin->value(), -2);
    spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(spin->value(), -2);
}

void TestOptionLayout::spinArrowsFillTheControl()
{
    // Every row of the control is one of its two arrows, the upper half the upper one: nothing
    // between them, so a click anywhere on it moves the time by a second.
    auto* spin = fixture_->control<QScrollBar>("VScroll2");
    fixture_->dialog->show();
    int upperRows = 0;
    for (int row = 0; row < spin->height(); ++row) {
        spin->setValue(-5);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, row));
        const bool upper = spin->value() == -6;
        QVERIFY2(upper ? row == upperRows : spin->value() == -4, qPrintable(u"row "_s + QString::number(row)));
        upperRows += upper;
    }
    QVERIFY(qAbs(spin->height() - 2 * upperRows) <= 1);
}

QTEST_MAIN(TestOptionLayout)
#include "test_option_layout.moc"
