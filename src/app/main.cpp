// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/module1.h"
#include "app/quit_after_first_paint.h"
#include "app/startup_sequence.h"
#include "platform/command_line.h"
#include "platform/local_single_copy.h"
#include "platform/platform.h"
#include "platform/program_arguments.h"
#include "ui/word_window/frm_show.h"

using namespace vorlix;

namespace {

// What Qt says while it connects to the display, held back. Where it finds none, it ends the
// program with a message that tells to reinstall it, after lines that name the plugins it tried;
// the user gets one line that says what is missing instead, and status 1. Otherwise what it said
// goes out as it would have.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

void holdOrEndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category, text});
        return;
    }
    const QString reason = heldMessages.empty() ? text.section(u'\n', 0, 0) : heldMessages.front().text;
    std::fprintf(stderr, "vorlix: no display to show the word window on (%s)\n", qPrintable(reason.trimmed()));
    std::_Exit(1);
}

void passHeldMessagesOn(QtMessageHandler handler)
{
    for (const HeldMessage& message : heldMessages)
        handler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    heldMessages.clear();
}

}  // namespace

int main(int argc, char* argv[])
{
    const QFileInfo executable(QString::fromStdString(programFile()));
    ProgramLocation program;
    program.folder = QDir::toNativeSeparators(executable.absolutePath()).toStdString();
    program.executableFileName = executable.fileName().toStdString();
    program.separator = QDir::separator().toLatin1();
    // --help and --version are answered before the single copy, so they never bring a copy forward.
    if (const std::optional<int> status = answerProgramArguments(argc, argv, program.folder)) return *status;

    // Before the toolkit starts: the single copy, the settings, and the word reader, which then
    // opens the word database and runs the query while Qt connects to the display and loads its
    // fonts. A second copy ends here, having read nothing.
    LocalSingleCopy singleCopy(singleCopyKeyForCurrentUser());
    std::unique_ptr<SettingsStore> store;
    Module1 settings;
    DataControl words;
    StartupSequence startup({singleCopy,
                             [&store]() -> SettingsStore& {
                                 store = makeSettingsStore();
                                 return *store;
                             },
                             settings, words, program.folder, program.separator, learnerFolder()});
    if (!startup.run()) return 0;

    std::vector<char*> arguments(argv, argv + argc);
    // Given as the first argument, so that a -platform the user gave still wins; and unlike
    // QT_QPA_PLATFORM it is not handed on to the browser or mail program that the menu starts.
    std::string platformOption = "-platform";
    std::string platform = qtPlatformForThisSession().value_or(std::string());
    if (!platform.empty()) {
        const auto first = arguments.empty() ? arguments.end() : arguments.begin() + 1;
        arguments.insert(first, {platformOption.data(), platform.data()});
    }
    int argumentCount = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const QtMessageHandler qtHandler = qInstallMessageHandler(holdOrEndWithoutDisplay);
    QApplication app(argumentCount, arguments.data());
    qInstallMessageHandler(qtHandler);
    passHeldMessagesOn(qtHandler);
    // The installed desktop entry: Wayland compositors and task managers find the icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.kestry.Vorlix"));
    // The word window has no task-bar button, and closing the options dialog must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<StartupEntry> startupEntry = makeStartupEntry();
    FrmShow window({settings, *store, startup, *startupEntry, program,
                    // Exit ends at once: no save, no dialog unloads. The system lets the
                    // single-copy lock go with the process.
                    [] { std::_Exit(0); },
                    [](const QString& target, std::function<void()> failed) {
                        openWithDesktop(target, *qApp, std::move(failed));
                    }});
    window.Form_Load();
    window.Data1_Open();
    singleCopy.onActivation([&window] { window.activate(); });
    // For timing a start from outside: the program ends once the first line has been painted.
    QuitAfterFirstPaint firstPaintQuit;
    if (qEnvironmentVariableIsSet("VORLIX_QUIT_AFTER_FIRST_PAINT")) window.LB->installEventFilter(&firstPaintQuit);
    return app.exec();
}
