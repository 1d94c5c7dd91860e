// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include "words/connect_text.h"
#include "words/data_control.h"
#include "words/word_query.h"
#include "words/word_source_message.h"

using namespace vorlix;

namespace {

const std::string kDatabases = VORLIX_TEST_DB_DIR;

QByteArray digest(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

DataControl source(const std::string& file, const std::string& query, const std::string& connect = wordConnect())
{
    DataControl data;
    data.DatabaseName = file;
    data.Connect = connect;
    data.RecordSource = query;
    return data;
}

const std::string kWeather = "select * from word where category= 'Weather'";

// A reader double that writes the first row and then fails as FAILING_WORD_READER says.
DataControl failingSource(const char* how)
{
    qputenv("FAILING_WORD_READER", how);
    DataControl data = source(kDatabases + "/program_password.mdb", kWeather);
    data.readerProgram = VORLIX_BIN_DIR "/failing_word_reader";
    // Long enough for a loaded machine to start the reader (Wine takes a second there).
    data.stallLimitMs = 2000;
    return data;
}

}  // namespace

class TestDataControl : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheProgramsPasswordAtTheFirstRow()
    {
        DataControl data = source(kDatabases + "/program_password.mdb", kWeather);
        QVERIFY(data.Refresh());
        Recordset& words = data.recordset();
        QCOMPARE(words.value(words.columnIndex("english")), std::string_view("rain"));
        QCOMPARE(words.value(words.columnIndex("spanish")), std::string_view("la lluvia"));
        QVERIFY(data.finishLoading());
        QCOMPARE(words.RecordCount(), size_t(3));
        QCOMPARE(words.value(words.columnIndex("english")), std::string_view("rain"));
    }

    void categoryWithAmpersandAndAllRows()
    {
        DataControl electronics =
            source(kDatabases + "/program_password.mdb", "select * from word where category= 'Electronics& Computers'");
        QVERIFY(electronics.Refresh() && electronics.finishLoading());
        QCOMPARE(electronics.recordset().RecordCount(), size_t(2));
        QCOMPARE(electronics.recordset().value(electronics.recordset().columnIndex("spanish")),
                 std::string_view("el ratón"));
        DataControl all = source(kDatabases + "/program_password.mdb", "select * from word ");
        QVERIFY(all.Refresh() && all.finishLoading());
        QCOMPARE(all.recordset().RecordCount(), size_t(6));
    }

    void passwordMustMatchExactly_data()
    {
        QTest::addColumn<QString>("connect");
        QTest::newRow("other") << ";pwd=Secret";
        QTest::newRow("other case") << ";pwd=vbnk53917026";
        QTest::newRow("none") << "";
        QTest::newRow("design value") << "Access";
    }
    void passwordMustMatchExactly()
    {
        QFETCH(QString, connect);
        DataControl data = source(kDatabases + "/program_password.mdb", kWeather, connect.toStdString());
        QVERIFY(!data.Refresh());
        QCOMPARE(data.failure(), WordSourceFailure::WrongPassword);
        QCOMPARE(data.recordset().RecordCount(), size_t(0));
    }

    void fileWithAnotherPasswordIsRefused()
    {
        DataControl data = source(kDatabases + "/other_password.mdb", kWeather);
        QVERIFY(!data.Refresh());
        QCOMPARE(wordSourceMessage(data.failure(), data.detail(), "/opt/v", 29),
                 std::string("No words: reg.ocx is protected by another password"));
    }

    void fileWithoutPasswordOpensWithAny()
    {
        DataControl data = source(kDatabases + "/no_password.mdb", kWeather);
        QVERIFY(data.Refresh() && data.finishLoading());
        QCOMPARE(data.recordset().RecordCount(), size_t(3));
    }

    void connectTextNamesThePassword()
    {
        QCOMPARE(connectPassword(";pwd=Vbnk53917026"), std::string("Vbnk53917026"));
        QCOMPARE(connectPassword(";PWD=abc;other=1"), std::string("abc"));
        QCOMPARE(connectPassword("Access"), std::string());
        QCOMPARE(connectPassword(";pwd="), std::string());
    }

    void emptyCategoryHasNoRows()
    {
        DataControl data =
            source(kDatabases + "/program_password.mdb", "select * from word where category= 'Religion'");
        QVERIFY(data.Refresh());
        QCOMPARE(data.recordset().RecordCount(), size_t(0));
        QCOMPARE(emptyCategoryMessage(26), std::string("No words in category Religion"));
        QCOMPARE(emptyCategoryMessage(9), std::string("No words in category Electronics& Computers"));
        QCOMPARE(emptyCategoryMessage(0), std::string("No words in the word database"));
    }

    void badFilesEndInAClearLine()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const std::string file = folder + "/reg.ocx";

        DataControl missing = source(file, kWeather);
        QVERIFY(!missing.Refresh());
        QCOMPARE(missing.failure(), WordSourceFailure::FileMissing);
        QCOMPARE(wordSourceMessage(missing.failure(), missing.detail(), folder, 29),
                 "No words: reg.ocx not found in " + folder);

        QVERIFY(QDir().mkpath(QString::fromStdString(file)));
        DataControl folderNotFile = source(file, kWeather);
        QVERIFY(!folderNotFile.Refresh());
        QCOMPARE(folderNotFile.failure(), WordSourceFailure::Unreadable);
        QVERIFY(QDir().rmdir(QString::fromStdString(file)));

        for (const QByteArray& content :
             {QByteArray(), QByteArray(5000, 'x'), QByteArray("\x00\x01\x00\x00Standard Jet DB", 19)}) {
            QFile garbage(QString::fromStdString(file));
            QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
            garbage.write(content);
            garbage.close();
            DataControl data = source(file, kWeather);
            QVERIFY(!data.Refresh());
            QCOMPARE(data.failure(), WordSourceFailure::Unreadable);
            QVERIFY(QString::fromStdString(wordSourceMessage(data.failure(), data.detail(), folder, 29))
                        .startsWith("No words: reg.ocx cannot be read"));
        }
    }

    // Cut short at every page boundary, or with a table definition that points past the end:
    // no words and a reason, never a crash.
    void damagedCopiesOfAGoodFile()
    {
        QFile good(QString::fromStdString(kDatabases + "/program_password.mdb"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray whole = good.readAll();
        QTemporaryDir dir;
        const std::string file = dir.filePath("reg.ocx").toStdString();
        // The failure reported for a file of this content; None when it opened.
        auto failureOf = [&](const QByteArray& content) {
            QFile copy(QString::fromStdString(file));
            copy.open(QIODevice::WriteOnly | QIODevice::Truncate);
            copy.write(content);
            copy.close();
            DataControl data = source(file, kWeather);
            return data.Refresh() && data.finishLoading() ? WordSourceFailure::None : data.failure();
        };
        QCOMPARE(failureOf(whole), WordSourceFailure::None);
        for (qsizetype cut = 0; cut < whole.size(); cut += 4096)
            QVERIFY2(failureOf(whole.left(cut)) != WordSourceFailure::None, qPrintable(QString::number(cut)));
        // The word table's definition (page 5) lies beyond the end: only the first pages are there.
        QVERIFY(failureOf(whole.left(5 * 4096)) != WordSourceFailure::None);
        const QByteArray garbagePages = whole.left(4096) + QByteArray(whole.size() - 4096, '\xA5');
        QVERIFY(failureOf(garbagePages) != WordSourceFailure::None);
    }

    // Files from fuzzing that make the Jet library hang, eat memory without end, or read beyond
    // its buffers, where it would hand over blank rows or none. Each must end, soon, in a clear
    // failure, and never take the program down with it.
    void filesThatUpsetTheJetLibrary_data()
    {
        QTest::addColumn<QString>("file");
        const QDir damaged(VORLIX_SOURCE_DIR "/tests/data/damaged");
        for (const QString& name : damaged.entryList({"*.mdb"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << damaged.filePath(name);
    }
    void filesThatUpsetTheJetLibrary()
    {
        QFETCH(QString, file);
        DataControl data = source(file.toStdString(), kWeather, "");
        data.stallLimitMs = 1000;
        QVERIFY(!(data.Refresh() && data.finishLoading()));
        QCOMPARE(data.failure(), WordSourceFailure::Unreadable);
        QVERIFY2(QString::fromStdString(data.detail()).startsWith("damaged Access database: "), data.detail().c_str());
    }

    // A damaged row on the word table's last page: the words before it stay, and the reason
    // comes after them.
    void damageAfterTheFirstWordsKeepsThem()
    {
        QFile bundled(VORLIX_BIN_DIR "/reg.ocx");
        QVERIFY(bundled.open(QIODevice::ReadOnly));
        QByteArray content = bundled.readAll();
        // The builder puts the word table's definition on page 5; its data pages name it.
        constexpr qsizetype kPage = 4096;
        qsizetype last = 0;
        for (qsizetype page = 0; page < content.size() / kPage; ++page) {
            const auto* bytes = reinterpret_cast<const uchar*>(content.constData() + page * kPage);
            if (bytes[0] == 0x01 && qFromLittleEndian<quint32>(bytes + 4) == 5) last = page;
        }
        QVERIFY(last > 6);
        const auto* lastPage = reinterpret_cast<const uchar*>(content.constData() + last * kPage);
        const qsizetype firstRow = last * kPage + (qFromLittleEndian<quint16>(lastPage + 14) & 0x1FFF);
        content.replace(firstRow, 2, QByteArray(2, '\0'));
        QTemporaryDir dir;
        const std::string file = dir.filePath("reg.ocx").toStdString();
        QFile copy(QString::fromStdString(file));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(content) == content.size());
        copy.close();

        DataControl data = source(file, "select * from word ");
        QVERIFY2(data.Refresh(), data.detail().c_str());
        QVERIFY(!data.finishLoading());
        QVERIFY(data.recordset().RecordCount() > 0);
        QCOMPARE(QString::fromStdString(unreadRestMessage(data.detail(), dir.path().toStdString())),
                 QStringLiteral("Some words could not be read (damaged Access database: table word: page %1, row 0 "
                                "holds no columns): %2")
                     .arg(last)
                     .arg(QString::fromStdString(file)));
    }

    void aReaderThatFailsAfterTheFirstRowLeavesTheRowsItSent_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<QString>("why");
        QTest::newRow("crash") << QByteArray("crash") << "(reading it failed)";
        QTest::newRow("hang") << QByteArray("hang") << "(reading it does not end)";
        QTest::newRow("cut short") << QByteArray("cut-short") << "(its words came cut short)";
    }
    void aReaderThatFailsAfterTheFirstRowLeavesTheRowsItSent()
    {
        QFETCH(QByteArray, how);
        QFETCH(QString, why);
        DataControl data = failingSource(how.constData());
        QVERIFY2(data.Refresh(), data.detail().c_str());
        QCOMPARE(data.recordset().value(data.recordset().columnIndex("english")), std::string_view("rain"));
        QVERIFY(!data.finishLoading());
        QVERIFY(!data.loading());
        QCOMPARE(data.failure(), WordSourceFailure::Unreadable);
        QVERIFY2(QString::fromStdString(data.detail()).endsWith(why), data.detail().c_str());
        QCOMPARE(data.recordset().RecordCount(), size_t(1));
        QCOMPARE(data.recordset().value(data.recordset().columnIndex("spanish")), std::string_view("la lluvia"));
    }

    void aReaderThatCannotStart()
    {
        DataControl data = source(kDatabases + "/program_password.mdb", kWeather);
        data.readerProgram = VORLIX_BIN_DIR "/no-such-reader";
        data.Open();
        QVERIFY(!data.finishLoading());
        QVERIFY(!data.Refresh());
        QCOMPARE(data.failure(), WordSourceFailure::Unreadable);
        QVERIFY2(QString::fromStdString(data.detail()).startsWith("the word reader cannot be started: "),
                 data.detail().c_str());
    }

    void theWordsLogSaysHowTheReaderEnded_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<QString>("ending");
        QTest::newRow("crash") << QByteArray("crash") << "crashed or was killed";
        QTest::newRow("hang") << QByteArray("hang") << "crashed or was killed";
        QTest::newRow("cut short") << QByteArray("cut-short") << "ended with exit code 0";
    }
    void theWordsLogSaysHowTheReaderEnded()
    {
        QFETCH(QByteArray, how);
        QFETCH(QString, ending);
        QLoggingCategory::setFilterRules(QStringLiteral("vorlix.words.debug=true"));
        if (how == "hang") {
            QTest::ignoreMessage(
                QtDebugMsg, QRegularExpression("^the word reader wrote nothing for 2000 ms after [1-9][0-9]* bytes"));
        }
        // What the reader itself says goes to the error output, beside the log.
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("failing_word_reader on .*/program_password.mdb " + ending + "$"));
        {
            DataControl data = failingSource(how.constData());
            QVERIFY(data.Refresh());
            QVERIFY(!data.finishLoading());
        }
        QLoggingCategory::setFilterRules(QString());
    }

    void queryTheEngineRejects()
    {
        // An Access file with no table `word`.
        DataControl data = source(std::string(VORLIX_JET_SAMPLES_DIR) + "/access2003-no-password.mdb", kWeather);
        QVERIFY(!data.Refresh());
        QCOMPARE(data.failure(), WordSourceFailure::QueryFailed);
        QVERIFY(QString::fromStdString(wordSourceMessage(data.failure(), data.detail(), "/x", 29))
                    .startsWith("No words: the word query failed"));
    }

    void theFileIsNeverChanged()
    {
        const std::string file = kDatabases + "/program_password.mdb";
        const QByteArray before = digest(file);
        const QDateTime touched = QFileInfo(QString::fromStdString(file)).lastModified();
        for (int i = 0; i < 3; ++i) {
            DataControl data = source(file, "select * from word ");
            QVERIFY2(data.Refresh() && data.finishLoading(), data.detail().c_str());
        }
        QCOMPARE(digest(file), before);
        QCOMPARE(QFileInfo(QString::fromStdString(file)).lastModified(), touched);
    }
};

QTEST_GUILESS_MAIN(TestDataControl)
#include "test_data_control.moc"
