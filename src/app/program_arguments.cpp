// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vorlix {

namespace {

constexpr std::string_view kName = "vorlix";

// The options QGuiApplication, QApplication and the X11 platform take from the command line, by
// one dash or two; those of the first list take the next argument as their value.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue{
    "-platform",
    "-platformpluginpath",
    "-platformtheme",
    "-plugin",
    "-qwindowgeometry",
    "-geometry",
    "-qwindowtitle",
    "-title",
    "-qwindowicon",
    "-icon",
    "-session",
    "-style",
    "-stylesheet",
    "-display",
    "-name",
    "-visual",
};
constexpr std::array<std::string_view, 5> kQtFlags{"-reverse", "-nograb", "-dograb", "-testability", "-widgetcount"};
// Taken as "-style=NAME" too.
constexpr std::array<std::string_view, 3> kQtOptionsJoined{"-style=", "-stylesheet=", "-qmljsdebugger="};

template <size_t N>
bool oneOf(const std::array<std::string_view, N>& options, std::string_view option)
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

ArgumentsAnswer usageError(const std::string& why)
{
    return {2, {}, std::string(kName) + ": " + why + "; see '" + std::string(kName) + " --help'\n"};
}

std::string helpText(const ProgramPlaces& places)
{
    return "usage: " + std::string(kName) +
           " [QT-OPTION...]\n"
           "\n"
           "Vorlix shows an English word and its Spanish translation in a small window above the\n"
           "others, and the next pair every few seconds. Drag the window with the left mouse button;\n"
           "a right click opens its menu: pause, options, help, exit. Only one copy runs at a time.\n"
           "\n"
           "  --help     show this text and exit\n"
           "  --version  show the version and exit\n"
           "Qt's own options, such as -platform NAME or -display DISPLAY, are passed on to Qt.\n"
           "\n"
           "Settings:      " +
           places.settingsFile +
           "\n"
           "Word database: " +
           places.userWordDatabase + " when it is there, else\n               " + places.bundledWordDatabase +
           "\n"
           "\n"
           "More in 'man vorlix'.\n";
}

}  // namespace

ArgumentsAnswer answerArguments(const std::vector<std::string>& arguments, const std::function<ProgramPlaces()>& places,
                                const std::string& version)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") return {0, helpText(places()), {}};
        if (argument == "--version") return {0, std::string(kName) + " (Vorlix) " + version + "\n", {}};
        // Qt reads "--platform" as "-platform".
        const std::string_view option = argument.starts_with("--") ? argument.substr(1) : argument;
        if (oneOf(kQtOptionsWithValue, option)) {
            if (++i == arguments.size()) return usageError(std::string(argument) + " needs a value");
        } else if (!oneOf(kQtFlags, option) &&
                   std::none_of(kQtOptionsJoined.begin(), kQtOptionsJoined.end(),
                                [&](std::string_view joined) { return option.starts_with(joined); })) {
            return usageError((argument.starts_with("-") ? "unknown option '" : "unexpected argument '") +
                              std::string(argument) + "'");
        }
    }
    return {};
}

}  // namespace vorlix
