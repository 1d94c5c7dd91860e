// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup_sequence.h"

#include "words/word_query.h"

namespace vorlix {

bool StartupSequence::run()
{
    if (ran_) return running_;
    ran_ = true;
    // A copy that does not answer cannot bring a window forward: this one starts instead of ending
    // with none on the screen.
    if (services_.singleCopy.anotherCopyRuns() && services_.singleCopy.activateRunningCopy()) return false;
    running_ = true;

    SettingsStore& store = services_.openStore();
    Module1& m = services_.settings;
    if (store.get("xxx").empty()) saved_ = InitDefaultSettings(store);
    LoadSettings(store, m);

    BuildWordQuery(m);
    DataControl& words = services_.words;
    wordFolder_ = wordDatabaseFolder(services_.programFolder, services_.learnerFolder, services_.separator);
    words.DatabaseName = wordDatabaseName(wordFolder_, services_.separator);
    words.Connect = wordConnect();
    words.RecordSource = wordRecordSource(m);
    words.Open();
    return true;
}

}  // namespace vorlix
