// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/module1.h"
#include "app/settings_store.h"
#include "app/single_copy.h"
#include "words/data_control.h"

namespace vorlix {

// What the start-up works with before there is a window.
struct StartupServices {
    SingleCopy& singleCopy;
    // Opens the settings store; called only once this copy is known to be the running one.
    std::function<SettingsStore&()> openStore;
    Module1& settings;
    DataControl& words;
    std::string programFolder;
    char separator = '/';
    // The learner's own folder: a word database there is read instead of the program's.
    std::optional<std::string> learnerFolder;
};

// The start-up sequence as far as the word source: the single copy, the first-run values and the
// settings, the category query, and the start of the word reader. None of it needs a window or
// the toolkit, so the program runs it before QApplication exists, and the reader opens the file
// and runs the query while the toolkit connects to the display and loads its fonts. The word
// window's Form_Load goes on from there; where nothing has run it first, Form_Load runs it.
class StartupSequence {
public:
    explicit StartupSequence(StartupServices services) : services_(std::move(services)) {}

    // Runs once; later calls give the first answer. False when another copy runs and has been
    // asked to the front: this copy has opened, read and written nothing and started nothing.
    bool run();
    // After run: whether the first-run values, where they were needed, reached the store.
    bool settingsSaved() const { return saved_; }
    // After run: the folder whose reg.ocx the words come from, the user's own or the program's.
    const std::string& wordFolder() const { return wordFolder_; }
    DataControl& words() { return services_.words; }
    // The learner's own folder, which holds the words they know as well.
    const std::optional<std::string>& learnerFolder() const { return services_.learnerFolder; }

private:
    StartupServices services_;
    bool ran_ = false;
    bool running_ = false;
    bool saved_ = true;
    std::string wordFolder_;
};

}  // namespace vorlix
