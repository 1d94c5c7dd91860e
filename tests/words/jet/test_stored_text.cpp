// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <random>
#include <string>

#include "words/jet/stored_text.h"

#ifndef _WIN32
#include "words/jet/libmdb_text.h"
#endif

using vorlix::jet::utf8FromStoredText;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (const int v : values) out += static_cast<char>(v);
    return out;
}

std::string utf16le(std::u16string_view text)
{
    std::string out;
    for (const char16_t unit : text) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

}  // namespace

class TestStoredText : public QObject {
    Q_OBJECT
private slots:
    void decodesWhatJetStores_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("jetVersion");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("text");
        const auto row = [](const char* name, const std::string& stored, int version, int capacity, const char* text) {
            QTest::newRow(name) << QByteArray::fromStdString(stored) << version << capacity << QByteArray(text);
        };
        row("UTF-16", utf16le(u"el a\u00f1o"), 4, 64, "el a\xc3\xb1o");
        row("beyond the BMP", utf16le(u"\U0001F600!"), 4, 64, "\xf0\x9f\x98\x80!");
        row("a lone high surrogate", utf16le(u"a") + bytes({0x3D, 0xD8}) + utf16le(u"b"), 4, 64, "a?b");
        row("a lone low surrogate", bytes({0x00, 0xDE}), 4, 64, "?");
        row("a high surrogate at the end", utf16le(u"a") + bytes({0x3D, 0xD8}), 4, 64, "a?");
        row("an odd byte at the end", utf16le(u"ab") + bytes({0x41}), 4, 64, "ab");
        row("compressed", bytes({0xFF, 0xFE, 'r', 'a', 'i', 'n'}), 4, 64, "rain");
        row("compressed, switching to two bytes and back", bytes({0xFF, 0xFE, 'a', 0x00, 0x16, 0x04, 0x00, 'b'}), 4, 64,
            "a\xd0\x96"
            "b");
        row("compressed, half a character at the end", bytes({0xFF, 0xFE, 'a', 0x00, 0x16}), 4, 64, "a");
        row("no room for a whole character", utf16le(u"a\u00f1"), 4, 3, "a");
        row("room for it exactly", utf16le(u"a\u00f1"), 4, 4, "a\xc3\xb1");
        row("no room at all", utf16le(u"a"), 4, 1, "");
        row("Jet3, code page 1252", bytes({'c', 0xE9, 0x80}), 3, 64, "c\xc3\xa9\xe2\x82\xac");
        row("Jet3, a byte 1252 leaves unassigned", bytes({'a', 0x81, 'b'}), 3, 64, "a?b");
        row("Jet3 knows no compression", bytes({0xFF, 0xFE}), 3, 64, "\xc3\xbf\xc3\xbe");
    }
    void decodesWhatJetStores()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, jetVersion);
        QFETCH(int, capacity);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(utf8FromStoredText(stored.toStdString(), jetVersion, size_t(capacity))),
                 text);
    }

#ifndef _WIN32
    // The Windows reader decodes text with this function; the Linux one through libmdb and iconv.
    // Both must give the same bytes, for damaged text too: random text, held against libmdb's.
    void givesWhatLibmdbGivesThroughIconv()
    {
        std::mt19937 random(20261207);
        const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        const char16_t kinds[][2] = {{u'a', u'z'},     {0xA0, 0xFF},     {0x400, 0x4FF}, {0x4E00, 0x4E40},
                                     {0xD800, 0xDBFF}, {0xDC00, 0xDFFF}, {0, 0},         {0xFFFE, 0xFFFF}};
        for (const int version : {4, 3}) {
            MdbFile file{};
            file.jet_version = version == 3 ? MDB_VER_JET3 : MDB_VER_JET4;
            MdbHandle mdb{};
            mdb.f = &file;
            mdb_iconv_init(&mdb);
            vorlix::jet::decodeTextAsUtf8(&mdb, version);
            for (int round = 0; round < 20000; ++round) {
                std::string stored;
                const bool compressed = version == 4 && pick(4) == 0;
                if (compressed) stored = bytes({0xFF, 0xFE});
                const int length = pick(24);
                for (int i = 0; i < length; ++i) {
                    if (compressed || version == 3) {
                        stored += static_cast<char>(pick(5) == 0 ? 0 : pick(256));
                    } else {
                        const auto& kind = kinds[pick(std::size(kinds))];
                        const char16_t unit = static_cast<char16_t>(kind[0] + pick(kind[1] - kind[0] + 1));
                        stored += utf16le(std::u16string_view(&unit, 1));
                    }
                }
                if (pick(6) == 0) stored += static_cast<char>(pick(256));  // an odd byte
                const size_t capacity = 1 + size_t(pick(int(stored.size()) * 2 + 8));
                std::string viaLibmdb(capacity, '\xAA');
                const int written = mdb_unicode2ascii(&mdb, stored.data(), stored.size(), viaLibmdb.data(), capacity);
                viaLibmdb.resize(size_t(written));
                const std::string ours = utf8FromStoredText(stored, version, capacity);
                if (ours != viaLibmdb) {
                    QFAIL(qPrintable(QStringLiteral("Jet%1, capacity %2, stored %3: libmdb %4, ours %5")
                                         .arg(version)
                                         .arg(capacity)
                                         .arg(QString::fromLatin1(QByteArray::fromStdString(stored).toHex(' ')),
                                              QString::fromLatin1(QByteArray::fromStdString(viaLibmdb).toHex(' ')),
                                              QString::fromLatin1(QByteArray::fromStdString(ours).toHex(' ')))));
                }
            }
            mdb_iconv_close(&mdb);
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestStoredText)
#include "test_stored_text.moc"
