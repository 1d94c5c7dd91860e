// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program_arguments.h"

#include <cstdio>

#include "app/program_arguments.h"
#include "platform/command_line.h"
#include "platform/console_text.h"
#include "platform/linux/ini_settings_store.h"
#include "platform/platform.h"

namespace vorlix {

std::optional<int> answerProgramArguments(int argc, char* argv[], const std::string& programFolder)
{
    const auto places = [&programFolder] {
        return ProgramPlaces{IniSettingsStore().fileName().toStdString(),
                             learnerFolder().value_or(std::string()) + "/reg.ocx", programFolder + "/reg.ocx"};
    };
    const ArgumentsAnswer answer = answerArguments(commandLineArguments(argc, argv), places, VORLIX_VERSION);
    writeConsoleText(stdout, answer.standardOutput);
    writeConsoleText(stderr, answer.standardError);
    return answer.exitStatus;
}

}  // namespace vorlix
