// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/word_reader_limits.h"

class QProcess;
class QSocketNotifier;

namespace vorlix {

// One run of the word reader (vorlix-words) on one database. The Jet library trusts the file it
// reads: a damaged one can crash it or keep it busy for ever, and running it as a process of its
// own means such a file costs only that process. A reader that writes nothing for the stall
// limit is taken to hang and is ended.
class WordReaderProcess {
public:
    enum class Outcome { Running, Complete, Unreadable, WrongPassword, QueryFailed };

    WordReaderProcess();
    ~WordReaderProcess();
    WordReaderProcess(const WordReaderProcess&) = delete;
    WordReaderProcess& operator=(const WordReaderProcess&) = delete;

    // False when the program cannot be started; outcome() is then Unreadable.
    bool start(const std::string& program, const std::string& database, const std::string& query,
               const std::string& connect, int stallLimitMs);
    // After the first row the reader waits for this before it reads the rest; once is enough.
    void readTheRest();
    // Once there is an event loop: from then on the reader is reaped as soon as it ends, and what
    // it wrote is taken in, without waiting for the next call here.
    void reapWhenItEnds();
    // Waits for more output: false once the reader has ended (or was ended for stalling) and
    // everything it wrote has been taken.
    bool waitForOutput();
    // What the reader has written since the last call; valid until the next.
    std::string_view takeOutput();

    Outcome outcome() const;
    // Why the reader did not complete: its own line, or what became of it.
    std::string failureText(const std::string& database) const;

private:
    void end();
    // The reader's exit code; -1 when something else ended it (a signal, a kill).
    int ownExitCode() const;
    // For the words log: how the reader ended.
    void logTheEnd(const std::string& database);

    std::unique_ptr<QProcess> process_;
    ReaderLeash leash_;
    std::unique_ptr<QSocketNotifier> ended_;
    int stallLimitMs_ = 0;
    bool startFailed_ = false;
    bool stalled_ = false;
    bool restAsked_ = false;
    std::string output_;
    std::string reason_;  // what the reader wrote after its last row, if any: a failure's reason
    size_t bytesTaken_ = 0;
};

// vorlix-words in the running program's own folder.
std::string wordReaderBesideProgram();

}  // namespace vorlix
