// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include "words/recordset.h"
#include "words/word_reader_process.h"
#include "words/word_stream_receiver.h"

namespace vorlix {

// Why the word source has no rows to show.
enum class WordSourceFailure {
    None,
    FileMissing,    // no file at DatabaseName
    Unreadable,     // not a Jet file, damaged, or the operating system refuses it
    WrongPassword,  // the file is protected by a password other than Connect's
    QueryFailed,    // the engine rejected RecordSource
};

// The word window's data control: where the words are, the password, and the query. Open has the
// word reader open the file read-only, check the password and run the query; Refresh makes the
// first row current as soon as it has come; the rest follow once readTheRest has let the reader
// go on, while the window runs.
class DataControl {
public:
    std::string DatabaseName;
    std::string Connect = "Access";
    std::string RecordSource;
    std::string readerProgram = wordReaderBesideProgram();
    // How long the reader may go without writing before it is taken to hang on a damaged file.
    int stallLimitMs = 5000;

    // Starts the word reader and returns at once, so that it reads while the program goes on
    // starting; the next Refresh takes its rows.
    void Open();
    // Waits for the first row of the reader Open started, or of one it starts itself. False when
    // there is no word set; failure() and detail() then say why.
    bool Refresh();
    // Whether rows may still come after Refresh.
    bool loading() const { return loading_; }
    // Lets the reader go on after the first row, which it holds back for until the first word is
    // on the screen: the rest is then read while the window is idle, not while it is being made.
    void readTheRest();
    // Lets the reader go on and waits for the remaining rows. False when the rest could not be
    // read: the rows so far stay, and failure() and detail() say why.
    bool finishLoading();

    Recordset& recordset() { return words_.recordset(); }
    WordSourceFailure failure() const { return failure_; }
    const std::string& detail() const { return detail_; }

private:
    bool readMore();
    bool conclude();

    std::unique_ptr<WordReaderProcess> reader_;
    WordStreamReceiver words_;
    bool opened_ = false;  // by Open, for the next Refresh
    bool loading_ = false;
    WordSourceFailure failure_ = WordSourceFailure::None;
    std::string detail_;
};

}  // namespace vorlix
