// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "settings/KeyLines.h"

#include <gtest/gtest.h>

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

TEST(BracketLine, RoundTripsValuesWithBracketsAndCommas)
{
    const std::string value = " [a,b] , ";
    const KeyLines keys({BracketLine("cfg_Edit", value)});
    EXPECT_EQ(keys.LookupText("cfg_Edit"), value);
}

} // namespace
} // namespace tollwick
