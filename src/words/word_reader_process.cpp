// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/word_reader_process.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>

#include "app/logging.h"
#include "platform/command_line.h"
#include "words/word_stream.h"

namespace vorlix {
namespace {

// A failing reader writes one line about why; any more is not a reason.
constexpr size_t kReasonLength = 1024;

}  // namespace

WordReaderProcess::WordReaderProcess() : process_(std::make_unique<QProcess>()) {}

WordReaderProcess::~WordReaderProcess()
{
    end();
}

void WordReaderProcess::end()
{
    if (process_->state() == QProcess::NotRunning) return;
    process_->kill();
    process_->waitForFinished(-1);
}

int WordReaderProcess::ownExitCode() const
{
    return process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
}

bool WordReaderProcess::start(const std::string& program, const std::string& database, const std::string& query,
                              const std::string& connect, int stallLimitMs)
{
    stallLimitMs_ = stallLimitMs;
    // What the library says about damaged pages goes where the words log goes, as it is said, or
    // nowhere: never into a pipe that would fill up while nothing reads it, holding the reader.
    if (wordsLog().isDebugEnabled()) {
        process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        logTheEnd(database);
    } else {
        process_->setStandardErrorFile(QProcess::nullDevice());
    }
    process_->start(QString::fromStdString(program), {QString::fromStdString(database), QString::fromStdString(query)});
    if (!process_->waitForStarted(stallLimitMs) || !leash_.hold(process_->processId())) {
        end();
        startFailed_ = true;
        return false;
    }
    // The password goes through a pipe, not the command line that every user can list.
    process_->write(QByteArray::fromStdString(connect + "\n"));
    process_->waitForBytesWritten(stallLimitMs);
    return true;
}

void WordReaderProcess::readTheRest()
{
    if (restAsked_) return;
    restAsked_ = true;
    // The end of its input is the reader's signal.
    process_->closeWriteChannel();
}

void WordReaderProcess::reapWhenItEnds()
{
    // The process object was made before the event loop, which therefore has no eye on it.
    if (ended_ || leash_.endNotice() < 0) return;
    ended_ = std::make_unique<QSocketNotifier>(leash_.endNotice(), QSocketNotifier::Read);
    QObject::connect(ended_.get(), &QSocketNotifier::activated, [this] {
        ended_->setEnabled(false);
        // Takes in the rest of its output and its exit status, which leaves nothing of it behind.
        process_->waitForFinished(stallLimitMs_);
    });
}

bool WordReaderProcess::waitForOutput()
{
    if (process_->bytesAvailable() > 0) return true;
    if (process_->state() == QProcess::NotRunning) return false;
    if (process_->waitForReadyRead(stallLimitMs_)) return true;
    if (process_->state() != QProcess::NotRunning) {
        qCDebug(wordsLog).noquote() << "the word reader wrote nothing for" << stallLimitMs_ << "ms after" << bytesTaken_
                                    << "bytes: taken to hang on a damaged file, and ended";
        stalled_ = true;
        end();
    }
    return process_->bytesAvailable() > 0;
}

std::string_view WordReaderProcess::takeOutput()
{
    // Straight from the process's buffer into one that is kept: the rows are copied once more,
    // into the recordset, and nothing is allocated a piece.
    output_.resize(static_cast<size_t>(process_->bytesAvailable()));
    output_.resize(
        static_cast<size_t>(std::max<qint64>(0, process_->read(output_.data(), static_cast<qint64>(output_.size())))));
    bytesTaken_ += output_.size();
    // A failing reader's reason follows whatever rows it had sent: it starts after the last field.
    const size_t fieldEnd = output_.rfind('\0');
    if (fieldEnd != std::string::npos) reason_.clear();
    const size_t from = fieldEnd == std::string::npos ? 0 : fieldEnd + 1;
    if (reason_.size() < kReasonLength) reason_ += output_.substr(from, kReasonLength - reason_.size());
    return output_;
}

void WordReaderProcess::logTheEnd(const std::string& database)
{
    QObject::connect(process_.get(), &QProcess::finished, [this, database](int code, QProcess::ExitStatus status) {
        const QString how = status == QProcess::NormalExit ? QStringLiteral("ended with exit code %1").arg(code)
                                                           : QStringLiteral("crashed or was killed");
        qCDebug(wordsLog).noquote() << process_->program() << "on" << QString::fromStdString(database) << how;
    });
}

WordReaderProcess::Outcome WordReaderProcess::outcome() const
{
    if (startFailed_ || stalled_) return Outcome::Unreadable;
    if (process_->state() != QProcess::NotRunning) return Outcome::Running;
    switch (ownExitCode()) {
    case word_stream::kComplete: return Outcome::Complete;
    case word_stream::kWrongPassword: return Outcome::WrongPassword;
    case word_stream::kQueryFailed: return Outcome::QueryFailed;
    default: return Outcome::Unreadable;
    }
}

std::string WordReaderProcess::failureText(const std::string& database) const
{
    if (startFailed_) {
        return "the word reader cannot be started: " + process_->program().toStdString() + " (" +
               process_->errorString().toStdString() + ")";
    }
    if (stalled_) return "damaged Access database: " + database + " (reading it does not end)";
    const int code = ownExitCode();
    if (code == word_stream::kUnreadable || code == word_stream::kQueryFailed) return reason_;
    // Killed by a signal, or ended by a sanitizer or a library that gave up on the file.
    return "damaged Access database: " + database + " (reading it failed)";
}

std::string wordReaderBesideProgram()
{
    // Asked of the system, not of the application object: the reader starts before there is one.
    return QFileInfo(QString::fromStdString(programFile()))
        .dir()
        .filePath(QStringLiteral(VORLIX_WORD_READER))
        .toStdString();
}

}  // namespace vorlix
