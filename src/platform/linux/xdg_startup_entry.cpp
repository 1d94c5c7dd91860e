// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux/xdg_startup_entry.h"

#include <string_view>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtGlobal>

#include "platform/linux/user_folders.h"
#include "platform/platform.h"

namespace vorlix {

namespace {

bool isUtf8(const std::string& text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    return !decoder.hasError();
}

bool hasControlCharacter(const std::string& text)
{
    for (const unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return true;
    }
    return false;
}

// `text` as a string value of a desktop entry: every backslash escaped. Its other escapes stand for
// control characters, which no path written here holds.
std::string desktopStringValue(std::string_view text)
{
    std::string value;
    for (const char c : text) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

}  // namespace

std::optional<std::string> desktopExecValue(const std::string& executablePath)
{
    if (executablePath.empty() || hasControlCharacter(executablePath) || !isUtf8(executablePath)) return std::nullopt;
    // Two layers, innermost first: the Exec rules quote the argument and put a backslash before
    // '"', '`', '$' and '\', and double '%' so no field code is expanded; then the string-value
    // rules escape every backslash once more. A literal '\' thus becomes four, '$' becomes "\\$".
    std::string argument = "\"";
    for (const char c : executablePath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') argument += '\\';
        if (c == '%') argument += '%';
        argument += c;
    }
    argument += '"';
    return desktopStringValue(argument);
}

std::optional<std::string> autostartDesktopEntry(const std::string& executablePath)
{
    const std::optional<std::string> exec = desktopExecValue(executablePath);
    if (!exec) return std::nullopt;
    // TryExec names the program as a plain string value, with no Exec quoting: once the program is
    // removed, the desktop passes the entry over instead of starting nothing.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vorlix\n"
           "TryExec=" +
           desktopStringValue(executablePath) +
           "\n"
           "Exec=" +
           *exec + "\n";
}

XdgStartupEntry::XdgStartupEntry()
    : filePath_(QString::fromStdString(xdgBaseFolder("XDG_CONFIG_HOME", ".config")) + QStringLiteral("/autostart/") +
                QString::fromLatin1(kStartupEntryName) + QStringLiteral(".desktop"))
{
}

bool XdgStartupEntry::add(const std::string& executablePath)
{
    const std::optional<std::string> entry = autostartDesktopEntry(executablePath);
    if (!entry) return false;
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) return false;
    // Written whole or not at all: a half-written entry could start something else at log-on.
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const qint64 size = qint64(entry->size());
    if (file.write(entry->data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool XdgStartupEntry::remove()
{
    return QFile::remove(filePath_) || !QFileInfo::exists(filePath_);
}

std::unique_ptr<StartupEntry> makeStartupEntry()
{
    return std::make_unique<XdgStartupEntry>();
}

}  // namespace vorlix
