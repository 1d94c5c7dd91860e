// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/data_control.h"

#include <cstdint>
#include <filesystem>

#include "words/jet/utf8_path.h"

namespace vorlix {

void DataControl::Open()
{
    reader_.reset();
    words_ = WordStreamReceiver();
    opened_ = true;
    loading_ = false;
    failure_ = WordSourceFailure::None;
    detail_.clear();

    std::error_code ec;
    const std::filesystem::path file = jet::utf8Path(DatabaseName);
    if (!std::filesystem::is_regular_file(file, ec)) {
        failure_ = std::filesystem::exists(file, ec) ? WordSourceFailure::Unreadable : WordSourceFailure::FileMissing;
        return;
    }
    // The words' text is about as long as the file that holds them.
    const std::uintmax_t fileSize = std::filesystem::file_size(file, ec);
    words_ = WordStreamReceiver(ec ? 0 : static_cast<size_t>(fileSize));
    reader_ = std::make_unique<WordReaderProcess>();
    loading_ = reader_->start(readerProgram, DatabaseName, RecordSource, Connect, stallLimitMs);
    // Known now, so that finishLoading without a Refresh cannot take it for an empty word set.
    if (!loading_) conclude();
}

bool DataControl::Refresh()
{
    if (!opened_) Open();
    opened_ = false;
    // No file to hand to a reader.
    if (!reader_) return false;
    while (loading_ && words_.recordset().RecordCount() == 0 && readMore()) {
    }
    // With a first row in, finishLoading takes the rest and tells of any failure, whether or not
    // the reader has ended by now: what the user sees must not hang on how fast the reader was.
    if (loading_ && words_.recordset().RecordCount() > 0) {
        reader_->reapWhenItEnds();
        return true;
    }
    if (conclude()) return true;
    words_ = WordStreamReceiver();
    return false;
}

void DataControl::readTheRest()
{
    if (loading_) reader_->readTheRest();
}

bool DataControl::finishLoading()
{
    if (!loading_) return failure_ == WordSourceFailure::None;
    readTheRest();
    while (readMore()) {
    }
    return conclude();
}

bool DataControl::readMore()
{
    const bool more = reader_->waitForOutput();
    words_.take(reader_->takeOutput());
    return more;
}

bool DataControl::conclude()
{
    loading_ = false;
    using Outcome = WordReaderProcess::Outcome;
    switch (reader_->outcome()) {
    case Outcome::Complete:
        if (words_.whole()) return true;
        failure_ = WordSourceFailure::Unreadable;
        detail_ = "damaged Access database: " + DatabaseName + " (its words came cut short)";
        return false;
    case Outcome::WrongPassword: failure_ = WordSourceFailure::WrongPassword; return false;
    case Outcome::QueryFailed: failure_ = WordSourceFailure::QueryFailed; break;
    case Outcome::Running:
    case Outcome::Unreadable: failure_ = WordSourceFailure::Unreadable; break;
    }
    detail_ = reader_->failureText(DatabaseName);
    return false;
}

}  // namespace vorlix
