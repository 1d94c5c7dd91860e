// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "app/module1.h"
#include "app/settings_store.h"
#include "app/startup_entry.h"
#include "app/startup_sequence.h"
#include "platform/speech.h"
#include "ui/word_window/bound_label.h"
#include "ui/word_window/image_list.h"
#include "ui/word_window/program_location.h"
#include "words/data_control.h"
#include "words/known_words.h"
#include "words/known_words_file.h"

namespace vorlix {

// What the word window works with; everything outside the window itself.
struct WordWindowServices {
    Module1& settings;
    SettingsStore& store;
    // The single copy, the settings and the word source, with the word window's data control.
    StartupSequence& startup;
    StartupEntry& startupEntry;
    ProgramLocation program;
    // Ends the program at once: nothing is saved and no window is unloaded.
    std::function<void()> quit;
    // Opens a file or URL with the desktop's opener; `failed` runs, perhaps later, when the system
    // cannot open it.
    std::function<void(const QString& target, std::function<void()> failed)> open;
    // The voices, made at the first "Say it": the system's own unless a test gives others. The
    // trouble line they are given may be called on any thread.
    std::function<std::unique_ptr<Speech>(Speech::Trouble)> speech = makeSpeech;
};

// The word window: one line "english  |  spanish" that moves on every few seconds and fits the
// window to itself.
class FrmShow : public QWidget {
    Q_OBJECT
public:
    explicit FrmShow(WordWindowServices services);
    ~FrmShow() override;

    // The start-up sequence. False when another copy runs: this copy then has touched nothing
    // and is to end. The program has usually run its first steps before the window was made.
    bool Form_Load();
    // After Form_Load: opens the word source, shows the first word (or why there is none), shows
    // the window and starts the rotation.
    void Data1_Open();

    void Timer1_Timer();
    void YinPiaoLbl_Change();
    void AdjustSize();

    // Brings the window to the front, for a later start of the program.
    void activate();

    // The word window's elements, named as the rest of the program knows them.
    QLabel* LB;
    QLabel* lb0;
    BoundLabel* YinPiaoLbl;
    BoundLabel* EnglishWordLbl;
    DataControl& Data1;
    QTimer* Timer1;
    ImageList Images;
    QMenu* mnumain;
    QAction* mnustop;
    QAction* mnuknow;
    QAction* mnusay;
    QAction* mnuagain;
    QAction* mnusetup;
    QAction* mnuhelp;
    QAction* link;
    QAction* mnuwebsite;
    QAction* mnuemail;
    QAction* link2;
    QAction* mnuquit;

    void mnustop_Click();
    void mnuknow_Click();
    void mnusay_Click();
    void mnuagain_Click();
    void mnusetup_Click();
    void mnuhelp_Click();
    void mnuwebsite_Click();
    void mnuemail_Click();
    void mnuquit_Click();

    // A line that stands in for the word until the next tick: the word source failed, or a save
    // did not reach the settings store.
    void showNotice(const QString& line);

    QWidget* optionsDialog() const { return options_; }

    // Whether the line shows a word pair, not a notice: what the commands about that pair act on.
    bool pairShown() const { return hasWords_ && !noticeShown_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // `where` is the press in the window's coordinates.
    void Form_MouseDown(Qt::MouseButton button, QPoint where);
    // The second press of a double-click.
    void Form_DblClick(Qt::MouseButton button, QPoint where);
    void BuildMenu();
    void SetMenuIcons();
    void showCurrentRow();
    // Whether every row has come, for a step over the whole set; if the rest cannot be read, the
    // window says so and goes on with the rows it has.
    bool allWordsIn();
    // Once, after the first word is on the screen, so that the start does not wait for it.
    void readKnownWords();
    // What the menu offers as it opens: "I know it" only for a pair, forgetting only what is known.
    void updateMenuItems();
    bool paused() const;
    // Opens `target` for a menu command; where the system cannot, the window says `failure`.
    void openOrSay(const QString& target, const QString& failure);
    double dpi() const;
    // Makes Qt's record of the window's position the window system's.
    void syncPosition();

    WordWindowServices services_;
    KnownWordsFile knownFile_;
    KnownWords known_;
    bool knownRead_ = false;
    bool noticeShown_ = false;
    bool hasWords_ = false;
    QString startNotice_;
    QPointer<QWidget> options_;
    // Where in the window the pointer grabbed it, when no window manager moves it.
    std::optional<QPoint> dragOffset_;
    // Where the window stood at the last left press: a double-click speaks only where it has not
    // moved the window.
    QPoint pressedAt_;
    // Last, so that it goes first: its trouble lines come to this window from another thread.
    std::unique_ptr<Speech> speech_;
};

}  // namespace vorlix
