// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/ReplaceText.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct ReplaceCase {
    ReplaceStep options;
    std::string_view name;
    std::string_view expected;
};

ReplaceStep Replace(std::string from, std::string to)
{
    return {.from = std::move(from), .to = std::move(to)};
}

ReplaceStep With(ReplaceStep options, bool onlyFirst, bool matchCase, bool keepExtension)
{
    options.firstOnly = onlyFirst;
    options.matchCase = matchCase;
    options.keepExtension = keepExtension;
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
        EXPECT_EQ(ReplaceText(c.name, c.options).newName, c.expected) << c.name << " " << c.options.from;
    }
}

ReplaceStep Regex(std::string from, std::string to)
{
    ReplaceStep options = Replace(std::move(from), std::move(to));
    options.regex = true;
    return options;
}

const ReplaceCase regexCases[] = {
    {Regex(R"(IMG_(\d+))", "photo-$1"), "IMG_0042.JPG", "photo-0042.JPG"},
    {Regex(R"(IMG_(\d+))", "photo-$1"), "img_7 img_8.jpg", "photo-7 photo-8.jpg"}, // case ignored
    {Regex(R"(^(\d{4})(\d{2})(\d{2}))", "$1-$2-$3"), "20240315_143000.jpg", "2024-03-15_143000.jpg"},
    {Regex(R"(^(\d{4})(\d{2})(\d{2}))", "$1-$2-$3"), "x20240315.jpg", "x20240315.jpg"},
    {Regex("фото", "photo"), "ФОТО_Фото.jpg", "photo_photo.jpg"},
    {With(Regex("фото", "photo"), false, true, false), "ФОТО_фото.jpg", "ФОТО_photo.jpg"},
    {Regex(R"((\p{L}+) (\p{L}+))", "$2 $1"), "Иван Петров.txt", "Петров Иван.txt"},
    {With(Regex(R"(\d)", "#"), true, false, false), "a1b2c3.txt", "a#b2c3.txt"},
    {Regex(R"(\d+)", "[$0]"), "a12b3", "a[12]b[3]"},
    {With(Regex("jpe?g$", "png"), false, false, true), "jpg.jpeg", "png.jpeg"},
    {Regex(R"(\.jpe?g$)", ".jpg"), "a.JPEG", "a.jpg"},
    {With(Regex("$", "_old"), false, false, true), "report.txt", "report_old.txt"},
    {Regex("^", "new_"), "report.txt", "new_report.txt"},
    {Regex("", "x"), "abc.txt", "abc.txt"},
    {Regex("b", "c"), "a?b.txt", "a?c.txt"},          // the name outside the match stays as it is
    {Regex(R"((\?))", "$1-/"), "a?b.txt", "a-b.txt"}, // what replaces a match is cleaned
    // Invalid UTF-8: kept outside the match, a character of its own inside it.
    {Regex(R"(IMG_(\d+))", "photo-$1"), "\xFFIMG_1.jpg", "\xFFphoto-1.jpg"},
    {Regex("é", "e"), "caf\xE9.txt", "caf\xE9.txt"},
    {Regex("^(.)t", "$1$1"), "\xE9t\xE9.txt", "\xE9\xE9\xE9.txt"},
};

TEST(ReplaceText, RegularExpressions)
{
    for (const ReplaceCase& c : regexCases) {
        EXPECT_EQ(ReplaceText(c.name, c.options).newName, c.expected) << c.name << " " << c.options.from;
    }
}

TEST(ReplaceText, RegularExpressionsKeepTheirEditsAsTyped)
{
    const ReplaceResult result = ReplaceText("a.txt", Regex(R"(a|\d*)", "\\$0"));
    EXPECT_EQ(result.from, R"(a|\d*)");
    EXPECT_EQ(result.to, R"(\$0)");
}

TEST(ReplaceText, InvalidRegularExpressionsAreRefusedWithTheReason)
{
    const struct {
        ReplaceStep options;
        const char* reason;
    } faults[] = {
        {Regex(R"(IMG_(\d+)", "x"), "'IMG_(\\d+' is not a valid regular expression: U_REGEX_MISMATCHED_PAREN"},
        {Regex("[abc", "x"), "U_REGEX_MISSING_CLOSE_BRACKET"},
        {Regex("(a)", "$2"), "'$2' is not a valid replacement"},
    };
    for (const auto& fault : faults) {
        try {
            (void)ReplaceText("a.txt", fault.options);
            ADD_FAILURE() << fault.options.from << " was taken";
        } catch (const TollwickError& error) {
            EXPECT_NE(std::string(error.what()).find(fault.reason), std::string::npos) << error.what();
        }
    }
}

// Today's names must never meet the bound; a pattern that backtracks
// without end meets it on the first name, also after a first match.
TEST(ReplaceText, RegularExpressionGivesUpOnANameThatNeedsTooMuchWork)
{
    const std::string name = std::string(255, 'a');
    EXPECT_EQ(ReplaceText(name + ".txt", Regex(R"(^(.*)(.*)\.txt$)", "$1")).newName, name);
    const std::string costly = "x" + std::string(22, 'a') + "b";
    for (const bool onlyFirst : {false, true}) {
        ReplaceStep options = Regex("^x|(a+)+$", "y");
        options.firstOnly = onlyFirst;
        try {
            const std::string replaced = ReplaceText(costly, options).newName;
            if (!onlyFirst) {
                ADD_FAILURE() << "gave " << replaced;
            }
        } catch (const TollwickError& error) {
            EXPECT_FALSE(onlyFirst) << "the first match needs no backtracking";
            EXPECT_STREQ(error.what(), ("The regular expression '^x|(a+)+$' needs too many steps on the name '" +
                                        costly + "' (U_REGEX_STOPPED_BY_CALLER); a simpler expression will do")
                                           .c_str());
        }
    }
}

TEST(ReplaceText, GivesBackTheCleanedEdits)
{
    const ReplaceResult result = ReplaceText("name.txt", Replace("a?b", "c:d|"));
    EXPECT_EQ(result.from, "ab");
    EXPECT_EQ(result.to, "cd");
}

TEST(ReplaceText, HandlesVeryLongNames)
{
    std::string name;
    for (int k = 0; k < 2500; ++k) {
        name += "Фото";
    }
    const std::string expected(2500, 'x');
    EXPECT_EQ(ReplaceText(name, Replace("фОТо", "x")).newName, expected);
}

} // namespace
} // namespace tollwick
