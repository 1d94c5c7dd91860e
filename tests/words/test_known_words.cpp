// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "words/known_words.h"
#include "words/known_words_file.h"

using namespace vorlix;
using std::chrono::days;

namespace {

const Day kFirst = *dayFromText("2027-01-15");

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
        QVERIFY(text.find("\n2027-01-16\t1\train\tla lluvia\n2027-01-17\t1\ta\\ttab, a\\\\ and\\r\\na break\t") !=
                std::string::npos);
        for (const std::string& saved : {text, "\xEF\xBB\xBF" + text})
            QVERIFY(KnownWords::read(saved).words == known && KnownWords::read(saved).unreadable.empty());
    }

    // Lines that do not read as pairs are left as they stand; the others count.
    void damagedLines_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::newRow("binary junk") << QByteArray::fromHex("7f454c4602010000fffe0a");
        QTest::newRow("cut short") << QByteArray("2027-01-16\t1\tsn");
        QTest::newRow("no such day") << QByteArray("2027-02-30\t1\tsnow\tla nieve\n");
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

    // A file that cannot be opened at all is moved aside whole, not overwritten by the next mark.
    void aFileThatCannotBeOpenedIsKeptAside()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(KnownWordsFile::kName));
        // In the system's own form, as the program has the learner's folder.
        KnownWordsFile known(QDir::toNativeSeparators(folder.path()).toStdString());
        KnownWords words;
        const std::string aside = QDir::toNativeSeparators(folder.filePath("known-words-unreadable.txt")).toStdString();
        QVERIFY(known.read(words).ends_with("; the file is kept as " + aside));
        QVERIFY(QFileInfo(QString::fromStdString(aside)).isDir());
        QCOMPARE(known.write(words), std::string());
    }
};

QTEST_APPLESS_MAIN(TestKnownWords)
#include "test_known_words.moc"
