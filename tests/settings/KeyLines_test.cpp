// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "settings/KeyLines.h"

#include <gtest/gtest.h>
#include <optional>

namespace tollwick {
namespace {

TEST(LookupText, EachKeyGetsItsOwnEntry)
{
    for (const bool tenFirst : {false, true}) {
        std::vector<std::string> lines{"[Msg1,one]", "[Msg10,ten]"};
        if (tenFirst) {
            std::swap(lines[0], lines[1]);
        }
        const KeyLines keys(lines);
        EXPECT_EQ(keys.LookupText("Msg1"), "one");
        EXPECT_EQ(keys.LookupText("Msg10"), "ten");
    }
}

TEST(LookupText, TheValueEndsAtTheLastBracketOfItsLine)
{
    const KeyLines keys({"  remark [a,x]y,z] tail", "[open,no end", "[empty,]", "[b,]]", "[c,[d,e]]"});
    EXPECT_EQ(keys.LookupText("a"), "x]y,z");
    EXPECT_EQ(keys.LookupText("open"), "");
    EXPECT_EQ(keys.LookupText("empty"), "");
    EXPECT_EQ(keys.LookupText("b"), "]");
    EXPECT_EQ(keys.LookupText("missing"), "");
    // An entry inside another's value is found when its line comes first.
    EXPECT_EQ(keys.LookupText("d"), "e]");
}

TEST(LookupText, CaseCountsAndTheFirstLineWins)
{
    const KeyLines keys({"[Key,settings]", "[key,other]", "[Key,language]"});
    EXPECT_EQ(keys.LookupText("Key"), "settings");
    EXPECT_EQ(keys.LookupText("key"), "other");
    EXPECT_EQ(keys.LookupText("KEY"), "");
}

TEST(LookupText, SurvivesHugeLinesAndEmptyLists)
{
    const std::string huge(1'000'000, 'v');
    const KeyLines keys({"[big," + huge + "]"});
    EXPECT_EQ(keys.LookupText("big"), huge);
    EXPECT_EQ(KeyLines().LookupText("x"), "");
    EXPECT_EQ(KeyLines().LookupNumber("x"), 0);
}

TEST(LookupNumber, ConvertsOrRaisesTheConversionError)
{
    const KeyLines keys({"[two,2]", "[neg, -3]", "[empty,]", "[word,abc]", "[trail,4 ]"});
    EXPECT_EQ(keys.LookupNumber("two"), 2);
    EXPECT_EQ(keys.LookupNumber("neg"), -3);
    EXPECT_EQ(keys.LookupNumber("none"), 0);
    for (const char* bad : {"empty", "word", "trail"}) {
        EXPECT_THROW((void)keys.LookupNumber(bad), TollwickError) << bad;
    }
    try {
        (void)keys.LookupNumber("word");
    } catch (const TollwickError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
}

// The rule as it reads: the first line holding "[" + key + "," anywhere.
std::optional<std::string> ScannedValue(const std::vector<std::string>& lines, const std::string& key)
{
    const std::string pattern = "[" + key + ",";
    for (const std::string& line : lines) {
        const std::size_t at = line.find(pattern);
        if (at != std::string::npos) {
            const std::size_t start = at + pattern.size();
            const std::size_t end = line.rfind(']');
            return end == std::string::npos || end <= start ? std::string() : line.substr(start, end - start);
        }
    }
    return std::nullopt;
}

TEST(LookupText, FindsWhatAScanOfEveryLineFinds)
{
    const std::vector<std::string> first{
        "[a[b,1]",      "x[c,[d,2]]", "[[[e,3]", "[f,4,[g,5]", "[Msg10,ten]", "[Msg1,one]", "[h,[h,inner]]",
        "[,empty key]", "[i]j,6]",    "[k,",     ",[l,7]",     "[m,8][m,9]",  "[a,late]",   "[n[o[p,10]",
    };
    const std::vector<std::string> second{"[b,second file]", "[q,11]", "[f,again]", "[,]"};
    KeyLines keys(first);
    keys.Append(second);
    std::vector<std::string> all = first;
    all.insert(all.end(), second.begin(), second.end());
    // Every piece of every line is asked for, keys that cannot exist included.
    for (const std::string& line : all) {
        for (std::size_t from = 0; from <= line.size(); ++from) {
            for (std::size_t length = 0; from + length <= line.size() && length <= 6; ++length) {
                const std::string key = line.substr(from, length);
                const std::optional<std::string> expected = ScannedValue(all, key);
                EXPECT_EQ(keys.Holds(key), expected.has_value()) << key;
                EXPECT_EQ(keys.LookupText(key), expected.value_or("")) << key;
            }
        }
    }
    EXPECT_EQ(keys.LookupText("a"), "late");
    EXPECT_EQ(keys.LookupText("b"), "1");
    EXPECT_EQ(keys.LookupText("m"), "8][m,9");
    EXPECT_EQ(keys.LookupText("Msg1"), "one");
    keys.Clear();
    EXPECT_FALSE(keys.Holds("a"));
    keys.Append({"[a,after clear]"});
    EXPECT_EQ(keys.LookupText("a"), "after clear");
}

TEST(BracketLine, RoundTripsValuesWithBracketsAndCommas)
{
    const std::string value = " [a,b] , ";
    const KeyLines keys({BracketLine("cfg_Edit", value)});
    EXPECT_EQ(keys.LookupText("cfg_Edit"), value);
}

} // namespace
} // namespace tollwick
