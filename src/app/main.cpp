// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/local_single_copy.h"
#include "app/module1.h"
#include "app/quit_after_first_paint.h"
#include "platform/platform.h"
#include "ui/word_window/frm_show.h"

using namespace vorlix;

int main(int argc, char* argv[])
{
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
    QApplication app(argumentCount, arguments.data());
    // The installed desktop entry: Wayland compositors and task managers find the icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.kestry.Vorlix"));
    // The word window has no task-bar button, and closing the options dialog must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);

    LocalSingleCopy singleCopy(LocalSingleCopy::keyForCurrentUser());
    const std::unique_ptr<SettingsStore> store = makeSettingsStore();
    const std::unique_ptr<StartupEntry> startupEntry = makeStartupEntry();
    Module1 settings;

    ProgramLocation program;
    program.folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    program.executableFileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    program.separator = QDir::separator().toLatin1();

    FrmShow window({settings, *store, singleCopy, *startupEntry, program,
                    [&singleCopy] {
                        // Exit ends at once: no save, no dialog unloads. Only the single-copy
                        // lock is let go, so the next start need not find it stale.
                        singleCopy.release();
                        std::_Exit(0);
                    },
                    [](const QString& target) { QDesktopServices::openUrl(QUrl(target)); }});
    if (!window.Form_Load()) return 0;
    QObject::connect(&singleCopy, &LocalSingleCopy::activationRequested, &window, &FrmShow::activate);
    window.Data1_Open();
    // For timing a start from outside: the program ends once the first line has been painted.
    QuitAfterFirstPaint firstPaintQuit;
    if (qEnvironmentVariableIsSet("VORLIX_QUIT_AFTER_FIRST_PAINT")) window.LB->installEventFilter(&firstPaintQuit);
    return app.exec();
}
