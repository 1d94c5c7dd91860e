// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "jet4_text.h"
#include "word_database.h"
#include "word_list.h"
#include "words/categories.h"
#include "words/jet/jet_database.h"

using vorlix::jet::Database;
using vorlix::wordbase::Diagnostic;
using vorlix::wordbase::WordList;
using vorlix::wordbase::WordPair;

namespace {

using Pairs = std::vector<WordPair>;

const QString kWordbase = QStringLiteral(WORDBASE_PROGRAM);

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

// `pairs` as a spreadsheet saves them as "CSV UTF-8": a byte-order mark, a header, CRLF, and
// quotes around a field that needs them.
QByteArray spreadsheetCsv(const Pairs& pairs)
{
    QByteArray text =
        "\xEF\xBB\xBF"
        "category,english,spanish\r\n";
    for (const WordPair& p : pairs) {
        for (const std::string& field : {p.category, p.english, p.spanish}) {
            QByteArray value = QByteArray::fromStdString(field);
            if (value.contains(',') || value.contains('"')) value = '"' + value.replace("\"", "\"\"") + '"';
            text += value + ',';
        }
        text.back() = '\r';
        text += '\n';
    }
    return text;
}

// `text` as UTF-16 with its byte-order mark.
QByteArray utf16(const QString& text, QSysInfo::Endian order)
{
    QByteArray bytes;
    for (const QChar c : QChar(QChar::ByteOrderMark) + text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(order == QSysInfo::LittleEndian ? low : high).append(order == QSysInfo::LittleEndian ? high : low);
    }
    return bytes;
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

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {-1, {}, {}};
    // A Windows program's text output ends its lines in CRLF.
    const auto text = [](const QByteArray& bytes) { return QString::fromUtf8(bytes).replace("\r\n", "\n"); };
    return {process.exitCode(), text(process.readAllStandardOutput()), text(process.readAllStandardError())};
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
// 255-unit limit reached in one- and two-unit characters, an empty string, '&' and blanks.
Pairs mixedPairs()
{
    return {
        {"Weather", "rain", "la lluvia"},
        {"Electronics& Computers", "mouse", "el ratón"},
        {"Weather", "snow", "la nieve"},
        {"", "no category", "sin categoría"},
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

    // Written, a list without a single pair would leave the learner with no words at all.
    void emptyWordList_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("header only") << QByteArray("category,english,spanish\r\n");
        QTest::newRow("blank lines") << QByteArray("\n\r\n  \n");
        QTest::newRow("empty rows") << QByteArray(";;\r\n;;\r\n");
        QTest::newRow("Anki cards of pictures only")
            << QByteArray("#separator:tab\n#html:true\n<img src=\"rain.jpg\">\t<img src=\"lluvia.jpg\">\n");
    }
    void emptyWordList()
    {
        QFETCH(QByteArray, list);
        QTemporaryDir dir;
        const QString out = build(dir, {{"Weather", "rain", "la lluvia"}});
        const QByteArray before = fileBytes(out);
        const QString words = dir.filePath("empty.csv");
        QVERIFY(writeFile(words, list));
        const Run refused = run(kWordbase, {words, out});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, QFileInfo(kWordbase).completeBaseName() + ": no word pairs were found in " + words +
                                  "; nothing was written to " + out + "\n");
        QCOMPARE(fileBytes(out), before);
    }

    void manyRowsNeedAReferencedUsageMap()
    {
        QTemporaryDir dir;
        Pairs pairs;
        for (int i = 0; i < 60000; ++i) {
            pairs.push_back({i % 2 ? "Weather" : "tempTime", "word number " + std::to_string(i),
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
            QVERIFY2(result.err.contains("words.tsv:3: error:") && result.err.contains("spanish") &&
                         result.err.contains("255"),
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
        QVERIFY2(result.err.contains("words.tsv:4: error:"), qPrintable(result.err));
        // Neither a partial database nor a temporary file is left; the old output is untouched.
        QCOMPARE(filesIn(dir), (QStringList{"out.mdb", "words.tsv"}));
        QCOMPARE(fileBytes(out), QByteArray("previous build"));
    }

    void readsListsAsSpreadsheetsAndEditorsSaveThem_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<Pairs>("pairs");
        QTest::addColumn<QStringList>("notes");
        const auto unknown = [](const QString& category, const QString& nearest) {
            return "warning: \"" + category +
                   "\" is none of the 29 categories the program offers, so its pair shows "
                   "only under \"All\"" +
                   (nearest.isEmpty() ? "" : "; did you mean \"" + nearest + "\"?");
        };
        const auto fields = [](const QString& columns, const QString& separators, int found) {
            return "error: expected " + QString::number(columns.count(", ") + 1) + " fields (" + columns +
                   ") separated by " + separators + ", found " + QString::number(found);
        };

        QTest::newRow("CSV as LibreOffice saves it, a comment in quotes for its comma")
            << QByteArray(
                   "\"# my words, week 1\",,\ncategory,english,spanish\nWeather,\"rain, heavy\",\"la lluvia "
                   "\"\"fuerte\"\"\"\n"
                   "Kitchen,\"fork\nand knife\",el tenedor y el cuchillo\n")
            << Pairs{{"Weather", "rain, heavy", "la lluvia \"fuerte\""},
                     {"Kitchen", "fork\nand knife", "el tenedor y el cuchillo"}}
            << QStringList();
        QTest::newRow("CSV UTF-8 as Excel saves it: BOM, CRLF, header in another order")
            << QByteArray(
                   "\xEF\xBB\xBF"
                   "English,Spanish,Category\r\n\"say \"\"hi\"\"\",\"di \"\"hola\"\"\",Sales\r\n"
                   "rain,la lluvia,Weather\r\n")
            << Pairs{{"Sales", "say \"hi\"", "di \"hola\""}, {"Weather", "rain", "la lluvia"}} << QStringList();
        QTest::newRow("semicolons, where the comma is the decimal sign")
            << QByteArray("Weather;rain, heavy;la lluvia fuerte\r\nSales;\"price; tax\";\"precio; impuesto\"\r\n")
            << Pairs{{"Weather", "rain, heavy", "la lluvia fuerte"}, {"Sales", "price; tax", "precio; impuesto"}}
            << QStringList();
        QTest::newRow("Unicode text as Excel saves it: UTF-16 with tabs")
            << utf16(
                   "category\tenglish\tspanish\r\nKitchen\t\"fork\tknife\"\tel tenedor\r\nArts\tparty 🎉\tla fiesta\r\n",
                   QSysInfo::LittleEndian)
            << Pairs{{"Kitchen", "fork\tknife", "el tenedor"}, {"Arts", "party 🎉", "la fiesta"}} << QStringList();
        QTest::newRow("UTF-16 big-endian, lines ending in CR alone")
            << utf16("Weather\train\tla lluvia\rWeather\tsnow\tla nieve\r", QSysInfo::BigEndian)
            << Pairs{{"Weather", "rain", "la lluvia"}, {"Weather", "snow", "la nieve"}} << QStringList();
        QTest::newRow("tab-separated as before: comments at the head, blank lines, blanks and quotes kept")
            << QByteArray(
                   "\xEF\xBB\xBF# bundled words\r\n\r\n\nWeather\train\tla lluvia\r\n#Weather\tnot a comment\there\n"
                   " Weather \t spaced \t kept \nWeather\tsay \"hi\"\tdi \"hola\"\n\t\t\ntempTime\tday\tel día")
            << Pairs{{"Weather", "rain", "la lluvia"},
                     {"#Weather", "not a comment", "here"},
                     {" Weather ", " spaced ", " kept "},
                     {"Weather", "say \"hi\"", "di \"hola\""},
                     {"tempTime", "day", "el día"}}
            << QStringList{"5: " + unknown("#Weather", "Weather"), "6: " + unknown(" Weather ", "Weather")};
        QTest::newRow("the dialog's captions, categories the program does not offer, a pair twice")
            << QByteArray(
                   "weather,rain,la lluvia\nOrganizational,manager,el gerente\nTime,day,el día\n"
                   "Food,bread,el pan\nFood,milk,la leche\n,cat,el gato\nWeather,snow,la nieve\n"
                   "WEATHER,snow,la nieve\nElectronics & Computers,mouse,el ratón\nentertainment&fashion,hat,el "
                   "sombrero\nOrganisational,boss,el jefe\n")
            << Pairs{{"Weather", "rain", "la lluvia"},
                     {"Organizational chart", "manager", "el gerente"},
                     {"tempTime", "day", "el día"},
                     {"Food", "bread", "el pan"},
                     {"Food", "milk", "la leche"},
                     {"", "cat", "el gato"},
                     {"Weather", "snow", "la nieve"},
                     {"Weather", "snow", "la nieve"},
                     {"Electronics& Computers", "mouse", "el ratón"},
                     {"Entertainment& Fashion", "hat", "el sombrero"},
                     {"Organisational", "boss", "el jefe"}}
            << QStringList{
                   "4: warning: \"Food\" is none of the 29 categories the program offers, so its 2 pairs "
                   "show only under \"All\"",
                   "6: warning: the pair here has no category, so it shows only under \"All\"",
                   "8: warning: the pair \"snow | la nieve\" in \"Weather\" was given on line 7 already; both "
                   "are kept, so it comes up more often",
                   "11: " + unknown("Organisational", "Organizational chart")};
        QTest::newRow("a comma outside quotes")
            << QByteArray("Weather,rain,la lluvia\nWeather,rain, heavy,la lluvia fuerte\n")
            << Pairs{{"Weather", "rain", "la lluvia"}}
            << QStringList{"2: " + fields("category, english, spanish", "commas", 4) +
                           "; a text that holds a comma belongs in double quotes"};
        QTest::newRow("a field missing, in the header's order")
            << QByteArray("english\tspanish\tcategory\nrain\tla lluvia\n") << Pairs{}
            << QStringList{"2: " + fields("english, spanish, category", "tabs", 2)};
        QTest::newRow("empty and blank texts")
            << QByteArray("Weather;;la lluvia\nWeather;rain;  \n") << Pairs{}
            << QStringList{"1: error: the english text is empty; every pair needs both words",
                           "2: error: the spanish text is empty; every pair needs both words"};
        QTest::newRow("a quote never closed")
            << QByteArray("Weather,rain,la lluvia\nWeather,\"snow,la nieve\nWeather,wind,el viento\n")
            << Pairs{{"Weather", "rain", "la lluvia"}}
            << QStringList{"2: error: the quoted field opened on line 2 is never closed"};
        QTest::newRow("text after a closing quote")
            << QByteArray("Weather,\"rain\" heavy,la lluvia\n") << Pairs{}
            << QStringList{
                   "1: error: text follows the closing quote of a quoted field; a quote inside it is written "
                   "twice (\"\")"};
        QTest::newRow("a header naming a column twice")
            << QByteArray("English,english,Spanish\n") << Pairs{}
            << QStringList{
                   "1: error: a header line names the columns category, english and spanish, or english and "
                   "spanish, each once"};
        QTest::newRow("Excel's plain CSV: semicolons, the system's code page")
            << QByteArray(
                   "category;english;spanish\r\nWeather;rain;la lluvia\r\nKitchen;spoon;la cuchara peque\xF1"
                   "a \x80 1\r\n")
            << Pairs{{"Weather", "rain", "la lluvia"}, {"Kitchen", "spoon", "la cuchara pequeña € 1"}}
            << QStringList{"read as Windows-1252"};
        QTest::newRow("a spreadsheet's own file")
            << QByteArray("PK\x03\x04\x14\x00\x06\x00[Content_Types].xml", 27) << Pairs{}
            << QStringList{
                   "1: error: the file is a spreadsheet's own file (such as .xlsx, .ods or .xls), not a list; open "
                   "it in the spreadsheet and save it as CSV"};
        QTest::newRow("Quizlet: a pair a line, Spanish first as the header says, a pair twice")
            << QByteArray("Spanish\tEnglish\nla lluvia\train\nel sol\tsun\nla lluvia\train\n")
            << Pairs{{"", "rain", "la lluvia"}, {"", "sun", "el sol"}, {"", "rain", "la lluvia"}}
            << QStringList{
                   "4: warning: the pair \"rain | la lluvia\" was given on line 2 already; both are kept, so it "
                   "comes up more often"};
        QTest::newRow("Anki's notes in plain text: its header, HTML, the columns it adds")
            << QByteArray(
                   "#separator:Pipe\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n#tags "
                   "column:6\nq1|Basic|Spanish|<b>rain</b>&nbsp;&amp; <i>wind</i>|\"la lluvia<br>y el "
                   "viento\"|weather\nq2|Basic|Spanish|&lt;sun&gt;|&#xE9;l &#233;|\n")
            << Pairs{{"", "rain & wind", "la lluvia y el viento"}, {"", "<sun>", "él é"}} << QStringList();
        QTest::newRow("two columns, then three")
            << QByteArray("rain,la lluvia\nWeather,snow,la nieve\n") << Pairs{{"", "rain", "la lluvia"}}
            << QStringList{"2: " + fields("english, spanish", "commas", 3) +
                           "; a text that holds a comma belongs in double quotes"};
        QTest::newRow("UTF-16 cut off in a character")
            << utf16("Weather\train\nx", QSysInfo::LittleEndian).chopped(1) << Pairs{}
            << QStringList{
                   "2: error: the file is not valid UTF-16 text; save the list again, as CSV UTF-8 or as "
                   "Unicode text"};
        const QString notUtf8Here =
            "error: the file is UTF-8 text, but this line is not, so its letters would be garbled; type them again, "
            "or save the list with the character set UTF-8 (Excel: \"CSV UTF-8\", LibreOffice: \"Unicode (UTF-8)\")";
        QTest::newRow("UTF-8 with a stray byte: refused at its line, not read as Windows-1252")
            << QByteArray(
                   "Kitchen,pineapple,la pi\xC3\xB1"
                   "a\r\nKitchen,spoon,la cuchara peque\xF1"
                   "a\r\n")
            << Pairs{} << QStringList{"2: " + notUtf8Here};
        QTest::newRow("a byte-order mark says UTF-8, a byte is not")
            << QByteArray("\xEF\xBB\xBFWeather,rain,la lluvia\rKitchen,spoon,cuchar\xE1") << Pairs{}
            << QStringList{"2: " + notUtf8Here};
        QTest::newRow("the category last on every line, and no header")
            << QByteArray("rain,la lluvia,Weather\nspoon,la cuchara,kitchen\nday,el día,Time\n")
            << Pairs{{"Weather", "rain", "la lluvia"},
                     {"Kitchen", "spoon", "la cuchara"},
                     {"tempTime", "day", "el día"}}
            << QStringList{
                   "1: warning: every line ends in a category the program offers and starts with none, so the "
                   "columns are read as english, spanish, category"};
        QTest::newRow("a category word last, but the first column names one: in order")
            << QByteArray("Sales,sale,la venta\nrain,la lluvia,Weather\n")
            << Pairs{{"Sales", "sale", "la venta"}, {"rain", "la lluvia", "Weather"}}
            << QStringList{"2: " + unknown("rain", "")};
        QTest::newRow("Anki's HTML as Anki shows it")
            << QByteArray(
                   "#separator:tab\n#html:true\ngrater<br>[sound:grater.mp3]<div><img src=\"grater.jpg\"></div>\tel "
                   "rallador\nfrying pan\tla sart&eacute;n &Ntilde;&#x1F373;\n<!-- x > y -->dog\t<a title=\"x > "
                   "y\">el perro</a>\n<table><tr><td>one</td><td>two</td></tr></table>\t\"uno <\ndos\"\n")
            << Pairs{{"", "grater", "el rallador"},
                     {"", "frying pan", "la sartén Ñ🍳"},
                     {"", "dog", "el perro"},
                     {"", "one two", "uno < dos"}}
            << QStringList();
        QTest::newRow("Anki's #columns:, note ids that start with '#'")
            << QByteArray(
                   "#separator:tab\n#guid column:1\n#tags column:4\n#columns:id\tes\ten\ttags\n#a1\tla "
                   "lluvia\train\tweather\n\"#b2\"\tel sol\tsun\t\n")
            << Pairs{{"", "rain", "la lluvia"}, {"", "sun", "el sol"}} << QStringList();
        QTest::newRow("Anki's #columns: in blanks, a tags column it names alone")
            << QByteArray("#separator:tab\n#columns:front back tags\nrain\tla lluvia\tweather\n")
            << Pairs{{"", "rain", "la lluvia"}} << QStringList();
        QTest::newRow("typed by hand") << QByteArray("rain - la lluvia\nthe sun  -  el sol\nwell-known - conocido\n")
                                       << Pairs{{"", "rain", "la lluvia"},
                                                {"", "the sun", "el sol"},
                                                {"", "well-known", "conocido"}}
                                       << QStringList();
        QTest::newRow("typed by hand, a line without its dash")
            << QByteArray("rain \u2013 la lluvia\nsun el sol\n") << Pairs{{"", "rain", "la lluvia"}}
            << QStringList{"2: " + fields("english, spanish", "\" \u2013 \"", 1)};
        QTest::newRow("Excel's columns to the right, empty or not")
            << QByteArray("category;english;spanish;;\r\nKitchen;girl;la niña;;\r\nKitchen;cat;el gato;;note\r\n")
            << Pairs{{"Kitchen", "girl", "la niña"}}
            << QStringList{"3: " + fields("category, english, spanish", "semicolons", 5) +
                           "; \"note\" stands in a column after the spanish one: delete it there"};
        QTest::newRow("'#' starts a word after the head")
            << QByteArray("rain,la lluvia\n\"#1 hit\",éxito\n#2,dos\n")
            << Pairs{{"", "rain", "la lluvia"}, {"", "#1 hit", "éxito"}, {"", "#2", "dos"}} << QStringList();
    }
    void readsListsAsSpreadsheetsAndEditorsSaveThem()
    {
        QFETCH(QByteArray, list);
        QFETCH(Pairs, pairs);
        QFETCH(QStringList, notes);
        if (const QString seeds = qEnvironmentVariable("VORLIX_WORD_LIST_SEEDS"); !seeds.isEmpty())
            QVERIFY(writeFile(seeds + "/" + QString::number(qHash(list), 16), list));  // fuzz/run.sh's start
        const WordList read = vorlix::wordbase::readWordList(list.toStdString());
        QStringList said;
        for (const Diagnostic& d : read.notes) {
            const char* kind = d.kind == Diagnostic::Kind::Error ? "error" : "warning";
            said << QString("%1: %2: %3").arg(d.line).arg(kind, QString::fromStdString(d.text));
        }
        if (!read.legacyCharacterSet.empty())
            said.prepend("read as " + QString::fromStdString(read.legacyCharacterSet));
        QCOMPARE(said, notes);
        QCOMPARE(read.pairs, pairs);
    }

    // Of a thousand bad lines or repeated pairs, the notes shown are kept and the rest counted.
    void notesBeyondThoseShownAreCounted_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("lastKept");
        QTest::addColumn<QString>("more");
        QTest::newRow("a line of two fields") << QByteArray("Weather\train\n") << 21 << "980 more errors";
        QTest::newRow("a pair given again") << QByteArray("Weather\train\tla lluvia\n") << 22 << "979 more warnings";
    }
    void notesBeyondThoseShownAreCounted()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, lastKept);
        QFETCH(QString, more);
        const QByteArray list = "Weather\tsun\tel sol\n" + line.repeated(1000);
        const WordList read = vorlix::wordbase::readWordList(list.toStdString());
        QCOMPARE(read.notes.size(), size_t(20));
        QCOMPARE(read.notes.back().line, lastKept);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("words.tsv"), list));
        const Run built = run(kWordbase, {dir.filePath("words.tsv"), dir.filePath("out.mdb")});
        QVERIFY2(built.err.contains(dir.filePath("words.tsv") + ": " + more + "\n"), qPrintable(built.err));
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
        const QString name = QFileInfo(kWordbase).completeBaseName();
        const Run help = run(kWordbase, {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(
            help.out.startsWith("usage: " + name + " [--add] [--category NAME] [--password TEXT] LIST [OUT.mdb]\n"));
        const Run version = run(kWordbase, {"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression("^" + name + " \\(Vorlix\\) \\d+\\.\\d+\\.\\d+\\n$").match(version.out).hasMatch(),
                 qPrintable(version.out));
        QCOMPARE(run(kWordbase, {}).exitCode, 2);
        QCOMPARE(run(kWordbase, {"--password"}).exitCode, 2);
        QCOMPARE(run(kWordbase, {"--verbose", "a.tsv", "b.mdb"}).exitCode, 2);
        const Run unknown = run(kWordbase, {"--category", "Wether", "a.tsv", "b.mdb"});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(
            unknown.err.contains("\"Wether\" is none of the 29 categories Vorlix offers; did you mean \"Weather\"?"),
            qPrintable(unknown.err));

        QTemporaryDir dir;
        const Run missing = run(kWordbase, {dir.filePath("none.tsv"), dir.filePath("out.mdb")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains("none.tsv"), qPrintable(missing.err));
        QVERIFY(filesIn(dir).isEmpty());
    }

    // The whole way from a spreadsheet to the word database, as a learner goes it.
    void spreadsheetListBecomesADatabase()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath("my words.csv");
        const QString out = dir.filePath("reg.ocx");
        const Pairs pairs = {{"Weather", "rain, heavy", "la lluvia \"fuerte\""},
                             {"Kitchen", "spoon", "la cuchara"},
                             {"Electronics& Computers", "mouse", "el ratón"}};
        // A category in another letter case is the program's, stored as the program spells it.
        Pairs written = pairs;
        written[1].category = "kitchen";
        QVERIFY(writeFile(list, spreadsheetCsv(written)));
        const Run built = run(kWordbase, {list, out});
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(built.out, "3 pairs in 3 categories went into " + out + "\n");
        QCOMPARE(built.err, QString());

        // Without --password the database has none, and opens as the program's own does.
        Database db(out.toStdString());
        QCOMPARE(db.password(), std::string());
        QCOMPARE(db.query("select * from word ").rows, rowsOf(pairs));
        if (kMdbToolsAtHand) {
            QString exported;
            for (const WordPair& p : pairs) {
                for (const std::string& text : {p.category, p.english, p.spanish})
                    exported += "\"" + QString::fromStdString(text).replace("\"", "\"\"") + "\",";
                exported.back() = '\n';
            }
            QCOMPARE(run("mdb-export", {"-H", out, "word"}).out, exported);
        }

        // A bad line stops the next build; the database stays as it was.
        const QByteArray built1 = fileBytes(out);
        QVERIFY(writeFile(list, spreadsheetCsv(pairs) + "Weather,snow\r\n"));
        const Run refused = run(kWordbase, {list, out});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.startsWith(list + ":5: error: expected 3 fields") &&
                     refused.err.contains("nothing was written to " + out),
                 qPrintable(refused.err));
        QCOMPARE(fileBytes(out), built1);
        QCOMPARE(filesIn(dir), (QStringList{"my words.csv", "reg.ocx"}));
    }

    // What Quizlet and Anki export: pairs of two columns, under "All", or under the category named.
    void flashCardExportsBecomeDatabases_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("category");
        const QByteArray quizlet = "rain\tla lluvia\nsun\tel sol\n";
        const QByteArray anki =
            "#separator:tab\n#html:true\n#tags column:3\nrain\tla <b>lluvia</b>\tvocab\nsun\tel&nbsp;sol\t\n";
        QTest::newRow("Quizlet") << quizlet << QStringList() << QString();
        QTest::newRow("Anki") << anki << QStringList() << QString();
        QTest::newRow("Quizlet, a category named") << quizlet << QStringList{"--category", "weather"} << "Weather";
        QTest::newRow("Anki, a category named") << anki << QStringList{"--category=Weather"} << "Weather";
        QTest::newRow("Quizlet, the dialog's caption named")
            << quizlet << QStringList{"--category", "time"} << "tempTime";
    }
    void flashCardExportsBecomeDatabases()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, options);
        QFETCH(QString, category);
        QTemporaryDir dir;
        const QString words = dir.filePath("export.txt");
        const QString out = dir.filePath("reg.ocx");
        QVERIFY(writeFile(words, list));
        const Run built = run(kWordbase, options + QStringList{words, out});
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(built.err, QString());
        QCOMPARE(built.out, category.isEmpty()
                                ? "2 pairs without a category (Vorlix shows them under \"All\") went into " + out + "\n"
                                : "2 pairs in 1 category went into " + out + "\n");
        const std::string name = category.toStdString();
        QCOMPARE(Database(out.toStdString()).query("select * from word ").rows,
                 rowsOf({{name, "rain", "la lluvia"}, {name, "sun", "el sol"}}));
    }

    // Given only a list, the tool writes the database the program reads instead of its own.
    void ownDatabaseIsTheDefault()
    {
#ifdef _WIN32
        QSKIP("the Windows folder is the Wine prefix's own: tests/wine/test_installer_wine.sh goes that way");
#endif
        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        const QString list = dir.filePath("words.csv");
        const QString own = dir.filePath("data/vorlix/reg.ocx");
        QVERIFY(writeFile(list, "Weather,rain,la lluvia\n"));
        const Run built = run(kWordbase, {list}, environment);
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(built.out, "1 pair in 1 category went into " + own +
                                "\nVorlix shows them from its next start: end it (Exit in its menu) and start it "
                                "again.\nTo go back to the words Vorlix comes with, delete " +
                                own + "\n");
        QCOMPARE(Database(own.toStdString()).query("select * from word ").rows,
                 rowsOf({{"Weather", "rain", "la lluvia"}}));

        QVERIFY(writeFile(list, "Weather,,la lluvia\n"));
        const QByteArray before = fileBytes(own);
        const Run refused = run(kWordbase, {list}, environment);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.endsWith("nothing was written to " + own +
                                      "\nVorlix goes on with the words it has. Correct the list, save it, and give it "
                                      "to vorlix-wordbase again.\n"),
                 qPrintable(refused.err));
        QCOMPARE(fileBytes(own), before);

        // Each list that replaces the learner's words keeps them first, under the next free name.
        for (const QString& kept :
             {dir.filePath("data/vorlix/reg-previous.ocx"), dir.filePath("data/vorlix/reg-previous-2.ocx")}) {
            const QByteArray replaced = fileBytes(own);
            QVERIFY(writeFile(list, "Kitchen,spoon,la cuchara\n"));
            const Run again = run(kWordbase, {list}, environment);
            QVERIFY2(again.exitCode == 0 && again.out.contains("are kept in " + kept + ": to have them back, end"),
                     qPrintable(again.out));
            QCOMPARE(fileBytes(kept), replaced);
        }
    }

    // --add keeps the words there and adds those of the list it lacks: twice, the union.
    void addingTwiceGivesTheUnion()
    {
        QTemporaryDir dir;
        const Pairs held = {{"Weather", "rain", "la lluvia"}, {"Food", "bread", "el pan"}};
        const QString out = build(dir, held);
        const QString list = dir.filePath("more.csv");
        // A category in another letter case is the same one, as the program compares them.
        QVERIFY(writeFile(list,
                          "weather,rain,la lluvia\nfood,bread,el pan\nKitchen,spoon,la cuchara\n"
                          "Weather,rain,la lluvia fuerte\n"));
        const Run added = run(kWordbase, {"--add", list, out});
        QCOMPARE(added.exitCode, 0);
        QCOMPARE(added.out, "2 pairs were added to " + out +
                                ", which now holds 4 pairs in 3 categories; 2 pairs of the list it held already\n");
        QCOMPARE(
            Database(out.toStdString()).query("select * from word ").rows,
            rowsOf({held[0], held[1], {"Kitchen", "spoon", "la cuchara"}, {"Weather", "rain", "la lluvia fuerte"}}));

        const QByteArray once = fileBytes(out);
        const Run again = run(kWordbase, {"--add", list, out});
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out, "All 4 pairs of " + list + " are in " + out + " already; nothing was written\n");
        QCOMPARE(fileBytes(out), once);
#ifndef _WIN32
        // Away from the word reader the tool says where it looked, rather than take the database for empty.
        const QString lone = dir.filePath("lone/vorlix-wordbase");
        QVERIFY(QDir().mkpath(dir.filePath("lone")) && QFile::copy(kWordbase, lone));
        const Run alone = run(lone, {"--add", list, out});
        const QString looked = "is not where Vorlix keeps it (" + dir.filePath("lone/vorlix-words") + ", ";
        QVERIFY2(alone.exitCode == 1 && alone.err.contains(looked), qPrintable(alone.err));
        QCOMPARE(fileBytes(out), once);
#endif
    }

    // A database the tool cannot read is not added to: written, it would hold the list alone.
    void addRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("database");
        QTest::addColumn<QString>("why");
        QTemporaryDir dir;
        QTest::newRow("another password") << fileBytes(build(dir, {{"Weather", "rain", "la lluvia"}}, "Secret"))
                                          << "it is protected by a password; give it with --password";
        QTest::newRow("damaged") << fileBytes(build(dir, {{"Weather", "rain", "la lluvia"}})).left(8192)
                                 << "damaged Access database";
        QTest::newRow("no database") << QByteArray("my notes") << "not an Access database";
    }
    void addRefusesWhatItCannotRead()
    {
        QFETCH(QByteArray, database);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString out = dir.filePath("reg.ocx");
        const QString list = dir.filePath("more.csv");
        QVERIFY(writeFile(out, database));
        QVERIFY(writeFile(list, "Kitchen,spoon,la cuchara\n"));
        const Run refused = run(kWordbase, {"--add", list, out});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.startsWith(out + ": cannot be read, so nothing can be added to it (" + why),
                 qPrintable(refused.err));
        QCOMPARE(filesIn(dir), (QStringList{"more.csv", "reg.ocx"}));
        QCOMPARE(fileBytes(out), database);
    }

    // Windows hands a program its arguments in the system's code page unless it asks for them
    // in full; Wine runs this with a code page that lacks 词.
    void listInAFolderOutsideTheCodePage()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Zoë 词");
        QVERIFY(QDir().mkpath(folder));
        const QString list = folder + "/wörter.csv";
        const QString out = folder + "/reg.ocx";
        QVERIFY(writeFile(list, "Weather,rain,la lluvia\n"));
        const Run built = run(kWordbase, {"--password", "contraseña", list, out});
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(built.out, "1 pair in 1 category went into " + out + "\n");
        QCOMPARE(Database(out.toStdString()).password(), std::string("contraseña"));

        // The word reader, which reads the database added to, is handed the path as it is.
        QVERIFY(writeFile(list, "Kitchen,spoon,la cuchara\n"));
        QCOMPARE(run(kWordbase, {"--add", "--password", "contraseña", list, out}).exitCode, 0);
        QCOMPARE(Database(out.toStdString()).query("select * from word ").rows,
                 rowsOf({{"Weather", "rain", "la lluvia"}, {"Kitchen", "spoon", "la cuchara"}}));

        QVERIFY(writeFile(list, "Weather,,la lluvia\n"));
        const Run refused = run(kWordbase, {list, out});
        QVERIFY2(refused.err.startsWith(list + ":1: error:"), qPrintable(refused.err));
    }

    // A mistyped command must not cost the user a file: only an Access database is replaced.
    void onlyAnAccessDatabaseIsReplaced()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath("words.csv");
        const QString notes = dir.filePath("notes.txt");
        QVERIFY(writeFile(list, "Weather,rain,la lluvia\n"));
        QVERIFY(writeFile(notes, "my notes"));
        const Run overNotes = run(kWordbase, {list, notes});
        QCOMPARE(overNotes.exitCode, 1);
        QVERIFY2(overNotes.err.startsWith(notes + ": exists and is not an Access database"), qPrintable(overNotes.err));
        const Run overList = run(kWordbase, {list, list});
        QCOMPARE(overList.exitCode, 1);
        QVERIFY2(overList.err.startsWith(list + ": is the word list itself"), qPrintable(overList.err));
        QCOMPARE(fileBytes(notes), QByteArray("my notes"));
        QCOMPARE(fileBytes(list), QByteArray("Weather,rain,la lluvia\n"));
    }

    // A learner writes the names as the help and manual pages give them; a name the tool does
    // not take would put all of its words under "All".
    void helpAndManualPageNameTheCategoriesOffered()
    {
        QStringList offered;
        for (const vorlix::Category& c : vorlix::kCategories) {
            if (c.number != vorlix::kAllCategories) offered << QString::fromUtf8(c.name.data(), c.name.size());
        }
        const QString help = QString::fromUtf8(fileBytes(VORLIX_SOURCE_DIR "/docs/help.html"));
        const QString table = help.section("<table class=\"categories\">", 1).section("</table>", 0, 0);
        QStringList inHelp;
        for (const auto& match : QRegularExpression("<code>([^<]*)</code>").globalMatch(table))
            inHelp << match.captured(1).replace("&amp;", "&");
        QCOMPARE(inHelp, offered);

        const QString manual = QString::fromUtf8(fileBytes(VORLIX_SOURCE_DIR "/packaging/linux/vorlix-wordbase.1"));
        const QString block = manual.section("\n.SH CATEGORIES\n", 1).section("\n.nf\n", 1).section("\n.fi\n", 0, 0);
        const QStringList inManual = block.split('\n');
        QCOMPARE(inManual, offered);
    }

    // A list too large for the memory at hand once ended the tool with std::bad_alloc.
    void runningOutOfMemoryWritesNothing()
    {
#if defined(_WIN32) || defined(__SANITIZE_ADDRESS__)
        QSKIP("needs a shell's address-space limit, which AddressSanitizer's shadow memory exceeds");
#endif
        QTemporaryDir dir;
        const QString list = dir.filePath("words.tsv");
        const QString out = dir.filePath("out.mdb");
        QByteArray text;
        for (int i = 0; text.size() < 40'000'000; ++i) text += "Weather\tword " + QByteArray::number(i) + "\tpalabra\n";
        QVERIFY(writeFile(list, text));
        const Run result =
            run("/bin/sh", {"-c", "ulimit -v 120000 && exec \"$0\" \"$1\" \"$2\"", kWordbase, list, out});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith(list + ": there is not enough memory") &&
                     result.err.contains("nothing was written to " + out),
                 qPrintable(result.err));
        QCOMPARE(filesIn(dir), QStringList{"words.tsv"});
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
