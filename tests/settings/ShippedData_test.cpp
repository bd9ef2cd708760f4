// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataHome.h"
#include "platform/LineFile.h"
#include "settings/InterfaceTexts.h"
#include "settings/LanguageKeys.h"
#include "settings/SettingsFile.h"
#include "settings/TablesFile.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tollwick {
namespace {

using test::ShippedPath;

KeyLines ShippedKeys(std::initializer_list<std::string> files)
{
    KeyLines keys;
    for (const std::string& file : files) {
        keys.Append(ReadLines(ShippedPath(file)));
    }
    return keys;
}

TEST(ShippedSettings, AreThe32LinesTheProgramWouldWrite)
{
    const KeyLines keys = ShippedKeys({"data/config.cfg"});
    Settings settings;
    RestoreSettings(keys, settings);
    EXPECT_EQ(keys.Lines(), SettingsFileLines(settings));
    EXPECT_EQ(settings.languageFileName, "English.lng");
}

TEST(ShippedSettings, StartWithUsefulValues)
{
    Settings settings;
    RestoreSettings(ShippedKeys({"data/config.cfg"}), settings);
    for (const int group : {StartPageGroup, CaseModeGroup, DirectionGroup}) {
        int checked = 0;
        for (std::size_t i = 0; i < StoredControls.size(); ++i) {
            checked += StoredControls[i].radioGroup == group && settings.values[i].checked ? 1 : 0;
        }
        EXPECT_EQ(checked, 1) << "radio group " << group;
    }
    EXPECT_TRUE(settings.At("RadioButton1").checked);
    EXPECT_TRUE(settings.At("UndoCheck").checked);
    EXPECT_TRUE(settings.At("HelpCheck").checked);
    EXPECT_EQ(settings.At("KindSaveEdit").text, " = ");
    EXPECT_EQ(settings.At("Kind5Edit").text, " = ");
    EXPECT_EQ(settings.At("MaskNameEdit").text, "*");
    EXPECT_EQ(settings.At("MaskExtEdit").text, "*");
    for (const std::string_view empty : {"FilterOldNameEdit", "FilterNewNameEdit", "ChangeFromEdit", "ChangeToEdit"}) {
        EXPECT_EQ(settings.At(empty).text, "") << empty;
    }
}

TEST(ShippedLinks, GiveEveryShippedLanguageAndTheRestAnAddress)
{
    const KeyLines keys = ShippedKeys({"data/links.cfg"});
    for (const std::string_view language : {"English", "Russian", "German", "French", "Spanish", "Italian",
                                            "BrazilianPortuguese", "Polish", "Ukrainian", "Czech", "Other"}) {
        EXPECT_TRUE(keys.LookupText(std::string(InternetLinkPrefix) + std::string(language))
                        .starts_with("https://tollwick.example.org/"))
            << language;
    }
    EXPECT_EQ(keys.LookupText(MailLinkKey), "mailto:tollwick@example.org");
}

/// Applies the entries of one direction as the generator does: each entry
/// in turn replaces every occurrence of its source, left to right.
std::string Transliterate(std::string text, const std::vector<std::string>& longList,
                          const std::vector<std::string>& list)
{
    for (const std::vector<std::string>* table : {&longList, &list}) {
        for (const std::string& entry : *table) {
            const std::size_t split = entry.find("  >  ");
            const std::string source = entry.substr(0, split);
            const std::string target = split == std::string::npos ? "" : entry.substr(split + 5);
            for (std::size_t at = source.empty() ? std::string::npos : text.find(source); at != std::string::npos;
                 at = text.find(source, at + target.size())) {
                text.replace(at, source.size(), target);
            }
        }
    }
    return text;
}

class ShippedTables : public testing::Test {
protected:
    void SetUp() override { LoadTables(ShippedKeys({"data/translit.cfg"}), tables_); }
    std::string ToLatin(const std::string& text) const
    {
        return Transliterate(text, tables_.CyrLongList, tables_.CyrList);
    }
    std::string ToCyrillic(const std::string& text) const
    {
        return Transliterate(text, tables_.LatLongList, tables_.LatList);
    }
    TranslitTables tables_;
};

TEST_F(ShippedTables, OrdinaryWordsGoToLatinAndBack)
{
    const std::string words[] = {"Москва",
                                 "Санкт-Петербург",
                                 "Хрущёв",
                                 "щука",
                                 "объявление",
                                 "подъезд",
                                 "семья",
                                 "вьюга",
                                 "район",
                                 "майонез",
                                 "выучить",
                                 "эхо",
                                 "Эдуард",
                                 "цех",
                                 "Царь",
                                 "счастье",
                                 "сходство",
                                 "расход",
                                 "Юрий",
                                 "Яков",
                                 "Ёжик",
                                 "жизнь",
                                 "мышь",
                                 "шахматы",
                                 "чай",
                                 "красный",
                                 "Сергей",
                                 "Наталья",
                                 "Дмитрий",
                                 "Пётр",
                                 "Чайковский",
                                 "отзыв",
                                 "детский",
                                 "учиться",
                                 "Новосибирск",
                                 "Хабаровск",
                                 "Ульяновск",
                                 "Йошкар-Ола",
                                 "изъян",
                                 "фотография",
                                 "день рождения 2005",
                                 "веснушчатый",
                                 "выехать",
                                 "кухня",
                                 "ЖУК",
                                 "ВЫУЧКА",
                                 "ЩИ И КАША",
                                 "Отпуск_001",
                                 "Всё ещё",
                                 "Шуя",
                                 "Звёздочка",
                                 "бельё"};
    for (const std::string& word : words) {
        const std::string latin = ToLatin(word);
        EXPECT_TRUE(std::all_of(latin.begin(), latin.end(), [](char c) { return (c & 0x80) == 0; }))
            << word << " -> " << latin;
        EXPECT_EQ(ToCyrillic(latin), word) << "via " << latin;
    }
}

TEST_F(ShippedTables, SpellLetterGroupsTheUsualWay)
{
    EXPECT_EQ(ToLatin("Щука и ёж"), "Shchuka i yozh");
    EXPECT_EQ(ToLatin("Хабаровск"), "Khabarovsk");
    EXPECT_EQ(ToCyrillic("shah"), "шах");
    EXPECT_EQ(ToCyrillic("Shah"), "Шах");
    EXPECT_EQ(ToCyrillic("SHCHI"), "ЩИ");
    EXPECT_EQ(ToCyrillic("Xerox"), "Ксерокс");
}

} // namespace
} // namespace tollwick
