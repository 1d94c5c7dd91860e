// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "words/known_words.h"
#include "words/known_words_file.h"

using namespace vorlix;
using std::chrono::days;

namespace {

const Day kFirst = *dayFromText("2027-01-15");

// A path in the system's own form, as the program has the learner's folder.
std::string native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

class TestKnownWords : public QObject {
    Q_OBJECT
private slots:
    // A pair marked on each of `markedOn` (days after the first) comes back `away` days after the last.
    void schedule_data()
    {
        QTest::addColumn<QList<int>>("markedOn");
        QTest::addColumn<int>("away");
        QTest::newRow("marked once: the next day") << QList<int>{0} << 1;
        QTest::newRow("again when back: twice as long") << QList<int>{0, 1} << 2;
        QTest::newRow("and so on") << QList<int>{0, 1, 3, 7, 15} << 16;
        QTest::newRow("32 days at most") << QList<int>{0, 1, 3, 7, 15, 31, 63} << 32;
        QTest::newRow("marked days after its return") << QList<int>{0, 5} << 2;
        QTest::newRow("marked before its day: as it was") << QList<int>{0, 1, 2} << 1;
    }
    void schedule()
    {
        QFETCH(QList<int>, markedOn);
        QFETCH(int, away);
        KnownWords known;
        Day back;
        for (const int day : markedOn) back = known.mark("rain", "la lluvia", kFirst + days{day});
        QCOMPARE(back, kFirst + days{markedOn.back() + away});
        QVERIFY(!known.isDue("rain", "la lluvia", back - days{1}));
        QVERIFY(known.isDue("rain", "la lluvia", back));
        QVERIFY(known.isDue("rain", "la lluvia (f)", kFirst));
        QCOMPARE(known.size(), size_t(1));
    }

    void readsWhatItWrites()
    {
        KnownWords known;
        known.mark("rain", "la lluvia", kFirst);
        known.mark("a\ttab, a\\ and\r\na break", "el ratón", kFirst + days{1});
        const std::string text = known.text();
        QVERIFY(text.find("2027-01-16\t1\train\tla lluvia\n") != std::string::npos);
        QVERIFY(text.find("\ta\\ttab, a\\\\ and\\r\\na break\t") != std::string::npos);
        const KnownWords::Reading again = KnownWords::read(text);
        QVERIFY(again.words == known);
        QVERIFY(again.unreadable.empty());
    }

    // Lines that do not read as pairs are left as they stand; the others count.
    void damagedLines_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::newRow("binary junk") << QByteArray(
            "\x7f"
            "ELF\x02\x01\0\0\xff\xfe\n",
            11);
        QTest::newRow("cut short") << QByteArray("2027-01-16\t1\tsn");
        QTest::newRow("no such day") << QByteArray("2027-02-30\t1\tsnow\tla nieve\n");
        QTest::newRow("no such box") << QByteArray("2027-01-16\t7\tsnow\tla nieve\n");
        QTest::newRow("unknown escape") << QByteArray("2027-01-16\t1\tsno\\w\tla nieve\n");
        QTest::newRow("saved as Latin-1") << QByteArray("2027-01-16\t1\tmouse\tel rat\xf3n\r\n");
    }
    void damagedLines()
    {
        QFETCH(QByteArray, bad);
        const QByteArray text = "# about\n\n2027-01-16\t2\train\tla lluvia\r\n" + bad;
        const KnownWords::Reading reading = KnownWords::read(text.toStdString());
        QCOMPARE(reading.words.size(), size_t(1));
        QVERIFY(!reading.words.isDue("rain", "la lluvia", kFirst));
        QCOMPARE(QByteArray::fromStdString(reading.unreadable), bad);
    }

    // What cannot be read is kept aside once; the file is then written back with what was read.
    void aDamagedFileIsKeptAsideOnce()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(KnownWordsFile::kName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2027-01-16\t1\train\tla lluvia\n\xff\xfe junk\n");
        file.close();
        KnownWordsFile known(native(folder.path()));
        KnownWords words;
        const std::string aside = native(folder.filePath("known-words-unreadable.txt"));
        QCOMPARE(known.read(words), "Some of the words you know could not be read; those lines are kept in " + aside);
        QCOMPARE(words.size(), size_t(1));
        QFile kept(QString::fromStdString(aside));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("\xff\xfe junk\n"));
        QCOMPARE(KnownWordsFile(native(folder.path())).read(words), std::string());
        QCOMPARE(words.size(), size_t(1));
    }

    // A file that cannot be opened at all goes aside whole; what cannot be written says so.
    void unreadableAndUnwritable()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(KnownWordsFile::kName));
        KnownWordsFile known(native(folder.path()));
        KnownWords words;
        QVERIFY(known.read(words).ends_with("; the file is kept as " +
                                            native(folder.filePath("known-words-unreadable.txt"))));
        QVERIFY(QFileInfo(folder.filePath("known-words-unreadable.txt")).isDir());
        QCOMPARE(known.write(words), std::string());

        QFile(folder.filePath("not-a-folder")).open(QIODevice::WriteOnly);
        KnownWordsFile nowhere(folder.filePath("not-a-folder").toStdString());
        QVERIFY(QString::fromStdString(nowhere.write(words)).startsWith("The words you know could not be saved ("));
    }
};

QTEST_APPLESS_MAIN(TestKnownWords)
#include "test_known_words.moc"
