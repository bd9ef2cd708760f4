// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TableEditor.h"

#include <deque>
#include <gtest/gtest.h>

namespace tollwick {
namespace {

const KeyLines Texts({"[AddMenuCaption1,New entry]", "[AddMenuPromt1,Letters to replace:]",
                      "[AddMenuCaption2,Replacement]", "[AddMenuPromt2,Replace %s (not %s) with:]",
                      "[EditMenuCaption,Edit entry]", "[EditMenuPromt,New replacement of %s:]"});

/// Answers the input boxes in turn and remembers what each showed.
struct ScriptedInput {
    struct Shown {
        std::string title, prompt, initial;
    };
    std::deque<std::optional<std::string>> answers; // none: the user cancels
    std::vector<Shown> shown;

    InputBox Box()
    {
        return [this](const std::string& title, const std::string& prompt, const std::string& initial) {
            shown.push_back({title, prompt, initial});
            EXPECT_FALSE(answers.empty()) << "an input box too many: " << title;
            std::optional<std::string> answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty()) {
                answers.pop_front();
            }
            return answer.value_or(initial);
        };
    }
};

TEST(AskNewEntry, BuildsSourceSeparatorTarget)
{
    ScriptedInput input{{"sh", "ш"}, {}};
    EXPECT_EQ(AskNewEntry(Texts, input.Box()), "sh  >  ш");
    ASSERT_EQ(input.shown.size(), 2U);
    EXPECT_EQ(input.shown[0].title, "New entry");
    EXPECT_EQ(input.shown[0].prompt, "Letters to replace:");
    EXPECT_EQ(input.shown[0].initial, "");
    EXPECT_EQ(input.shown[1].title, "Replacement");
    // Only the first "%s" takes the source.
    EXPECT_EQ(input.shown[1].prompt, "Replace sh (not %s) with:");
    EXPECT_EQ(input.shown[1].initial, "");
}

TEST(AskNewEntry, ForbiddenCharactersAreRemovedFromBothParts)
{
    ScriptedInput input{{"a>b", "\\c/:*?\"<>|d"}, {}};
    EXPECT_EQ(AskNewEntry(Texts, input.Box()), "ab  >  cd");
}

TEST(AskNewEntry, AnEmptySourceAddsNothingAndAsksNoMore)
{
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>("?*"), std::optional<std::string>(""), std::optional<std::string>()}) {
        ScriptedInput input{{answer}, {}};
        EXPECT_EQ(AskNewEntry(Texts, input.Box()), std::nullopt);
        EXPECT_EQ(input.shown.size(), 1U);
    }
}

TEST(AskNewEntry, CancellingTheSecondBoxGivesAnEmptyTarget)
{
    ScriptedInput input{{"ъ", std::nullopt}, {}};
    EXPECT_EQ(AskNewEntry(Texts, input.Box()), "ъ  >  ");
}

TEST(AskNewEntry, APromptWithoutPlaceholderIsUsedUnchanged)
{
    ScriptedInput input{{"x", "y"}, {}};
    (void)AskNewEntry(KeyLines({"[AddMenuPromt2,Replace with %S or % s:]"}), input.Box());
    EXPECT_EQ(input.shown.at(1).prompt, "Replace with %S or % s:");
}

TEST(AskEditedEntry, OnlyTheTargetChanges)
{
    ScriptedInput input{{"s<h>"}, {}};
    EXPECT_EQ(AskEditedEntry(Texts, "sh  >  ш", input.Box()), "sh  >  sh");
    ASSERT_EQ(input.shown.size(), 1U);
    EXPECT_EQ(input.shown[0].title, "Edit entry");
    EXPECT_EQ(input.shown[0].prompt, "New replacement of sh:");
    EXPECT_EQ(input.shown[0].initial, "ш");
}

TEST(AskEditedEntry, CancellingWritesTheOldTargetBackCleaned)
{
    ScriptedInput input{{std::nullopt}, {}};
    EXPECT_EQ(AskEditedEntry(Texts, "a  >  b?  >  c", input.Box()), "a  >  b    c");
    EXPECT_EQ(input.shown.at(0).initial, "b?  >  c");
}

TEST(AskEditedEntry, AnEntryWithoutSeparatorBecomesTheSource)
{
    ScriptedInput input{{"z"}, {}};
    EXPECT_EQ(AskEditedEntry(Texts, "a > b", input.Box()), "a > b  >  z");
    EXPECT_EQ(input.shown.at(0).initial, "");
    // An entry that begins with the separator has an empty source.
    ScriptedInput second{{"y"}, {}};
    EXPECT_EQ(AskEditedEntry(Texts, "  >  x", second.Box()), "  >  y");
    EXPECT_EQ(second.shown.at(0).initial, "x");
}

} // namespace
} // namespace tollwick
