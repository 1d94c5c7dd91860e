// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/frm_show.h"

#include <filesystem>
#include <string>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include "platform/platform.h"
#include "ui/fonts.h"
#include "ui/options/frm_option.h"
#include "ui/twips.h"
#include "ui/word_window/fit.h"
#include "ui/word_window/help_path.h"
#include "ui/word_window/maker.h"
#include "ui/word_window/qt_text_measurer.h"
#include "words/categories.h"
#include "words/rotation.h"
#include "words/today.h"
#include "words/word_source_message.h"

namespace vorlix {

namespace {

const QString kPause = QStringLiteral("&Pause");
const QString kContinue = QStringLiteral("&Continue");

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString knownCount(size_t count, const char* one, const char* many)
{
    return count == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(count);
}

// Forgetting is asked once, in a small box of the program's own above the word window.
bool askToShowAgain(QWidget& window, size_t count)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vorlix"),
                    knownCount(count, "Show the known word again, as often as the others?",
                               "Show the %1 known words again, as often as the others?"),
                    QMessageBox::Yes | QMessageBox::No, &window);
    box.setDefaultButton(QMessageBox::No);
    box.setFont(designFont(DesignFace::MicrosoftSansSerif, 8));
    offerCloseBoxOnly(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

FrmShow::FrmShow(WordWindowServices services)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      Data1(services.startup.words()),
      Images(QSize(16, 16), QColor(192, 192, 192)),
      services_(std::move(services)),
      knownFile_(services_.startup.learnerFolder())
{
    setWindowTitle(QString());
    // The title stays empty, as the window has no title bar; a screen reader switching to the window
    // says the program's name.
    setAccessibleName(QStringLiteral("Vorlix"));
    setWindowIcon(programIcon());
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, wordWindowBackground());
    setPalette(look);
    resize(twipsToPixels(5100, dpi()), twipsToPixels(2625, dpi()));
    // First placement: centred on the screen at the design size. The first word's fit keeps the
    // top-left corner, as every later one does, and pulls a window that sticks out back sideways.
    if (const QScreen* where = QGuiApplication::primaryScreen()) {
        const QRect area = where->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }

    LB = new QLabel(this);
    setUpLineLabel(*LB);
    QPalette text = LB->palette();
    text.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    LB->setPalette(text);
    LB->setGeometry(twipsToPixels(120, dpi()), twipsToPixels(120, dpi()), twipsToPixels(4800, dpi()),
                    twipsToPixels(240, dpi()));
    LB->installEventFilter(this);

    // Holds the line on one line; never shown.
    lb0 = new QLabel(this);
    lb0->setFont(LB->font());
    lb0->setTextFormat(Qt::PlainText);
    lb0->hide();

    // The bound labels only hold the row's values for the line; they are not part of what is shown.
    YinPiaoLbl = new BoundLabel(QStringLiteral("english"), this);
    EnglishWordLbl = new BoundLabel(QStringLiteral("spanish"), this);
    for (BoundLabel* bound : {YinPiaoLbl, EnglishWordLbl}) {
        bound->setFont(designFont(DesignFace::Arial, 9));
        bound->hide();
    }
    connect(YinPiaoLbl, &BoundLabel::Change, this, &FrmShow::YinPiaoLbl_Change);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FrmShow::Timer1_Timer);

    fillMenuImages(Images);
    BuildMenu();
}

FrmShow::~FrmShow()
{
    // The dialog goes with the word window without being unloaded: nothing is stored.
    delete options_;
}

double FrmShow::dpi() const
{
    return logicalDpiX();
}

bool FrmShow::Form_Load()
{
    // The single copy, the settings and the word source; run by now where the program started
    // them before the toolkit, so that the word reader is at work while the window is made.
    if (!services_.startup.run()) return false;

    const Module1& m = services_.settings;
    applyStacking(*this, m.ontop != 0);
    Timer1->setInterval(m.n);
    LB->move(twipsToPixels(60, dpi()), twipsToPixels(80, dpi()));
    SetMenuIcons();

    if (!services_.startup.settingsSaved()) startNotice_ = QString::fromLatin1(kSettingsNotSavedMessage);
    return true;
}

void FrmShow::Data1_Open()
{
    const int category = effectiveCategory(services_.settings.guage);
    hasWords_ = Data1.Refresh() && Data1.recordset().RecordCount() > 0;
    if (hasWords_) {
        showCurrentRow();
    } else {
        // With no failure, the query simply found no rows: the message names the empty category.
        showNotice(QString::fromStdString(
            wordSourceMessage(Data1.failure(), Data1.detail(), services_.startup.wordFolder(), category)));
    }
    if (!startNotice_.isEmpty()) showNotice(startNotice_);
    show();
    Timer1->start();
}

void FrmShow::Timer1_Timer()
{
    if (!hasWords_ || !allWordsIn()) return;
    if (noticeShown_) {
        // The notice stood in for the current word; show it before moving on.
        showCurrentRow();
        return;
    }
    // The clock is asked only while some pair is known: on Linux it reads the time zone anew each time.
    Recordset& words = Data1.recordset();
    if (known_.empty() ? moveToNextWord(words) : moveToNextDueWord(words, known_, today())) showCurrentRow();
}

bool FrmShow::allWordsIn()
{
    // The rest of the words have long come by now, unless the disk is slow; the walk through
    // them goes on over the whole set, never over the part read so far.
    if (!Data1.loading() || Data1.finishLoading()) return true;
    showNotice(QString::fromStdString(unreadRestMessage(Data1.detail(), services_.startup.wordFolder())));
    return false;
}

void FrmShow::showCurrentRow()
{
    noticeShown_ = false;
    for (BoundLabel* bound : {YinPiaoLbl, EnglishWordLbl}) bound->takeValue(Data1.recordset());
    for (BoundLabel* bound : {YinPiaoLbl, EnglishWordLbl}) bound->raiseChange();
}

void FrmShow::YinPiaoLbl_Change()
{
    LB->setText(shownLine(YinPiaoLbl->text() + QStringLiteral("  ") + QStringLiteral("|") + QStringLiteral("  ") +
                          EnglishWordLbl->text()));
    AdjustSize();
}

void FrmShow::showNotice(const QString& line)
{
    noticeShown_ = true;
    LB->setText(shownLine(line));
    AdjustSize();
    // It stands a whole display time: a notice that comes after a command that kept the window busy
    // would otherwise go with the tick that fell due meanwhile.
    if (Timer1->isActive()) Timer1->start();
}

void FrmShow::AdjustSize()
{
    lb0->setText(LB->text());
    const QtTextMeasurer measure(*LB);
    const LineFit fit = fitLine(LB->text().toStdString(), measure);
    LB->setText(measure.breakableAt(LB->text(), fit.labelWidth));
    LB->resize(measure.labelPixels(fit.labelWidth), twipsToPixels(fit.labelHeight, dpi()));
    // Qt resizes a window where it thinks the window stands.
    syncPosition();
    resize(LB->width() + twipsToPixels(kWindowExtraWidth, dpi()),
           LB->height() + twipsToPixels(kWindowExtraHeight, dpi()));

    // Sideways back onto the screen that holds the window, so a second monitor keeps it.
    const QScreen* where = QGuiApplication::screenAt(frameGeometry().center());
    if (!where) where = screen();
    if (where) {
        const QRect area = where->geometry();
        const float left = clampLeft(static_cast<float>(x()), static_cast<float>(width()),
                                     static_cast<float>(area.left()), static_cast<float>(area.left() + area.width()));
        if (static_cast<int>(left) != x()) move(static_cast<int>(left), y());
    }
    // One paint for all of the above, when the tick has been handled.
    update();
}

void FrmShow::syncPosition()
{
    // Qt resizes the window, starts the window manager's move and maps points to the screen by its
    // own record of where the window stands. Where that record has fallen behind (see
    // windowPosition), it is set to the window's true place, which leaves the window where it is.
    const QPoint at = windowPosition(*this);
    if (at != pos()) move(at);
}

void FrmShow::activate()
{
    show();
    raise();
    activateWindow();
}

void FrmShow::paintEvent(QPaintEvent*)
{
    // The thin frame: the window manager draws none on a frameless window. It is one device pixel
    // on the window's very edge at every scale, drawn in device pixels: at 150 % a logical pixel
    // covers one and a half of them, and a line one logical pixel in from the edge would miss it.
    QPainter painter(this);
    const qreal scale = painter.deviceTransform().m11();
    const QSize device = (QSizeF(size()) * scale).toSize();
    painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));
    const QColor frame = palette().color(QPalette::Dark);
    for (const QRect edge : {QRect(0, 0, device.width(), 1), QRect(0, device.height() - 1, device.width(), 1),
                             QRect(0, 0, 1, device.height()), QRect(device.width() - 1, 0, 1, device.height())})
        painter.fillRect(edge, frame);
}

void FrmShow::closeEvent(QCloseEvent*)
{
    // Closed by the window manager (Alt+F4, a task manager): the program ends as by Exit, instead of
    // running on with no window.
    services_.quit();
}

// ---- mouse: dragging and the pop-up menu ----

void FrmShow::Form_MouseDown(Qt::MouseButton button, QPoint where)
{
    if (button == Qt::RightButton) mnumain->exec(QCursor::pos());
    if (button == Qt::LeftButton) {
        // The window manager's own move starts from the pointer's place on the screen, which Qt
        // works out from where it thinks the window stands.
        syncPosition();
        pressedAt_ = windowPosition(*this);
        // Without a window manager that moves windows, the window follows the pointer here.
        const bool systemMove = windowHandle() && windowHandle()->startSystemMove();
        if (!systemMove) dragOffset_ = where;
    }
}

void FrmShow::Form_DblClick(Qt::MouseButton button, QPoint where)
{
    // Qt sends this in place of the second press. The first one handed the window to the window
    // manager's move; where that moved nothing, the second says the pair instead of starting another
    // move, and after a move it is a press of its own.
    if (button != Qt::LeftButton || windowPosition(*this) != pressedAt_) return Form_MouseDown(button, where);
    mnusay_Click();
}

void FrmShow::keyPressEvent(QKeyEvent* event)
{
    // The menu from the keyboard, as desktop programs offer it: the Menu key, or Shift+F10. It
    // opens at the start of the line, where the window really stands.
    const bool menuKey = (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) return QWidget::keyPressEvent(event);
    syncPosition();
    mnumain->exec(mapToGlobal(LB->pos()));
}

void FrmShow::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->button(), event->position().toPoint());
}

void FrmShow::mouseMoveEvent(QMouseEvent* event)
{
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) move(event->globalPosition().toPoint() - *dragOffset_);
}

void FrmShow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) dragOffset_.reset();
}

void FrmShow::mouseDoubleClickEvent(QMouseEvent* event)
{
    Form_DblClick(event->button(), event->position().toPoint());
}

bool FrmShow::eventFilter(QObject* watched, QEvent* event)
{
    // The first word is on the screen: the rest of the words may be read now.
    if (watched == LB && event->type() == QEvent::Paint) {
        Data1.readTheRest();
        if (!knownRead_) QTimer::singleShot(0, this, &FrmShow::readKnownWords);
    }
    if (watched == LB && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        // A press on the word line acts as one on the window.
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint where = LB->mapTo(this, press->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress)
            Form_MouseDown(press->button(), where);
        else
            Form_DblClick(press->button(), where);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- the pop-up menu and its commands ----

void FrmShow::BuildMenu()
{
    mnumain = new QMenu(this);
    mnumain->setFont(designFont(DesignFace::Tahoma, 8.25));
    mnustop = mnumain->addAction(kPause, this, &FrmShow::mnustop_Click);
    mnuknow = mnumain->addAction(QStringLiteral("I &know it"), this, &FrmShow::mnuknow_Click);
    mnusay = mnumain->addAction(QStringLiteral("&Say it"), this, &FrmShow::mnusay_Click);
    // Its caption counts what it forgets; it shows only while there is something to forget.
    mnuagain = mnumain->addAction(QString(), this, &FrmShow::mnuagain_Click);
    mnuagain->setVisible(false);
    mnusetup = mnumain->addAction(QStringLiteral("&Option"), this, &FrmShow::mnusetup_Click);
    mnuhelp = mnumain->addAction(QStringLiteral("&Help"), this, &FrmShow::mnuhelp_Click);
    link = mnumain->addSeparator();
    mnuwebsite = mnumain->addAction(QStringLiteral("&Website"), this, &FrmShow::mnuwebsite_Click);
    mnuemail = mnumain->addAction(QStringLiteral("E_mail"), this, &FrmShow::mnuemail_Click);
    link2 = mnumain->addSeparator();
    mnuquit = mnumain->addAction(QStringLiteral("&Exit"), this, &FrmShow::mnuquit_Click);
    connect(mnumain, &QMenu::aboutToShow, this, &FrmShow::updateMenuItems);
}

void FrmShow::updateMenuItems()
{
    readKnownWords();
    mnuknow->setEnabled(pairShown());
    mnusay->setEnabled(pairShown());
    mnuagain->setVisible(!known_.empty());
    mnuagain->setText(knownCount(known_.size(), "Show 1 known word &again", "Show %1 known words &again"));
}

void FrmShow::SetMenuIcons()
{
    const std::pair<QAction*, const char*> icons[] = {
        {mnustop, "stop"}, {mnuknow, "known"},   {mnusay, "say"},    {mnuagain, "again"}, {mnusetup, "properties"},
        {mnuhelp, "help"}, {mnuwebsite, "site"}, {mnuemail, "mail"}, {mnuquit, "exit"},
    };
    for (const auto& [item, key] : icons) item->setIcon(Images.icon(key));
}

void FrmShow::mnustop_Click()
{
    if (mnustop->text() == kPause) {
        Timer1->stop();
        mnustop->setText(kContinue);
    } else {
        mnustop->setText(kPause);
        Timer1->start();
    }
}

bool FrmShow::paused() const
{
    return mnustop->text() != kPause;
}

void FrmShow::readKnownWords()
{
    if (knownRead_) return;
    knownRead_ = true;
    if (const std::string problem = knownFile_.read(known_); !problem.empty())
        return showNotice(QString::fromStdString(problem));
    // The first word came before the learner's marks were read: one whose day has not come gives
    // way at once to the next one due, which then stands a whole display time.
    if (pairShown() && !currentWordDue(Data1.recordset(), known_, today())) {
        Timer1_Timer();
        if (Timer1->isActive()) Timer1->start();
    }
}

void FrmShow::mnuknow_Click()
{
    readKnownWords();
    if (!pairShown() || !allWordsIn()) return;
    Recordset& words = Data1.recordset();
    const std::string_view english = words.value(words.columnIndex("english"));
    const Day day = today();
    KnownWords marked = known_;
    const Day back = marked.mark(english, words.value(words.columnIndex("spanish")), day);
    if (!(marked == known_)) {
        if (const std::string problem = knownFile_.write(marked); !problem.empty())
            return showNotice(QString::fromStdString(problem));
        known_ = std::move(marked);
    }
    const int days = static_cast<int>((back - day).count());
    // One arg() for all three, so that a "%2" in the word itself stays as it is.
    const QString notice =
        QStringLiteral("%1: back in %2 %3")
            .arg(fromUtf8(english), QString::number(days), days == 1 ? QStringLiteral("day") : QStringLiteral("days"));
    // The next word due is made current now, and shown once the notice has stood its time.
    moveToNextDueWord(words, known_, day);
    showNotice(notice);
    // Paused, the timer stands still: the next word comes after one display time all the same, and
    // the walk stays paused. Continued meanwhile, the timer's next tick brings it.
    if (paused()) {
        QTimer::singleShot(Timer1->interval(), this, [this] {
            if (noticeShown_ && paused()) showCurrentRow();
        });
    }
}

void FrmShow::mnuagain_Click()
{
    readKnownWords();
    if (known_.empty() || !askToShowAgain(*this, known_.size())) return;
    if (const std::string problem = knownFile_.write(KnownWords()); !problem.empty())
        return showNotice(QString::fromStdString(problem));
    known_.forgetAll();
}

void FrmShow::mnusay_Click()
{
    if (!pairShown()) return;
    if (!speech_) {
        // What the speech cannot say comes from its own thread; the window shows it on its own.
        speech_ = services_.speech([this](const std::string& line) {
            QMetaObject::invokeMethod(
                this, [this, notice = QString::fromStdString(line)] { showNotice(notice); }, Qt::QueuedConnection);
        });
    }
    // A row without one of its words says the other.
    std::vector<SpokenText> pair;
    for (const auto& [bound, language] :
         {std::pair{YinPiaoLbl, Language::English}, {EnglishWordLbl, Language::Spanish}})
        if (!bound->text().isEmpty()) pair.push_back({bound->text().toStdString(), language});
    speech_->say(std::move(pair));
}

void FrmShow::mnusetup_Click()
{
    if (!options_) {
        const ProgramLocation& program = services_.program;
        // Owned by no window, so that the window system places it as any new window rather than
        // over the word window; kept above other windows while the word window is, so that it does
        // not open beneath it; and with the word window's icon in its title bar and task-bar button.
        auto* dialog = new frmOption(services_.settings, services_.store, services_.startupEntry,
                                     executablePath(program.folder, program.executableFileName, kNativePathStyle));
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        dialog->setWindowIcon(windowIcon());
        offerCloseBoxOnly(*dialog);
        placeAsANewWindow(*dialog);
        connect(dialog, &frmOption::saveFailed, this, &FrmShow::showNotice);
        options_ = dialog;
    }
    // Back from wherever it is, minimised or behind other windows: its settings are stored only
    // when it closes.
    options_->showNormal();
    options_->raise();
    options_->activateWindow();
}

void FrmShow::openOrSay(const QString& target, const QString& failure)
{
    services_.open(target, [this, failure] { showNotice(failure); });
}

void FrmShow::mnuhelp_Click()
{
    std::string help = helpFilePath(services_.program);
    std::error_code ec;
    if (!std::filesystem::exists(help, ec)) help = shippedHelpPath(services_.program);
    const QString path = QString::fromStdString(help);
    openOrSay(QUrl::fromLocalFile(path).toString(), QStringLiteral("The help page could not be opened: ") + path);
}

void FrmShow::mnuwebsite_Click()
{
    const QString site = QString::fromLatin1(kMakerWebSite);
    openOrSay(site, QStringLiteral("The web site could not be opened: ") + site);
}

void FrmShow::mnuemail_Click()
{
    const QString address = QString::fromLatin1(kMakerEmail);
    openOrSay(QStringLiteral("mailto:") + address, QStringLiteral("No e-mail program could be opened for ") + address);
}

void FrmShow::mnuquit_Click()
{
    services_.quit();
}

}  // namespace vorlix
