// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/ReplaceText.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct ReplaceCase {
    ReplaceOptions options;
    std::string_view name;
    std::string_view expected;
};

ReplaceOptions Replace(std::string from, std::string to)
{
    return {.ChangeFromEdit = std::move(from), .ChangeToEdit = std::move(to)};
}

ReplaceOptions With(ReplaceOptions options, bool onlyFirst, bool matchCase, bool keepExtension)
{
    options.OnlyFirstCheck = onlyFirst;
    options.CaseCheck = matchCase;
    options.DoNotChangeExtCheck = keepExtension;
    return options;
}

const ReplaceCase replaceCases[] = {
    {Replace("img", "Holiday_"), "IMG_001.jpg", "Holiday__001.jpg"},
    {With(Replace("a", "b"), true, false, false), "a-a-a.txt", "b-a-a.txt"},
    {With(Replace("jpg", "png"), false, false, true), "jpg.jpg", "png.jpg"},
    {Replace("jpg", "png"), "jpg.jpg", "png.png"},
    {With(Replace("photo", "x"), false, true, false), "Photo photo.jpg", "Photo x.jpg"},
    {Replace("photo", "x"), "Photo photo.jpg", "x x.jpg"},
    {Replace("aa", "b"), "aaa.txt", "ba.txt"},
    {Replace("a", "aa"), "banana", "baanaanaa"}, // the replacement is not searched again
    {Replace("-", ""), "a-b-c.txt", "abc.txt"},
    {Replace("", "x"), "abc.txt", "abc.txt"},
    {Replace("a?b", "c"), "a?b ab.txt", "a?b c.txt"}, // the search text is cleaned to 'ab'
    {Replace("?*:", "x"), "a?*:b.txt", "a?*:b.txt"},  // cleaned to nothing: no change
    {Replace("x", "<y>"), "x.doc", "y.doc"},
    {Replace(".", "_"), "a.b.c", "a_b_c"},
    {With(Replace(".", "_"), false, false, true), "...", "__."},
    {With(Replace("p", "P"), false, false, true), ".profile", ".profile"},
    {With(Replace("e", "E"), false, false, true), "archive.", "archivE."},
    {Replace("ФОТО", "photo"), "фото_1.jpg", "photo_1.jpg"},
    {With(Replace("ФОТО", "photo"), false, true, false), "фото_1.jpg", "фото_1.jpg"},
    {Replace("été", "summer"), "ÉTÉ 2020 été.txt", "summer 2020 summer.txt"},
    {Replace("K", "k"), "\u212Aelvin.txt", "kelvin.txt"}, // a match of another byte length
    {Replace("t", "T"), "\xE9t\xE9.txt", "\xE9T\xE9.TxT"},
    {Replace("a", "b"), "", ""},
};

TEST(ReplaceText, ReplacesAsTheOptionsSay)
{
    for (const ReplaceCase& c : replaceCases) {
        EXPECT_EQ(ReplaceText(c.name, c.options).NewName, c.expected) << c.name << " " << c.options.ChangeFromEdit;
    }
}

TEST(ReplaceText, GivesBackTheCleanedEdits)
{
    const ReplaceResult result = ReplaceText("name.txt", Replace("a?b", "c:d|"));
    EXPECT_EQ(result.ChangeFromEdit, "ab");
    EXPECT_EQ(result.ChangeToEdit, "cd");
}

TEST(ReplaceText, HandlesVeryLongNames)
{
    std::string name;
    for (int k = 0; k < 2500; ++k) {
        name += "Фото";
    }
    const std::string expected(2500, 'x');
    EXPECT_EQ(ReplaceText(name, Replace("фОТо", "x")).NewName, expected);
}

} // namespace
} // namespace tollwick
