// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "settings/InterfaceTexts.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

using Lines = std::vector<std::string>;

TEST(AboutLines, ACountLargerThanItsLinesGivesEmptyLines)
{
    const KeyLines keys({"[DescriptionCty,4]", "[DescriptLine1,one]", "[DescriptLine3,three]", "[DescriptLine10,ten]",
                         "[DescriptLine5,beyond]"});
    EXPECT_EQ(AboutLines(keys), (Lines{"one", "", "three", ""}));
}

TEST(AboutLines, NoCountOrOneOfZeroOrLessGivesNoLines)
{
    EXPECT_TRUE(AboutLines(KeyLines({"[DescriptLine1,one]"})).empty());
    EXPECT_TRUE(AboutLines(KeyLines({"[DescriptionCty,0]", "[DescriptLine1,one]"})).empty());
    EXPECT_TRUE(AboutLines(KeyLines({"[DescriptionCty,-3]", "[DescriptLine1,one]"})).empty());
}

TEST(InterfaceTexts, ACountThatIsNoIntegerRaisesTheConversionError)
{
    const KeyLines keys({"[DescriptionCty,2x]", "[GroupBox3Cty,]", "[Kind2ExpCty,1.5]"});
    EXPECT_THROW((void)AboutLines(keys), TollwickError);
    EXPECT_THROW((void)HelpLines(keys, "GroupBox3"), TollwickError);
    EXPECT_THROW((void)LayoutExampleLines(keys, "Kind2"), TollwickError);
}

TEST(HelpLines, ACountOfZeroOrNoneKeepsThePanelAsItIs)
{
    const KeyLines keys({"[GroupBox10Cty,1]", "[GroupBox101,ten]", "[GroupBox1Cty,2]", "[GroupBox11,one]",
                         "[GroupBox2Cty,0]", "[GroupBox21,x]", "[Generate4Cty, 1]", "[Generate41,tables]"});
    EXPECT_EQ(HelpLines(keys, "GroupBox1"), (Lines{"one", ""}));
    EXPECT_EQ(HelpLines(keys, "GroupBox10"), Lines{"ten"});
    EXPECT_EQ(HelpLines(keys, "GroupBox2"), std::nullopt);
    EXPECT_EQ(HelpLines(keys, "GroupBox8"), std::nullopt);
    EXPECT_EQ(HelpLines(keys, "Generate4"), Lines{"tables"});
}

TEST(LayoutExampleLines, EachLayoutHasItsOwnExample)
{
    const KeyLines keys({"[Kind1ExpCty,1]", "[Kind1Exp1,a.txt]", "[Kind5ExpCty,2]", "[Kind5Exp1,a.txt = b.txt]",
                         "[Kind5Exp2,c.txt = d.txt]", "[Kind6ExpCty,0]", "[Kind6Exp1,x]"});
    EXPECT_EQ(LayoutExampleLines(keys, "Kind1"), Lines{"a.txt"});
    EXPECT_EQ(LayoutExampleLines(keys, "Kind5"), (Lines{"a.txt = b.txt", "c.txt = d.txt"}));
    EXPECT_TRUE(LayoutExampleLines(keys, "Kind6").empty());
    EXPECT_TRUE(LayoutUsesSeparator("Kind5"));
    EXPECT_TRUE(LayoutUsesSeparator("Kind6"));
    EXPECT_FALSE(LayoutUsesSeparator("Kind1"));
    EXPECT_FALSE(LayoutUsesSeparator("kind5"));
    EXPECT_FALSE(LayoutUsesSeparator("SKind5"));
}

TEST(InternetLinkText, TheLanguagesOwnLinkElseTheFallback)
{
    const std::string links[] = {"[InternetLinkLabel_English,https://e/]", "[InternetLinkLabel_Russian,]",
                                 "[InternetLinkLabel_Other,https://o/]"};
    const auto withLanguage = [&](const std::string& language) {
        std::vector<std::string> lines{language};
        lines.insert(lines.end(), std::begin(links), std::end(links));
        return KeyLines(lines);
    };
    EXPECT_EQ(InternetLinkText(withLanguage("[Language,English]")), "https://e/");
    EXPECT_EQ(InternetLinkText(withLanguage("[Language,Russian]")), "https://o/");
    EXPECT_EQ(InternetLinkText(withLanguage("[Language,Deutsch]")), "https://o/");
    EXPECT_EQ(InternetLinkText(withLanguage("")), "https://o/");
    // Without "Language" the key asked for is "InternetLinkLabel_" itself.
    EXPECT_EQ(InternetLinkText(KeyLines({"[InternetLinkLabel_,https://bare/]", "[InternetLinkLabel_Other,x]"})),
              "https://bare/");
}

} // namespace
} // namespace tollwick
