// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sstream>

#include "jet4_text.h"
#include "word_database.h"
#include "word_list.h"
#include "words/jet/jet_database.h"

using vorlix::jet::Database;
using vorlix::wordbase::WordPair;

namespace {

using Pairs = std::vector<WordPair>;

const QString kWordbase = QStringLiteral(VORLIX_BIN_DIR "/wordbase");

// mdbtools' own programs, a reader that shares no code with the program's, check the files as
// well where they are at hand: the Windows build's tests run under Wine with none.
#ifdef _WIN32
constexpr bool kMdbToolsAtHand = false;
#else
constexpr bool kMdbToolsAtHand = true;
#endif
const QString kAccessWithPassword = QStringLiteral(VORLIX_JET_SAMPLES_DIR "/access2003-password-is-password.mdb");

QByteArray tsv(const Pairs& pairs)
{
    QByteArray text;
    for (const WordPair& p : pairs) {
        text += QByteArray::fromStdString(p.category + '\t' + p.english + '\t' + p.spanish + '\n');
    }
    return text;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {-1, {}, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Builds `pairs` into dir/words.mdb through the library and returns its path.
QString build(const QTemporaryDir& dir, const Pairs& pairs, const std::string& password = "")
{
    const QString words = dir.filePath("words.tsv");
    const QString out = dir.filePath("words.mdb");
    if (!writeFile(words, tsv(pairs))) return {};
    vorlix::wordbase::buildWordDatabase(words.toStdString(), out.toStdString(), password);
    return out;
}

std::vector<std::vector<std::string>> rowsOf(const Pairs& pairs)
{
    std::vector<std::vector<std::string>> rows;
    for (const WordPair& p : pairs) rows.push_back({p.category, p.english, p.spanish});
    return rows;
}

std::string repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// Texts from every corner the writer must get right: compressed and plain UTF-16, the
// 255-unit limit reached in one- and two-unit characters, empty strings, '&' and blanks.
Pairs mixedPairs()
{
    return {
        {"Weather", "rain", "la lluvia"},
        {"Electronics& Computers", "mouse", "el ratón"},
        {"Weather", "snow", "la nieve"},
        {"Kitchen", "", ""},
        {"", "", ""},
        {"Accents", "crème brûlée", "ñandú, pingüino, ÁÉÍÓÚ ¿¡"},
        {"Cyrillic", "world", "мир"},
        {"CJK", "kanji", "漢字仮名交じり文"},
        {"Emoji", "party 🎉", "😀😀"},
        {"Short", "ab", "é"},
        {"Limit", repeat("x", 255), repeat("é", 255)},
        {"Limit", repeat("漢", 255), repeat("😀", 127) + "a"},
        {"Weather", " leading and trailing blanks ", "ÿ"},
    };
}

// The type byte of table `word`'s used-pages map, read from the file as a reader would:
// MSysObjects names the definition page, whose pointer at 55 names the map's row.
int usageMapType(const QString& path)
{
    Database db(path.toStdString());
    uint32_t definitionPage = 0;
    for (const auto& row : db.query("select Id, Name from MSysObjects").rows) {
        if (row[1] == "word") definitionPage = static_cast<uint32_t>(std::stoul(row[0])) & 0xFFFFFF;
    }
    const QByteArray file = fileBytes(path);
    const auto u16 = [&file](qsizetype at) { return uint16_t(uint8_t(file[at]) | uint8_t(file[at + 1]) << 8); };
    const qsizetype pointerAt = qsizetype(definitionPage) * 4096 + 55;
    const uint32_t pointer = u16(pointerAt) | uint32_t(u16(pointerAt + 2)) << 16;
    const qsizetype mapPage = qsizetype(pointer >> 8) * 4096;
    const qsizetype rowStart = u16(mapPage + 14 + 2 * (pointer & 0xFF)) & 0x1FFF;
    return uint8_t(file[mapPage + rowStart]);
}

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestWordbase : public QObject {
    Q_OBJECT
private slots:
    void roundTripThroughDatabase()
    {
        QTemporaryDir dir;
        const Pairs pairs = mixedPairs();
        const QString out = build(dir, pairs, "Vbnk53917026");
        Database db(out.toStdString());
        const auto all = db.query("select * from word ");
        QCOMPARE(all.columns, (std::vector<std::string>{"category", "english", "spanish"}));
        QCOMPARE(all.rows, rowsOf(pairs));

        Pairs weather;
        std::copy_if(pairs.begin(), pairs.end(), std::back_inserter(weather),
                     [](const WordPair& p) { return p.category == "Weather"; });
        QCOMPARE(db.query("select * from word where category= 'Weather'").rows, rowsOf(weather));
        QCOMPARE(db.query("select * from word where category= 'Electronics& Computers'").rows, rowsOf({pairs[1]}));
        QCOMPARE(usageMapType(out), 0);
    }

    void roundTripThroughMdbTools()
    {
        if (!kMdbToolsAtHand) QSKIP("mdbtools' programs are not at hand");
        QTemporaryDir dir;
        // libmdb's own tools decode text as UCS-2 and print characters beyond the BMP as '?',
        // so emoji are left to the Database round trip.
        Pairs pairs = mixedPairs();
        std::erase_if(pairs, [](const WordPair& p) {
            const std::string all = p.category + p.english + p.spanish;
            return std::any_of(all.begin(), all.end(), [](char c) { return uint8_t(c) >= 0xF0; });
        });
        const QString out = build(dir, pairs, "Vbnk53917026");

        QCOMPARE(run("mdb-tables", {"-1", out}).out, QString("word\n"));
        QCOMPARE(run("mdb-count", {out, "word"}).out.trimmed(), QString::number(pairs.size()));
        const Run exported = run("mdb-export", {"-H", "-Q", "-d", "\t", out, "word"});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out, QString::fromUtf8(tsv(pairs)));
    }

    void emptyWordList()
    {
        QTemporaryDir dir;
        const QString out = build(dir, {});
        Database db(out.toStdString());
        const auto result = db.query("select * from word ");
        QCOMPARE(result.columns.size(), size_t(3));
        QVERIFY(result.rows.empty());
        if (kMdbToolsAtHand) {
            QCOMPARE(run("mdb-count", {out, "word"}).out.trimmed(), QString("0"));
            QCOMPARE(run("mdb-tables", {"-1", out}).out, QString("word\n"));
        }
    }

    void manyRowsNeedAReferencedUsageMap()
    {
        QTemporaryDir dir;
        Pairs pairs;
        for (int i = 0; i < 60000; ++i) {
            pairs.push_back({i % 2 ? "Weather" : "Time", "word number " + std::to_string(i),
                             "palabra número " + std::to_string(i)});
        }
        const QString out = build(dir, pairs);
        QCOMPARE(usageMapType(out), 1);  // more data pages than an inline map reaches
        if (kMdbToolsAtHand) QCOMPARE(run("mdb-count", {out, "word"}).out.trimmed(), QString("60000"));
        Database db(out.toStdString());
        QCOMPARE(db.query("select * from word ").rows, rowsOf(pairs));
    }

    void textLengthIsCountedInUtf16Units_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("255 letters") << repeat("a", 255) << true;
        QTest::newRow("256 letters") << repeat("a", 256) << false;
        QTest::newRow("256 accented") << repeat("é", 256) << false;
        QTest::newRow("127 emoji + 1 = 255 units") << repeat("🎉", 127) + "a" << true;
        QTest::newRow("128 emoji = 256 units") << repeat("🎉", 128) << false;
    }
    void textLengthIsCountedInUtf16Units()
    {
        QFETCH(std::string, text);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const Pairs pairs = {{"Weather", "rain", "la lluvia"}, {"Weather", "long", text}};
        const QString words = dir.filePath("words.tsv");
        const QString out = dir.filePath("out.mdb");
        QVERIFY(writeFile(words, "# two pairs\n" + tsv(pairs)));
        const Run result = run(kWordbase, {words, out});
        if (accepted) {
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(Database(out.toStdString()).query("select * from word ").rows, rowsOf(pairs));
        } else {
            QVERIFY(result.exitCode != 0);
            QVERIFY2(result.err.contains("line 3") && result.err.contains("spanish") && result.err.contains("255"),
                     qPrintable(result.err));
            QVERIFY(!QFile::exists(out));
        }
    }

    void malformedLinesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("two fields") << QByteArray("Weather\train");
        QTest::newRow("four fields") << QByteArray("Weather\train\tla lluvia\textra");
        QTest::newRow("one field") << QByteArray("Weather rain la lluvia");
        QTest::newRow("invalid UTF-8") << QByteArray("Weather\tr\xE9in\tla lluvia");
        QTest::newRow("NUL") << QByteArray("Weather\tra\0in\tla lluvia", 23);
        QTest::newRow("starts with U+FEFF") << QByteArray("Weather\t\xEF\xBB\xBFrain\tla lluvia");
    }
    void malformedLinesAreRefused()
    {
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString words = dir.filePath("words.tsv");
        const QString out = dir.filePath("out.mdb");
        QVERIFY(writeFile(words, "# comment\n\nWeather\tsnow\tla nieve\n" + line + "\nWeather\twind\tel viento\n"));
        QVERIFY(writeFile(out, "previous build"));

        const Run result = run(kWordbase, {"--password", "pw", words, out});
        QVERIFY(result.exitCode != 0);
        QVERIFY2(result.err.contains("words.tsv") && result.err.contains("line 4"), qPrintable(result.err));
        // Neither a partial database nor a temporary file is left; the old output is untouched.
        QCOMPARE(filesIn(dir), (QStringList{"out.mdb", "words.tsv"}));
        QCOMPARE(fileBytes(out), QByteArray("previous build"));
    }

    void parserSkipsCommentsBlankLinesAndLineEnds()
    {
        std::istringstream in(
            "\xEF\xBB\xBF# bundled words\r\n"
            "\r\n"
            "\n"
            "Weather\train\tla lluvia\r\n"
            "#Weather\tcommented\tout\n"
            "Kitchen\t\t\n"
            " Weather \t spaced \t kept \n"
            "Time\tday\tel día");
        const Pairs expected = {{"Weather", "rain", "la lluvia"},
                                {"Kitchen", "", ""},
                                {" Weather ", " spaced ", " kept "},
                                {"Time", "day", "el día"}};
        QCOMPARE(vorlix::wordbase::parseWordList(in), expected);

        std::istringstream bad("Weather\train\tla lluvia\n\nWeather\tsnow\n");
        try {
            vorlix::wordbase::parseWordList(bad);
            QFAIL("no WordListError");
        } catch (const vorlix::wordbase::WordListError& e) {
            QCOMPARE(e.line(), 3);
        }
    }

    void passwordDecodesBack_data()
    {
        QTest::addColumn<std::string>("password");
        QTest::newRow("program's") << std::string("Vbnk53917026");
        QTest::newRow("none") << std::string();
        QTest::newRow("20 characters") << std::string("abcdefghijklmnopqrst");
        QTest::newRow("non-Latin") << std::string("ñandú-пароль-密码");
    }
    void passwordDecodesBack()
    {
        QFETCH(std::string, password);
        QTemporaryDir dir;
        const QString out = build(dir, {{"Weather", "rain", "la lluvia"}}, password);
        QCOMPARE(Database(out.toStdString()).password(), password);
        const QByteArray page = fileBytes(out).left(4096);
        const auto decoded = vorlix::jet::decodePassword({reinterpret_cast<const uint8_t*>(page.constData()), 4096});
        QCOMPARE(decoded, std::optional<std::string>(password));
    }

    void tooLongPasswordIsRefused()
    {
        QTemporaryDir dir;
        const QString words = dir.filePath("words.tsv");
        const QString out = dir.filePath("out.mdb");
        QVERIFY(writeFile(words, "Weather\train\tla lluvia\n"));
        const Run result = run(kWordbase, {"--password", "abcdefghijklmnopqrstu", words, out});
        QVERIFY(result.exitCode != 0);
        QVERIFY2(result.err.contains("password") && result.err.contains("20"), qPrintable(result.err));
        QVERIFY(!QFile::exists(out));
    }

    // The parts of page 0 that do not depend on the password or date must be what Access
    // writes. Comparing stored bytes also checks the RC4 keystream at every field.
    void headerMatchesAccess()
    {
        QTemporaryDir dir;
        const QByteArray ours = fileBytes(build(dir, {{"Weather", "rain", "la lluvia"}}, "password")).left(4096);
        const QByteArray access = fileBytes(kAccessWithPassword).left(4096);
        QCOMPARE(ours.size(), 4096);
        QCOMPARE(ours.left(0x14), access.left(0x14));      // magic, "Standard Jet DB"
        QCOMPARE(ours.mid(0x14, 4), access.mid(0x14, 4));  // version: Jet4
        QCOMPARE(ours.mid(0x3C, 2), access.mid(0x3C, 2));  // code page 1252
        QCOMPARE(ours.mid(0x3E, 4), access.mid(0x3E, 4));  // database key 0: no page encryption
        QCOMPARE(ours.mid(0x6E, 4), access.mid(0x6E, 4));  // general sort order
    }

    void textIsCompressedWhereReadersAllow()
    {
        using vorlix::wordbase::jet4::encodeText;
        QCOMPARE(encodeText(u"abc"), (std::vector<uint8_t>{0xFF, 0xFE, 'a', 'b', 'c'}));
        QCOMPARE(encodeText(u"ñÿé"), (std::vector<uint8_t>{0xFF, 0xFE, 0xF1, 0xFF, 0xE9}));
        QCOMPARE(encodeText(u"ab"), (std::vector<uint8_t>{'a', 0, 'b', 0}));               // no gain
        QCOMPARE(encodeText(u"aĀa"), (std::vector<uint8_t>{'a', 0, 0x00, 0x01, 'a', 0}));  // beyond U+00FF
        QVERIFY(encodeText(u"").empty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, encodeText(u"\uFEFFabc"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, encodeText(std::u16string(256, u'a')));
    }

    void commandLine()
    {
        const Run help = run(kWordbase, {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("usage: wordbase [--password TEXT] WORDS.tsv OUT.mdb"));
        QCOMPARE(run(kWordbase, {}).exitCode, 2);
        QCOMPARE(run(kWordbase, {"--password"}).exitCode, 2);
        QCOMPARE(run(kWordbase, {"--verbose", "a.tsv", "b.mdb"}).exitCode, 2);

        QTemporaryDir dir;
        const Run missing = run(kWordbase, {dir.filePath("none.tsv"), dir.filePath("out.mdb")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains("none.tsv"), qPrintable(missing.err));
        QVERIFY(filesIn(dir).isEmpty());
    }

    void unwritableOutputIsReported()
    {
        QTemporaryDir dir;
        const QString words = dir.filePath("words.tsv");
        QVERIFY(writeFile(words, "Weather\train\tla lluvia\n"));
        const std::string out = dir.filePath("no-such-folder/out.mdb").toStdString();
        QVERIFY_THROWS_EXCEPTION(vorlix::wordbase::BuildError,
                                 vorlix::wordbase::buildWordDatabase(words.toStdString(), out, ""));
        QCOMPARE(filesIn(dir), QStringList{"words.tsv"});
    }
};

QTEST_GUILESS_MAIN(TestWordbase)
#include "test_wordbase.moc"
