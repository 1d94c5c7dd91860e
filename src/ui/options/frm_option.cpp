// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/frm_option.h"

#include <utility>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>

#include "ui/fonts.h"
#include "ui/options/display_time.h"
#include "ui/options/option_layout.h"
#include "ui/options/spin_arrows_style.h"

namespace vorlix {

namespace {

QString startupEntryNotChanged()
{
    return QStringLiteral("Start at log-on not changed: the log-on entry cannot be written");
}

// Two looks the layout was made for: the group box's title sits in its top line, which runs
// through the title's middle, so the first row of buttons stands clear below it; and a radio
// indicator no taller than its button, which is shorter than some styles' default indicator.
QString classicLookStyleSheet(int radioButtonHeight, int titleHeight)
{
    return QStringLiteral(
               "QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"
               "QRadioButton::indicator { width: %2px; height: %2px; }")
        .arg(titleHeight / 2)
        .arg(radioButtonHeight);
}

// VScroll2 stands at minus the seconds: the upper arrow of a vertical scroll bar leads towards its
// minimum, and the upper arrow is the one that lengthens the time.
int spinPosition(int seconds)
{
    return -seconds;
}

int secondsAt(int spinPosition)
{
    return -spinPosition;
}

}  // namespace

// With its system menu, as Windows shows a window's icon in its title bar only then: Qt gives a
// dialog with a close box and no system menu a modal frame, which shows none.
frmOption::frmOption(Module1& settings, SettingsStore& store, StartupEntry& entry, std::string executablePath,
                     QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings),
      store_(store),
      entry_(entry),
      executablePath_(std::move(executablePath))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("Setup Option"));
    // The classic dialog face, 8 pt, for the dialog and all its controls.
    setFont(designFont(DesignFace::MicrosoftSansSerif, 8));
    createControls();
    placeControls();
    chainTabOrder();

    connect(Check2, &QCheckBox::toggled, this, &frmOption::Check2_Click);
    connect(Check3, &QCheckBox::toggled, this, &frmOption::Check3_Click);
    connect(Check4, &QCheckBox::toggled, this, &frmOption::Check4_Click);
    connect(VScroll2, &QScrollBar::valueChanged, this, &frmOption::VScroll2_Change);
    connect(Text1, &QLineEdit::editingFinished, this, &frmOption::Text1_Validate);
    for (QRadioButton* button : Option1)
        connect(button, &QRadioButton::toggled, this, &frmOption::keepTabOnSelectedCategory);
    keepTabOnSelectedCategory();

    Form_Load();
}

frmOption::~frmOption()
{
    // The controls outlive this part of the dialog: a box that loses focus as it goes would
    // otherwise call a handler of a dialog already half destroyed.
    for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

void frmOption::createControls()
{
    using namespace option_layout;
    const auto named = [](QWidget* control, const QString& name) { control->setObjectName(name); };

    Frame1 = new QGroupBox(QStringLiteral("Play Content"), this);
    named(Frame1, QStringLiteral("Frame1"));
    for (int index = 0; index < kCategoryCount; ++index) {
        const std::string_view caption = kCategories[size_t(index)].caption;
        auto* button = new QRadioButton(QString::fromUtf8(caption.data(), qsizetype(caption.size())), Frame1);
        named(button, QStringLiteral("Option1_%1").arg(index));
        Option1[size_t(index)] = button;
    }
    Option1[kFirstRunCategory]->setChecked(true);

    Frame2 = new QGroupBox(QStringLiteral("Other Option"), this);
    named(Frame2, QStringLiteral("Frame2"));
    Check4 = new QCheckBox(QStringLiteral("Start with windows start"), Frame2);
    named(Check4, QStringLiteral("Check4"));
    Check3 = new QCheckBox(QStringLiteral("Save setting while quit"), Frame2);
    named(Check3, QStringLiteral("Check3"));
    Check2 = new QCheckBox(QStringLiteral("Always On top-screen"), Frame2);
    named(Check2, QStringLiteral("Check2"));
    // Made before the time box and its arrows, which overlap its right part and are drawn above it.
    Label2 = new QLabel(QStringLiteral("Display time       s"), Frame2);
    named(Label2, QStringLiteral("Label2"));
    Text1 = new QLineEdit(Frame2);
    named(Text1, QStringLiteral("Text1"));
    // Digits only, two at most, as nothing else can be a display time; a number out of range is put
    // back when the box is left (Text1_Validate).
    Text1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), Text1));
    VScroll2 = new QScrollBar(Qt::Vertical, Frame2);
    named(VScroll2, QStringLiteral("VScroll2"));
    // The upper arrow, the Up key and the wheel turned up lengthen the time; Page Up and Page Down
    // move one second as well.
    VScroll2->setRange(spinPosition(kVScroll2Max), spinPosition(kVScroll2Min));
    VScroll2->setSingleStep(1);
    VScroll2->setPageStep(1);
    VScroll2->setValue(spinPosition(kVScroll2Initial));
    // Drawn as two arrows that fill it. A widget does not own the style it is given: the scroll bar
    // holds it as a child.
    auto* spinArrows = new SpinArrowsStyle;
    VScroll2->setStyle(spinArrows);
    spinArrows->setParent(VScroll2);
    // It has its place in the Tab order, which Qt scroll bars lack by default.
    VScroll2->setFocusPolicy(Qt::StrongFocus);
    // Neither has a caption of its own: a screen reader would name them by their group box, "Other
    // Option", and they are named by the words beside them instead.
    Text1->setAccessibleName(QStringLiteral("Display time"));
    VScroll2->setAccessibleName(QStringLiteral("Display time"));
}

void frmOption::placeControls()
{
    using namespace option_layout;
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const int buttonHeight = toPixels(option1Rect(0), dpiX, dpiY).height();
    setStyleSheet(classicLookStyleSheet(buttonHeight, QFontMetrics(font()).height()));
    // A style sheet stops the dialog's font from passing to its controls, which would take the
    // application's instead: each is given it.
    for (QWidget* control : findChildren<QWidget*>()) control->setFont(font());

    // What each caption needs in this font and style, which may be wider than the design's face.
    CaptionWidths captions;
    for (int index = 0; index < kCategoryCount; ++index)
        captions.option1[size_t(index)] = Option1[size_t(index)]->sizeHint().width();
    captions.check4 = Check4->sizeHint().width();
    captions.check3 = Check3->sizeHint().width();
    captions.check2 = Check2->sizeHint().width();
    captions.displayTime = Label2->fontMetrics().horizontalAdvance(QStringLiteral("Display time"));

    const OptionGeometry layout = layOut(dpiX, dpiY, captions);
    setFixedSize(layout.client);
    Frame1->setGeometry(layout.frame1);
    for (int index = 0; index < kCategoryCount; ++index)
        Option1[size_t(index)]->setGeometry(layout.option1[size_t(index)]);
    Frame2->setGeometry(layout.frame2);
    Check4->setGeometry(layout.check4);
    Check3->setGeometry(layout.check3);
    Check2->setGeometry(layout.check2);
    Label2->setGeometry(layout.label2);
    Text1->setGeometry(layout.text1);
    VScroll2->setGeometry(layout.vscroll2);
}

void frmOption::chainTabOrder()
{
    // The category buttons enter the chain from "Electronics&& Computers" (9) down to "All" (0),
    // then from 10 up; inside their group only the selected one takes Tab.
    std::vector<QWidget*> order;
    for (int index = 9; index >= 0; --index) order.push_back(Option1[size_t(index)]);
    for (int index = 10; index < kCategoryCount; ++index) order.push_back(Option1[size_t(index)]);
    order.insert(order.end(), {Text1, VScroll2, Check3, Check4, Check2});
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmOption::keepTabOnSelectedCategory()
{
    // Tab enters the category group at its selected button, as in any group of option buttons;
    // Qt sees to that only once a button has had the focus, so a selection made by Form_Load or
    // from outside is followed here.
    for (QRadioButton* button : Option1) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void frmOption::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the dialog as its close box does, as in any dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmOption::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmOption::Form_Load()
{
    Option1[size_t(effectiveCategory(settings_.guage))]->setChecked(true);
    Text1->setText(secondsText(settings_.n));
    if (const std::optional<int> seconds = spinSeconds(settings_.n)) {
        // Only puts the arrows where n already is; n itself stays as stored.
        const QSignalBlocker quiet(VScroll2);
        VScroll2->setValue(spinPosition(*seconds));
    }
    // Each box is checked for the value its click would write; a box that changes runs its click.
    // Any non-zero ontop keeps the window on top, while ssave and mark act only at exactly 1.
    Check2->setChecked(settings_.ontop != 0);
    Check3->setChecked(settings_.ssave == 1);
    Check4->setChecked(settings_.mark == 1);
}

void frmOption::Check2_Click()
{
    settings_.ontop = Check2->isChecked() ? 1 : 0;
}

void frmOption::Check3_Click()
{
    settings_.ssave = Check3->isChecked() ? 1 : 0;
}

void frmOption::Check4_Click()
{
    settings_.mark = Check4->isChecked() ? 1 : 0;
}

void frmOption::VScroll2_Change()
{
    settings_.n = static_cast<int16_t>(secondsAt(VScroll2->value()) * 1000);
    Text1->setText(secondsText(settings_.n));
}

void frmOption::Text1_Validate()
{
    if (!Text1->isModified()) return;
    if (const std::optional<int> seconds = typedSeconds(Text1->text())) {
        // Exactly what an arrow click does, also when the arrows already stand at that value.
        {
            const QSignalBlocker quiet(VScroll2);
            VScroll2->setValue(spinPosition(*seconds));
        }
        VScroll2_Change();
    } else {
        Text1->setText(secondsText(settings_.n));
    }
}

void frmOption::Form_Unload()
{
    // A time typed but not yet confirmed counts, as it would on leaving the box.
    Text1_Validate();
    for (int index = 0; index < kCategoryCount; ++index) {
        if (Option1[size_t(index)]->isChecked()) settings_.guage = std::to_string(index);
    }
    QStringList failures;
    if (settings_.ssave == 1) {
        if (!UpdateStartupEntry(settings_, entry_, executablePath_)) failures << startupEntryNotChanged();
        if (!SaveAllSettings(store_, settings_)) failures << QString::fromLatin1(kSettingsNotSavedMessage);
    } else if (!SaveSsaveOnly(store_, settings_)) {
        failures << QString::fromLatin1(kSettingsNotSavedMessage);
    }
    if (!failures.isEmpty()) emit saveFailed(failures.join(u'\n'));
}

}  // namespace vorlix
