// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include "words/jet/jet_database.h"

using vorlix::jet::Database;
using vorlix::jet::DamagedFile;
using vorlix::jet::JetError;
using vorlix::jet::QueryResult;

namespace {

using Rows = std::vector<std::vector<std::string>>;

QString sample(const char* name)
{
    return QStringLiteral(VORLIX_JET_SAMPLES_DIR "/") + name;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

std::span<const uint8_t> bytesOf(const QByteArray& data)
{
    return {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())};
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return {};
    return path;
}

// The JetError text of opening `path`, or "" when it opened.
QString openError(const QString& path)
{
    try {
        Database db(path.toStdString());
    } catch (const JetError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

}  // namespace

class TestJetDatabase : public QObject {
    Q_OBJECT
private slots:
    void headerOfEverySample_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("version");
        QTest::newRow("password") << sample("access2003-password-is-password.mdb") << "password" << 4;
        QTest::newRow("no password") << sample("access2003-no-password.mdb") << "" << 4;
        QTest::newRow("unicode") << sample("access2003-unicode-compressed.mdb") << "" << 4;
        QTest::newRow("jet3") << sample("access97-jet3.mdb") << "" << 3;
    }
    void headerOfEverySample()
    {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(int, version);
        Database db(file.toStdString());
        QCOMPARE(QString::fromStdString(db.password()), password);
        QCOMPARE(db.jetVersion(), version);

        const auto decoded = vorlix::jet::decodePassword(bytesOf(fileBytes(file)));
        QVERIFY(decoded);
        QCOMPARE(QString::fromStdString(*decoded), password);
    }

    void decodePasswordRefusesWhatIsNoHeader()
    {
        const QByteArray page = fileBytes(sample("access2003-password-is-password.mdb")).left(4096);
        // The scrambled region ends at 0x98: one byte short is no header, the exact size is.
        QVERIFY(!vorlix::jet::decodePassword(bytesOf(page.left(0x97))));
        QCOMPARE(vorlix::jet::decodePassword(bytesOf(page.left(0x98))), std::optional<std::string>("password"));
        QVERIFY(!vorlix::jet::decodePassword({}));

        QByteArray wrongMagic = page;
        wrongMagic[4] = 'X';
        QVERIFY(!vorlix::jet::decodePassword(bytesOf(wrongMagic)));
        QByteArray unknownVersion = page;
        unknownVersion[0x14] = 0x7F;
        QVERIFY(!vorlix::jet::decodePassword(bytesOf(unknownVersion)));
    }

    void queryListsTheKnownRows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<std::vector<std::string>>("columns");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("jet4") << sample("access2003-password-is-password.mdb") << "select * from Table1"
                              << std::vector<std::string>{"ID", "Data"}
                              << Rows{{"1", "One"}, {"2", "Two"}, {"3", "Three"}};
        QTest::newRow("where, blank after =")
            << sample("access2003-no-password.mdb") << "select * from Table1 where Data= 'Two'"
            << std::vector<std::string>{"ID", "Data"} << Rows{{"2", "Two"}};
        QTest::newRow("no match") << sample("access2003-no-password.mdb") << "select * from Table1 where Data= 'Four'"
                                  << std::vector<std::string>{"ID", "Data"} << Rows{};
        // A text equality compares as the program compares a category: ASCII letters without
        // regard to letter case, everything else as it stands.
        QTest::newRow("= in small letters")
            << sample("access2003-no-password.mdb") << "select * from Table1 where Data= 'two'"
            << std::vector<std::string>{"ID", "Data"} << Rows{{"2", "Two"}};
        QTest::newRow("= in capitals") << sample("access2003-no-password.mdb")
                                       << "select * from Table1 where Data= 'TWO'"
                                       << std::vector<std::string>{"ID", "Data"} << Rows{{"2", "Two"}};
        QTest::newRow("= beyond ASCII, as it stands")
            << sample("access2003-unicode-compressed.mdb") << "select * from [Table] where Unicode= 'мИР'"
            << std::vector<std::string>{"ID", "Unicode"} << Rows{};
        QTest::newRow("a wildcard in = is a plain character")
            << sample("access2003-no-password.mdb") << "select * from Table1 where Data= 'T_o'"
            << std::vector<std::string>{"ID", "Data"} << Rows{};
        QTest::newRow("jet3") << sample("access97-jet3.mdb") << "select * from Table1 "
                              << std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I"}
                              << Rows{{"a", "b", "0", "0", "0", "0", "12/12/81 00:00:00", "0.0000", "0"},
                                      {"abcdefg", "hijklmnop", "2", "222", "333333333", "444.555", "09/21/74 00:00:00",
                                       "3.5000", "1"}};
    }
    void queryListsTheKnownRows()
    {
        QFETCH(QString, file);
        QFETCH(QString, sql);
        QFETCH(std::vector<std::string>, columns);
        QFETCH(Rows, rows);
        Database db(file.toStdString());
        const QueryResult result = db.query(sql.toStdString());
        QCOMPARE(result.columns, columns);
        QCOMPARE(result.rows, rows);
    }

    void compressedAndNonLatinTextReadsAsUtf8()
    {
        Database db(sample("access2003-unicode-compressed.mdb").toStdString());
        const QueryResult result = db.query("select * from [Table]");
        QCOMPARE(result.rows.size(), size_t(8));
        QCOMPARE(result.rows[0][1], std::string("only ascii chars"));
        QCOMPARE(result.rows[1][1], std::string("ääkkösiä"));
        QCOMPARE(result.rows[2][1], std::string("Мир"));
        QCOMPARE(result.rows[4][1], std::string("漢字仮名交じり文"));
        QCOMPARE(result.rows[6][1], std::string("ümlaut"));
    }

    void queriesRunOneAfterAnother()
    {
        Database db(sample("access2003-no-password.mdb").toStdString());
        QVERIFY_THROWS_EXCEPTION(JetError, db.query("select * from NoSuchTable"));
        QCOMPARE(db.query("select * from Table1 where Data= 'One'").rows, (Rows{{"1", "One"}}));
        QCOMPARE(db.query("select * from Table1").rows.size(), size_t(3));
    }

    void badQueriesThrow_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("unknown table") << "select * from NoSuchTable";
        QTest::newRow("syntax") << "select from where";
        QTest::newRow("empty") << "";
        QTest::newRow("not a select") << "list tables";
        QTest::newRow("another file") << "connect to '/tmp/other.mdb'";
    }
    void badQueriesThrow()
    {
        QFETCH(QString, sql);
        Database db(sample("access2003-no-password.mdb").toStdString());
        try {
            db.query(sql.toStdString());
            QFAIL("no JetError");
        } catch (const JetError& e) {
            QVERIFY2(QString(e.what()).startsWith("the query failed"), e.what());
        }
    }

    void filesThatAreNoDatabaseThrow()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray jet4 = fileBytes(sample("access2003-no-password.mdb"));

        QVERIFY(openError(dir.filePath("missing.mdb")).startsWith("cannot be read"));
        QVERIFY(openError(dir.path()).startsWith("cannot be read"));
        QVERIFY(openError(writeFile(dir, "empty.mdb", {})).startsWith("not an Access database"));
        QVERIFY(
            openError(writeFile(dir, "text.mdb", "category\tenglish\tspanish\n")).startsWith("not an Access database"));
        QVERIFY(openError(writeFile(dir, "header-only.mdb", jet4.left(4096))).startsWith("damaged"));
        QVERIFY(openError(writeFile(dir, "cut.mdb", jet4.left(jet4.size() - 100))).startsWith("damaged"));
    }

    // What libmdb would hand over as blank rows, or drop, is damage: the query says where, whether
    // or not the query's filter takes the rows. On the small word list as the word-database
    // builder lays it out: the word table's definition on page 5, its six rows on page 6, the
    // first of them (39 bytes) from 4057 to the page's end.
    void damageIsReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QString good = VORLIX_TEST_DB_DIR "/no_password.mdb";
        const QString damaged = VORLIX_SOURCE_DIR "/tests/data/damaged/";
        constexpr int tableDefinition = 5 * 4096;
        constexpr int rows = 6 * 4096;
        constexpr int spanishVariableNumber = tableDefinition + 63 + 2 * 25 + 7;
        QTest::newRow("a column outside the rows") << good << spanishVariableNumber << QByteArray("\x00\x02", 2)
                                                   << "table word: its column spanish lies outside its rows";
        QTest::newRow("a row of no columns")
            << good << rows + 4057 << QByteArray(2, '\0') << "table word: page 6, row 0 holds no columns";
        QTest::newRow("a column offset past its row")
            << good << rows + 4096 - 1 - 4 - 2 << QByteArray("\xC8\x00", 2)
            << "table word: page 6, row 0 has variable-length columns outside it";
        QTest::newRow("a row outside its page")
            << good << rows + 14 + 2 << QByteArray("\xF0\x0F", 2) << "table word: page 6, row 1 lies outside its page";
        // The fuzzed files' damage is in the column definitions; mended there, their rows of no
        // columns are what is left.
        QTest::newRow("bad-row-offsets-3") << damaged + "bad-row-offsets-3.mdb" << 0 << QByteArray()
                                           << "table word: its column spanish lies outside its rows";
        QTest::newRow("bad-row-offsets-3, mended")
            << damaged + "bad-row-offsets-3.mdb" << spanishVariableNumber << QByteArray("\x02\x00", 2)
            << "table word: page 6, row 0 holds no columns";
    }
    void damageIsReported()
    {
        QFETCH(QString, file);
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "reg.ocx", fileBytes(file).replace(at, bytes.size(), bytes));
        Database db(path.toStdString());
        try {
            db.query("select * from word where category= 'Weather'");
            QFAIL("no DamagedFile");
        } catch (const DamagedFile& e) {
            QCOMPARE(QString(e.what()), "damaged Access database: " + path + " (" + why + ")");
        }
    }

    void openingAndQueryingLeaveTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString copy = writeFile(dir, "copy.mdb", fileBytes(sample("access2003-password-is-password.mdb")));
        const QByteArray before = QCryptographicHash::hash(fileBytes(copy), QCryptographicHash::Sha256);
        {
            Database db(copy.toStdString());
            db.query("select * from Table1");
        }
        QCOMPARE(QCryptographicHash::hash(fileBytes(copy), QCryptographicHash::Sha256), before);
    }
};

QTEST_GUILESS_MAIN(TestJetDatabase)
#include "test_jet_database.moc"
