// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "doubles/fake_single_copy.h"
#include "doubles/memory_settings_store.h"
#include "doubles/recording_speech.h"
#include "ui/word_window/frm_show.h"

namespace vorlix::test {

class FakeStartupEntry : public StartupEntry {
public:
    std::vector<std::string> calls;
    bool refuse = false;
    bool add(const std::string& path) override
    {
        calls.push_back("add " + path);
        return !refuse;
    }
    bool remove() override
    {
        calls.push_back("remove");
        return !refuse;
    }
};

// A word window over a program folder of its own, an in-memory store and recording doubles.
struct WordWindowFixture {
    QTemporaryDir folder;
    MemorySettingsStore store;
    int storeOpenings = 0;
    FakeSingleCopy singleCopy;
    FakeStartupEntry startupEntry;
    Module1 settings;
    DataControl words;
    std::unique_ptr<StartupSequence> startup;
    std::vector<QString> opened;
    // Whether the system can open nothing the menu asks it to.
    bool openFails = false;
    int quits = 0;
    // Made at the first "Say it"; it refuses every request with this line where one is given.
    RecordingSpeech* speech = nullptr;
    std::string speechRefusal;
    std::unique_ptr<FrmShow> window;

    // Puts a test database from the build into the program folder as its reg.ocx.
    void installDatabase(const char* name = "program_password.mdb")
    {
        QFile::copy(QStringLiteral(VORLIX_TEST_DB_DIR "/") + name, folder.filePath(QStringLiteral("reg.ocx")));
    }

    // The program in `programFolder`, by default the fixture's folder.
    FrmShow& make(char separator = '/', const QString& programFolder = {})
    {
        ProgramLocation program{(programFolder.isEmpty() ? folder.path() : programFolder).toStdString(), "vorlix",
                                separator};
        startup = std::make_unique<StartupSequence>(StartupServices{singleCopy,
                                                                    [this]() -> SettingsStore& {
                                                                        ++storeOpenings;
                                                                        return store;
                                                                    },
                                                                    settings, words, program.folder, separator,
                                                                    learnerFolder().toStdString()});
        window = std::make_unique<FrmShow>(
            WordWindowServices{settings, store, *startup, startupEntry, program, [this] { ++quits; },
                               [this](const QString& target, const std::function<void()>& failed) {
                                   opened.push_back(target);
                                   if (openFails) failed();
                               },
                               [this](Speech::Trouble trouble) {
                                   return std::unique_ptr<Speech>(speech = new RecordingSpeech(trouble, speechRefusal));
                               }});
        return *window;
    }

    // Form_Load, then the word source opened, as the program starts.
    FrmShow& start(const QString& programFolder = {})
    {
        FrmShow& w = make('/', programFolder);
        if (w.Form_Load()) w.Data1_Open();
        return w;
    }

    // The line as it reads: without the zero-width spaces that mark where it may break.
    QString line() const { return QString(window->LB->text()).remove(QChar(0x200B)); }
    // The learner's own folder, empty until something is kept there.
    QString learnerFolder() const { return folder.filePath(QStringLiteral("learner")); }
};

}  // namespace vorlix::test
