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

} // namespace
} // namespace tollwick
