// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/frm_show.h"

#include <filesystem>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
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
#include "words/word_source_message.h"

namespace vorlix {

namespace {

const QString kPause = QStringLiteral("&Pause");
const QString kContinue = QStringLiteral("&Continue");

}  // namespace

FrmShow::FrmShow(WordWindowServices services)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      Data1(services.startup.words()),
      Images(QSize(16, 16), QColor(192, 192, 192)),
      services_(std::move(services))
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
    if (!hasWords_) return;
    // The rest of the words have long come by now, unless the disk is slow; the walk through
    // them goes on over the whole set, never over the part read so far.
    if (Data1.loading() && !Data1.finishLoading()) {
        showNotice(QString::fromStdString(unreadRestMessage(Data1.detail(), services_.startup.wordFolder())));
        return;
    }
    if (noticeShown_) {
        // The notice stood in for the current word; show it before moving on.
        showCurrentRow();
        return;
    }
    if (moveToNextWord(Data1.recordset())) showCurrentRow();
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
        // Without a window manager that moves windows, the window follows the pointer here.
        const bool systemMove = windowHandle() && windowHandle()->startSystemMove();
        if (!systemMove) dragOffset_ = where;
    }
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

bool FrmShow::eventFilter(QObject* watched, QEvent* event)
{
    // The first word is on the screen: the rest of the words may be read now.
    if (watched == LB && event->type() == QEvent::Paint) Data1.readTheRest();
    if (watched == LB && event->type() == QEvent::MouseButtonPress) {
        // A press on the word line acts as one on the window.
        const auto* press = static_cast<QMouseEvent*>(event);
        Form_MouseDown(press->button(), LB->mapTo(this, press->position().toPoint()));
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
    mnusetup = mnumain->addAction(QStringLiteral("&Option"), this, &FrmShow::mnusetup_Click);
    mnuhelp = mnumain->addAction(QStringLiteral("&Help"), this, &FrmShow::mnuhelp_Click);
    link = mnumain->addSeparator();
    mnuwebsite = mnumain->addAction(QStringLiteral("&Website"), this, &FrmShow::mnuwebsite_Click);
    mnuemail = mnumain->addAction(QStringLiteral("E_mail"), this, &FrmShow::mnuemail_Click);
    link2 = mnumain->addSeparator();
    mnuquit = mnumain->addAction(QStringLiteral("&Exit"), this, &FrmShow::mnuquit_Click);
}

void FrmShow::SetMenuIcons()
{
    const std::pair<QAction*, const char*> icons[] = {
        {mnustop, "stop"},    {mnusetup, "properties"}, {mnuhelp, "help"},
        {mnuwebsite, "site"}, {mnuemail, "mail"},       {mnuquit, "exit"},
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
