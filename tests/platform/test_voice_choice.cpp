// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "platform/voice_choice.h"

using namespace vorlix;

namespace {

// "en", "es" or anything else, as the test tables write a voice's language.
std::vector<Language> written(const QString& code)
{
    if (code == "en") return {Language::English};
    if (code == "es") return {Language::Spanish};
    return {};
}

int index(std::optional<std::size_t> voice)
{
    return voice ? int(*voice) : -1;
}

}  // namespace

class TestVoiceChoice : public QObject {
    Q_OBJECT
private slots:
    // speech-dispatcher tags a voice the ISO 639 way, SAPI with Windows language identifiers in
    // hex; any region of English or Spanish counts, and nothing else does.
    void languagesOfTheSystemsTags_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("language");
        QTest::newRow("English, United States") << "en-US"
                                                << "409"
                                                << "en";
        QTest::newRow("English, United Kingdom") << "en-gb"
                                                 << "809"
                                                 << "en";
        QTest::newRow("Spanish, Latin America") << "es_419"
                                                << "580a"
                                                << "es";
        QTest::newRow("Spanish, Spain, both sortings") << "es"
                                                       << "c0a;40a"
                                                       << "es";
        QTest::newRow("Esperanto, German") << "eo"
                                           << "407"
                                           << "";
        QTest::newRow("untagged") << ""
                                  << ""
                                  << "";
        QTest::newRow("a word that is no identifier, then English") << "EN-au"
                                                                    << "en;1009"
                                                                    << "en";
    }
    void languagesOfTheSystemsTags()
    {
        QFETCH(QString, tag);
        QFETCH(QString, ids);
        QFETCH(QString, language);
        const std::optional<Language> tagged = languageOfTag(tag.toStdString());
        QCOMPARE(tagged ? std::vector{*tagged} : std::vector<Language>{}, written(language));
        std::vector<Language> listed = languagesOfLanguageIds(ids.toStdString());
        listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
        QCOMPARE(listed, written(language));
    }

    // The default voice where it speaks the language, else the first that does; English falls back
    // on the default voice, Spanish has none then.
    void chooseVoice_data()
    {
        QTest::addColumn<QString>("voices");
        QTest::addColumn<int>("defaultVoice");
        QTest::addColumn<int>("english");
        QTest::addColumn<int>("spanish");
        QTest::newRow("German default, then English and Spanish") << "de en es" << 0 << 1 << 2;
        QTest::newRow("the default before the first") << "en es en es" << 2 << 2 << 1;
        QTest::newRow("no English voice") << "de es" << 0 << 0 << 1;
        QTest::newRow("no Spanish voice") << "en fr" << 1 << 0 << -1;
        QTest::newRow("no default voice") << "es en" << -1 << 1 << 0;
        QTest::newRow("no voice at all") << "" << -1 << -1 << -1;
    }
    void chooseVoice()
    {
        QFETCH(QString, voices);
        QFETCH(int, defaultVoice);
        QFETCH(int, english);
        QFETCH(int, spanish);
        std::vector<std::vector<Language>> offered;
        for (const QString& code : voices.split(' ', Qt::SkipEmptyParts)) offered.push_back(written(code));
        const auto byDefault = defaultVoice < 0 ? std::nullopt : std::optional<std::size_t>(defaultVoice);
        QCOMPARE(index(vorlix::chooseVoice(Language::English, offered, byDefault)), english);
        QCOMPARE(index(vorlix::chooseVoice(Language::Spanish, offered, byDefault)), spanish);
    }
};

QTEST_MAIN(TestVoiceChoice)
#include "test_voice_choice.moc"
