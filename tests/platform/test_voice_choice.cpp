// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "platform/voice_choice.h"

using namespace vorlix;

class TestVoiceChoice : public QObject {
    Q_OBJECT
private slots:
    // Voices of "en", "es" or another language, the default starred: English is said in the default
    // voice where it speaks it, else in the first that does, else in the default; Spanish never in
    // another language's (-1). Tagged the ISO 639 way or with Windows language identifiers in hex,
    // as speech-dispatcher and SAPI tag them, a voice speaks a language in any region.
    void languagesAndTheVoicesChosen_data()
    {
        QTest::addColumn<QString>("voices");
        QTest::addColumn<int>("english");
        QTest::addColumn<int>("spanish");
        QTest::addColumn<QString>("tags");
        QTest::newRow("German default; United States") << "de* en es" << 1 << 2 << "en-US 409 en";
        QTest::newRow("the default first; Latin America") << "en es en* es" << 2 << 1 << "es_419 580a es";
        QTest::newRow("no English; Spain, both sortings") << "de* es" << 0 << 1 << "ES c0a;40a es";
        QTest::newRow("no Spanish; Britain") << "en fr*" << 0 << -1 << "en-gb 809 en";
        QTest::newRow("no voice or default; Esperanto, a word and Icelandic") << "" << -1 << -1 << "eo en;f -";
    }
    void languagesAndTheVoicesChosen()
    {
        QFETCH(QString, voices);
        QFETCH(int, english);
        QFETCH(int, spanish);
        QFETCH(QString, tags);
        const auto speaking = [](const QString& code) {
            return code.startsWith("en")   ? std::vector{Language::English}
                   : code.startsWith("es") ? std::vector{Language::Spanish}
                                           : std::vector<Language>{};
        };
        std::vector<std::vector<Language>> offered;
        std::optional<std::size_t> byDefault;
        for (const QString& voice : voices.split(' ', Qt::SkipEmptyParts)) {
            if (voice.endsWith('*')) byDefault = offered.size();
            offered.push_back(speaking(voice));
        }
        const auto index = [](std::optional<std::size_t> voice) { return voice ? int(*voice) : -1; };
        QCOMPARE(index(chooseVoice(Language::English, offered, byDefault)), english);
        QCOMPARE(index(chooseVoice(Language::Spanish, offered, byDefault)), spanish);

        const QStringList tag = tags.split(' ');
        const std::optional<Language> tagged = languageOfTag(tag[0].toStdString());
        QCOMPARE(tagged ? std::vector{*tagged} : std::vector<Language>{}, speaking(tag[2]));
        std::vector<Language> listed = languagesOfLanguageIds(tag[1].toStdString());
        listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
        QCOMPARE(listed, speaking(tag[2]));
    }
};

QTEST_MAIN(TestVoiceChoice)
#include "test_voice_choice.moc"
