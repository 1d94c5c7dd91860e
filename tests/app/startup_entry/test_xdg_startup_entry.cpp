// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "platform/linux/xdg_startup_entry.h"

using namespace vorlix;
using namespace Qt::StringLiterals;

namespace {

// The string-value rules of freedesktop.org desktop entries: the escapes \s \n \t \r \\.
std::optional<QString> unescapeString(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        switch (value[i].unicode()) {
        case u's': out += u' '; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'r': out += u'\r'; break;
        case u'\\': out += u'\\'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

// The Exec rules on an unescaped value: arguments split at blanks, quoted ones with \" \` \$ \\,
// reserved characters only inside quotes, "%%" for a literal '%' and no field code at all.
std::optional<QStringList> execArguments(const QString& exec)
{
    static const QString reserved = QStringLiteral("\t\n\"'\\><~|&;$*?#()`");
    QStringList arguments;
    QString current;
    bool inArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u' ') {
            if (inArgument) arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == u'"') {
            inArgument = true;
            for (++i;; ++i) {
                if (i == exec.size()) return std::nullopt;
                const QChar q = exec[i];
                if (q == u'"') break;
                if (q == u'`' || q == u'$') return std::nullopt;
                if (q == u'\\') {
                    if (++i == exec.size() || !QStringLiteral("\"`$\\").contains(exec[i])) return std::nullopt;
                    current += exec[i];
                } else {
                    current += q;
                }
            }
        } else {
            if (reserved.contains(c)) return std::nullopt;
            inArgument = true;
            current += c;
        }
    }
    if (inArgument) arguments << current;
    for (QString& argument : arguments) {
        QString plain;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] == u'%') {
                if (++i == argument.size() || argument[i] != u'%') return std::nullopt;
            }
            plain += argument[i];
        }
        argument = plain;
    }
    return arguments;
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

QString valueOf(const QStringList& lines, const QString& key)
{
    for (const QString& line : lines) {
        if (line.startsWith(key + u'=')) return line.mid(key.size() + 1);
    }
    return {};
}

}  // namespace

class TestXdgStartupEntry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addWritesEntryInAutostartFolder();
    void addReplacesEarlierPath();
    void removeDeletesEntry();
    void removeWithoutEntrySucceeds();
    void configHomeFallsBackToHome_data();
    void configHomeFallsBackToHome();
    void execRunsExactlyThePath_data();
    void execRunsExactlyThePath();
    void unsafePathRefused_data();
    void unsafePathRefused();
    void unwritableFolderFails();

private:
    std::optional<QTemporaryDir> home_;
    QString entryPath() const { return home_->filePath(QStringLiteral("autostart/vorlix1.0.desktop")); }
};

void TestXdgStartupEntry::init()
{
    home_.emplace();
    QVERIFY(home_->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->path()));
}

void TestXdgStartupEntry::addWritesEntryInAutostartFolder()
{
    XdgStartupEntry entry;
    QCOMPARE(entry.filePath(), entryPath());
    QVERIFY(entry.add("/opt/vorlix/vorlix"));
    QCOMPARE(fileLines(entryPath()), (QStringList{"[Desktop Entry]", "Type=Application", "Name=Vorlix",
                                                  "TryExec=/opt/vorlix/vorlix", "Exec=\"/opt/vorlix/vorlix\"", ""}));
}

void TestXdgStartupEntry::addReplacesEarlierPath()
{
    XdgStartupEntry entry;
    QVERIFY(entry.add("/opt/old/vorlix"));
    QVERIFY(entry.add("/opt/new/vorlix"));
    const QStringList lines = fileLines(entryPath());
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Exec="))).size(), 1);
    QCOMPARE(valueOf(lines, u"Exec"_s), QStringLiteral("\"/opt/new/vorlix\""));
    QCOMPARE(QDir(home_->filePath("autostart")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"vorlix1.0.desktop"});
}

void TestXdgStartupEntry::removeDeletesEntry()
{
    XdgStartupEntry entry;
    QVERIFY(entry.add("/opt/vorlix/vorlix"));
    QVERIFY(entry.remove());
    QVERIFY(!QFile::exists(entryPath()));
}

void TestXdgStartupEntry::removeWithoutEntrySucceeds()
{
    XdgStartupEntry entry;
    QVERIFY(entry.remove());
    QVERIFY(QDir(home_->filePath("autostart")).mkpath("."));
    QVERIFY(entry.remove());
}

void TestXdgStartupEntry::configHomeFallsBackToHome_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::newRow("unset") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("relative, so invalid") << QByteArray("relative/config");
}

void TestXdgStartupEntry::configHomeFallsBackToHome()
{
    QFETCH(QByteArray, configHome);
    if (configHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome);
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home_->path()));
    const QString path = XdgStartupEntry().filePath();
    qputenv("HOME", savedHome);
    QCOMPARE(path, home_->filePath(QStringLiteral(".config/autostart/vorlix1.0.desktop")));
}

void TestXdgStartupEntry::execRunsExactlyThePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("spaces") << "/home/ann/My Programs/vorlix";
    QTest::newRow("double quote") << "/opt/say \"hi\"/vorlix";
    QTest::newRow("single quote") << "/opt/ann's/vorlix";
    QTest::newRow("backslash") << "/opt/back\\slash/vorlix";
    QTest::newRow("dollar and backtick") << "/opt/$HOME/`id`/vorlix";
    QTest::newRow("percent, also before a field code letter") << "/opt/100%/%f%u/vorlix";
    QTest::newRow("non-ascii") << "/home/jürgen/Übungen/語彙/vorlix";
    QTest::newRow("shell characters") << "/opt/a;b|c&d>e<f*g?h#i(j)~k/vorlix";
    QTest::newRow("everything at once") << "/tmp/ \\\\\" $`%% é'/vorlix";
}

// Exec runs the path, TryExec names it plainly, and the desktop's own checker finds no fault.
void TestXdgStartupEntry::execRunsExactlyThePath()
{
    QFETCH(QString, path);
    XdgStartupEntry entry;
    QVERIFY(entry.add(path.toStdString()));
    const QStringList lines = fileLines(entryPath());
    QCOMPARE(lines.size(), 6);
    const std::optional<QString> exec = unescapeString(valueOf(lines, u"Exec"_s));
    QVERIFY(exec);
    const std::optional<QStringList> arguments = execArguments(*exec);
    QVERIFY2(arguments, qPrintable(*exec));
    QCOMPARE(*arguments, QStringList{path});
    QCOMPARE(unescapeString(valueOf(lines, u"TryExec"_s)), std::optional<QString>(path));
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {entryPath()});
    validate.setProcessChannelMode(QProcess::MergedChannels);
    QVERIFY(validate.waitForFinished());
    const QByteArray faults = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && faults.isEmpty(), faults.constData());
}

void TestXdgStartupEntry::unsafePathRefused_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("newline") << QByteArray("/opt/a\nExec=/bin/evil");
    QTest::newRow("carriage return") << QByteArray("/opt/a\rb/vorlix");
    QTest::newRow("tab") << QByteArray("/opt/a\tb/vorlix");
    QTest::newRow("not utf-8") << QByteArray("/opt/\xff\xfe/vorlix");
    QTest::newRow("empty") << QByteArray("");
}

void TestXdgStartupEntry::unsafePathRefused()
{
    QFETCH(QByteArray, path);
    XdgStartupEntry entry;
    QVERIFY(entry.add("/opt/vorlix/vorlix"));
    QVERIFY(!entry.add(path.toStdString()));
    QCOMPARE(valueOf(fileLines(entryPath()), u"Exec"_s), QStringLiteral("\"/opt/vorlix/vorlix\""));
}

void TestXdgStartupEntry::unwritableFolderFails()
{
    // A file where the configuration folder should be: no folder can be made below it.
    const QString blocker = home_->filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
    QVERIFY(!XdgStartupEntry().add("/opt/vorlix/vorlix"));
}

QTEST_GUILESS_MAIN(TestXdgStartupEntry)
#include "test_xdg_startup_entry.moc"
