// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/CaseConversion.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

CaseStep Down()
{
    return {.mode = CaseMode::Lower};
}
CaseStep Up()
{
    return {.mode = CaseMode::Upper};
}
CaseStep FirstUp(std::int32_t count)
{
    return {.mode = CaseMode::First, .firstCount = count};
}
CaseStep Swap()
{
    return {.mode = CaseMode::Swap};
}
CaseStep Words(bool underscoreToo = false)
{
    return {.mode = CaseMode::Words, .underscoreStartsWord = underscoreToo};
}

struct CaseCase {
    CaseStep options;
    std::string_view name;
    std::string_view expected;
};

const CaseCase caseCases[] = {
    {Down(), "Report.TXT", "report.txt"},
    {Up(), "Report.TXT", "REPORT.TXT"},
    {Down(), "ФОТО_Отпуск.JPG", "фото_отпуск.jpg"},
    {Up(), "άλφα_été.txt", "ΆΛΦΑ_ÉTÉ.TXT"},
    {Up(), "caf\xE9.txt", "CAF\xE9.TXT"}, // an invalid byte is kept, not replaced
    {Down(), "", ""},

    {FirstUp(1), "my HOLIDAY.JPG", "My holiday.jpg"},
    {FirstUp(3), "my HOLIDAY.JPG", "MY holiday.jpg"},
    {FirstUp(256), "my HOLIDAY.JPG", "MY HOLIDAY.jpg"},
    {FirstUp(1), ".Htaccess", ".htaccess"},
    {FirstUp(0), "ABC.TXT", "abc.txt"},
    {FirstUp(-5), "ABC.TXT", "abc.txt"},
    {FirstUp(2), "ЖУРНАЛ.TXT", "ЖУрнал.txt"}, // counts characters, not bytes
    {FirstUp(1),
     "\xFF"
     "abc",
     "\xFF"
     "abc"}, // the invalid byte is the first character
    {FirstUp(2), "archive.", "ARchive."},

    {Swap(), "Photo_01.JPG", "pHOTO_01.JPG"},
    {Swap(), "Ёлка_Été.Txt", "ёЛКА_éTÉ.Txt"},
    {Swap(),
     "a\xE9"
     "B",
     "A\xE9"
     "b"},
    {Swap(), ".profile", ".profile"},

    {Words(), "the_big day.TXT", "The_big Day.txt"},
    {Words(true), "the_big day.TXT", "The_Big Day.txt"},
    {Words(), "a.b.c", "A.b.c"},
    {Words(), "x-ray (two)  SPACES", "X-ray (two)  Spaces"},
    {Words(), "мой ОТПУСК.JPG", "Мой Отпуск.jpg"},
    {Words(), "über été", "Über Été"},
    {Words(),
     "\xFF"
     "abc def",
     "\xFF"
     "abc Def"},
    {Words(), "...", "..."},

};

TEST(ChangeCase, ConvertsEveryScriptByMode)
{
    for (const CaseCase& c : caseCases) {
        EXPECT_EQ(ChangeCase(c.name, c.options), c.expected) << c.name;
    }
}

TEST(ChangeCase, HandlesVeryLongNames)
{
    const std::string name = std::string(5000, 'a') + std::string(2500, ' ') + std::string(2500, 'b') + ".x";
    const std::string words = ChangeCase(name, Words());
    EXPECT_EQ(words.front(), 'A');
    EXPECT_EQ(words.substr(7500, 2), "Bb");
    EXPECT_EQ(ChangeCase(name, Up()).size(), name.size());
}

} // namespace
} // namespace tollwick
