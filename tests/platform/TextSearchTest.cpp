// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextSearch.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

struct SearchCase {
    const char* what;
    std::string_view pattern;
    bool ignoreCase;
    std::string_view text;
    std::size_t from;
    std::optional<std::size_t> pos; // nullopt: no occurrence
    std::size_t length;
};

const SearchCase searchCases[] = {
    {"Cyrillic upper finds lower", "ФОТО", true, "фото_1.jpg", 0, 0, 8},
    {"exact case keeps Cyrillic apart", "Ф", false, "ф", 0, std::nullopt, 0},
    {"Greek final sigma folds with capital sigma", "ΟΔΟΣ", true, "x_οδος", 0, 2, 8},
    {"accented Latin", "ÉTÉ", true, "un été", 0, 3, 5},
    {"match of another byte length", "k", true, "\u212A.txt", 0, 0, 3},
    {"search starts at the given offset", "a", false, "aXa", 1, 2, 1},
    {"ASCII letters ignoring case", "ab", true, "xAb", 0, 1, 2},
    {"dot ignoring case", ".", true, "a.b", 0, 1, 1},
    {"empty pattern has no occurrence", "", false, "abc", 0, std::nullopt, 0},
    {"pattern longer than text", "abcd", true, "abc", 0, std::nullopt, 0},
    {"lone byte never matches inside a character", "\x88", false, "\xD1\x88", 0, std::nullopt, 0},
    {"lone byte matches the same lone byte", "\x88", false, "a\x88", 0, 1, 1},
    {"lone byte ignoring case", "\xFF", true, "A\xFF", 0, 1, 1},
    {"pattern cut inside a character", "A\xD0", false, "A\xD0\xA4", 0, std::nullopt, 0},
    {"text with invalid bytes before the match", "b", true,
     "\xE9\xFF\x80"
     "B",
     0, 3, 1},
};

TEST(TextSearch, FindsWholeCharacters)
{
    for (const SearchCase& c : searchCases) {
        const auto match = TextSearcher(c.pattern, c.ignoreCase).Find(c.text, c.from);
        ASSERT_EQ(match.has_value(), c.pos.has_value()) << c.what;
        if (match) {
            EXPECT_EQ(match->pos, *c.pos) << c.what;
            EXPECT_EQ(match->length, c.length) << c.what;
        }
    }
}

// Byte offset of the first match with case ignored, or npos.
std::size_t FindIgnoringCase(std::string_view text, std::string_view pattern)
{
    const auto match = TextSearcher(pattern, true).Find(text);
    return match ? match->pos : std::string::npos;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view pattern)
{
    return TextSearcher(pattern, true).Find(text).has_value();
}

std::size_t MatchLengthIgnoringCase(std::string_view text, std::string_view pattern)
{
    return TextSearcher(pattern, true).Find(text)->length;
}

TEST(TextSearchIgnoringCase, FindsAcrossCaseInEveryScript)
{
    EXPECT_EQ(FindIgnoringCase("фото_1.jpg", "ФОТО"), 0U);
    EXPECT_EQ(FindIgnoringCase("abxcd", "X"), 2U);
    EXPECT_EQ(FindIgnoringCase("IMG_1.JPG", "jpg"), 6U);
    EXPECT_EQ(FindIgnoringCase("abc", "d"), std::string::npos);
    EXPECT_TRUE(ContainsIgnoringCase("Лето 2005", "ЛЕТО"));
}

TEST(TextSearchIgnoringCase, PositionsSurviveFoldsThatChangeByteLength)
{
    // U+1E9E capital sharp s folds to U+00DF, one byte shorter.
    const std::string text = "\xE1\xBA\x9E"
                             "a>b";
    const std::size_t at = FindIgnoringCase(text, ">");
    ASSERT_EQ(at, 4U);
    EXPECT_EQ(text.substr(at + MatchLengthIgnoringCase(text, ">")), "b");
    EXPECT_EQ(FindIgnoringCase(text, "\xC3\x9F"
                                     "A"),
              0U);
    EXPECT_EQ(MatchLengthIgnoringCase(text, "\xC3\x9F"
                                            "A"),
              4U);
}

TEST(TextSearchIgnoringCase, NeverMatchesInsideACharacter)
{
    // A lone continuation byte must not be found inside "é".
    EXPECT_FALSE(ContainsIgnoringCase("caf\xC3\xA9", "\xA9"));
    // A pattern ending in a lead byte must not match the start of a longer character.
    EXPECT_FALSE(ContainsIgnoringCase("a\xC3\xA9", "a\xC3"));
    EXPECT_TRUE(ContainsIgnoringCase("x\xA9y", "\xA9"));
}

} // namespace
} // namespace tollwick
