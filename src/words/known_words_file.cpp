// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words/known_words_file.h"

#include <filesystem>
#include <string_view>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "platform/learner_folder.h"
#include "words/word_source_message.h"

namespace vorlix {

namespace {

constexpr std::string_view kAsideStem = "known-words-unreadable";
constexpr std::string_view kAsideExtension = ".txt";

QString qtPath(const std::string& path)
{
    return QString::fromStdString(path);
}

std::string reasonOf(const QFileDevice& file)
{
    return inSentence(file.errorString().toStdString());
}

// Empty when `bytes` are in `path`, whole; else why not.
std::string writeWhole(const std::string& path, std::string_view bytes)
{
    QSaveFile file(qtPath(path));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
        file.commit())
        return {};
    return reasonOf(file);
}

}  // namespace

std::string KnownWordsFile::path() const
{
    return folder_ ? *folder_ + char(std::filesystem::path::preferred_separator) + kName : std::string();
}

std::string KnownWordsFile::read(KnownWords& words)
{
    words = KnownWords();
    if (!folder_) return {};
    QFile file(qtPath(path()));
    if (!file.exists()) return {};
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        // Nothing of it can be read: the whole file goes aside, and marks start anew beside it.
        const std::string reason = reasonOf(file);
        file.close();
        const std::string aside = keptAsideName(*folder_, kAsideStem, kAsideExtension);
        if (QFile::rename(file.fileName(), qtPath(aside)))
            return "The words you know could not be read (" + reason + "); the file is kept as " + aside;
        refusal_ = "The words you know cannot be read (" + reason + "): " + path();
        return refusal_;
    }

    KnownWords::Reading reading = KnownWords::read(std::string_view(bytes.constData(), size_t(bytes.size())));
    words = std::move(reading.words);
    if (reading.unreadable.empty()) return {};
    const std::string aside = keptAsideName(*folder_, kAsideStem, kAsideExtension);
    if (const std::string reason = writeWhole(aside, reading.unreadable); !reason.empty()) {
        refusal_ = "Some of the words you know cannot be read, nor kept aside (" + reason + "): " + aside;
        return refusal_;
    }
    if (const std::string problem = write(words); !problem.empty()) return problem;
    return "Some of the words you know could not be read; those lines are kept in " + aside;
}

std::string KnownWordsFile::write(const KnownWords& words)
{
    if (!refusal_.empty()) return refusal_;
    if (!folder_) return "The words you know cannot be saved: the system names no folder for them";
    QDir().mkpath(qtPath(*folder_));
    if (const std::string reason = writeWhole(path(), words.text()); !reason.empty())
        return "The words you know could not be saved (" + reason + "): " + path();
    return {};
}

}  // namespace vorlix
