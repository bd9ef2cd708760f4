// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tollwick {
namespace {

class GenerationPass : public ::testing::Test {
protected:
    // A list of the given names, all shown, with the rows numbered in `checked` checked.
    void MakeList(const std::vector<std::string>& names, const std::vector<int>& checked = {})
    {
        list.StartNewList();
        for (const std::string& name : names) {
            list.AddMasterRow(name, name, RowDate());
        }
        (void)ApplyFilter(list, FilterSettings{}, progress);
        for (const int row : checked) {
            list.FilterList[static_cast<std::size_t>(row)].Checked = true;
        }
        view.bars.clear();
        view.cursors.clear();
    }

    std::vector<std::string> NewNames() const
    {
        std::vector<std::string> names;
        for (const Row& row : list.FilterList) {
            names.push_back(row.NewName);
        }
        return names;
    }

    CleanedTexts Run(std::optional<GeneratorKind> kind, const std::string& folder = {})
    {
        const std::optional<GeneratorStep> step = kind ? std::optional(StepOf(setup, *kind)) : std::nullopt;
        return GenerateNewNames(list, step, {setup.checkedOnly, tables, folder}, progress);
    }

    RenameList list;
    GeneratorSetup setup;
    TranslitTables tables;
    test::RecordingProgressView view;
    Progress progress{&view};
};

TEST_F(GenerationPass, EmptyListEndsWithTheIdleBar)
{
    MakeList({});
    setup.replace = {.from = "a?", .to = "b"};
    const CleanedTexts edits = Run(GeneratorKind::Replace);
    EXPECT_FALSE(edits.replaceFrom.has_value()); // no row processed: edits stay as typed
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 0}, {0, 100}}));
}

TEST_F(GenerationPass, CounterCountsProcessedRowsOnly)
{
    MakeList({"a.jpg", "b.jpg", "c.jpg"}, {0, 2});
    setup.checkedOnly = true;
    setup.mask = {.nameMask = "n1", .extensionMask = "*", .count = true};
    Run(GeneratorKind::Mask);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"n1.jpg", "b.jpg", "n2.jpg"}));
    // Skipped rows move the bar too.
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 100}}));
}

TEST_F(GenerationPass, NoCheckedRowLeavesNamesEditsAndBadMaskAlone)
{
    MakeList({"a.jpg", "b.jpg"});
    setup.checkedOnly = true;
    setup.mask = {.nameMask = "x?9999999999", .extensionMask = "*", .count = true};
    const CleanedTexts edits = Run(GeneratorKind::Mask);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_FALSE(edits.nameMask.has_value());
}

TEST_F(GenerationPass, PassesBuildOnEachOther)
{
    MakeList({"a.txt", "Фото.jpg"});
    setup.replace = {.from = "a", .to = "aa"};
    Run(GeneratorKind::Replace);
    Run(GeneratorKind::Replace);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"aaaa.txt", "Фото.jpg"}));
    setup.caseStep = {.mode = CaseMode::Upper};
    Run(GeneratorKind::Case);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"AAAA.TXT", "ФОТО.JPG"}));
    EXPECT_EQ(list.FilterList[1].OldName, "Фото.jpg");
}

TEST_F(GenerationPass, CounterFollowsTheColumnSort)
{
    MakeList({"b.jpg", "c.jpg", "a.jpg"});
    SortShownRows(list, SortState{.SortColumn = 0, .SortDirection = -1});
    setup.mask = {.nameMask = "*_01", .extensionMask = "*", .count = true};
    Run(GeneratorKind::Mask);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"c_01.jpg", "b_02.jpg", "a_03.jpg"}));
}

TEST_F(GenerationPass, RowsHiddenByTheFilterKeepTheirNames)
{
    MakeList({"keep.doc", "photo1.jpg", "photo2.jpg"});
    FilterSettings filter;
    filter.on = true;
    filter.oldNameTest = true;
    filter.oldNameTerms = "photo";
    (void)ApplyFilter(list, filter, progress);
    setup.mask = {.nameMask = "n0", .extensionMask = "*", .count = true};
    Run(GeneratorKind::Mask);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"n0.jpg", "n1.jpg"}));
    EXPECT_EQ(list.TotalList[1].NewName, "photo1.jpg"); // reaches the master list only when stored back
    (void)ApplyFilter(list, FilterSettings{}, progress);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"keep.doc", "n0.jpg", "n1.jpg"}));
}

TEST_F(GenerationPass, BadMaskStopsBeforeAnyNameChanges)
{
    std::vector<std::string> names(100, "a.jpg");
    MakeList(names, {95, 99});
    setup.checkedOnly = true;
    setup.mask = {.nameMask = "img:9999999999", .extensionMask = "<*>", .count = true};
    try {
        Run(GeneratorKind::Mask);
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_STREQ(stopped.what(), "'9999999999' is not a valid integer value");
        EXPECT_EQ(stopped.Cleaned().nameMask, "img9999999999");
        EXPECT_EQ(stopped.Cleaned().extensionMask, "*");
    }
    EXPECT_EQ(NewNames(), names);
    // The hourglass came at step 90; the stop must not leave it, nor the bar half way.
    EXPECT_EQ(view.cursors, (std::vector<bool>{true, false}));
    EXPECT_EQ(view.bars.back(), (std::pair<int, int>{0, 100}));
}

TEST_F(GenerationPass, TokensReadTheFilesOfTheListFolderAndCountRowsWithoutAValue)
{
    const test::TempDir folder;
    folder.WriteFile("a.jpg", "abc", test::LocalTime(2020, 5, 6, 7, 8, 9));
    folder.WriteFile("c.jpg", "", test::LocalTime(2018, 1, 1, 0, 0, 0));
    MakeList({"a.jpg", "gone.jpg", "c.jpg"}, {0, 1});
    setup.checkedOnly = true;
    setup.mask = {.nameMask = "<date:mtime|%Y>_<n|2>_1", .extensionMask = "<size>*", .count = true};
    const CleanedTexts edits = Run(GeneratorKind::Mask, folder.Path());
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"2020_01_1.3jpg", "_02_2.jpg", "c.jpg"}));
    EXPECT_EQ(edits.nameMask, "<date:mtime|%Y>_<n|2>_1");
    EXPECT_EQ(edits.missing, (std::vector<MissingValue>{{"<date:mtime|%Y>", 1}, {"<size>", 1}}));
}

TEST_F(GenerationPass, BadTokenStopsBeforeAnyNameChanges)
{
    const std::vector<std::string> names{"a.jpg", "b.jpg"};
    MakeList(names);
    setup.mask = {.nameMask = "x?<date:mtime|%Q>", .extensionMask = "*"};
    try {
        Run(GeneratorKind::Mask);
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_STREQ(stopped.what(), "Token <date:mtime|%Q> in the mask: %Q is not a date conversion");
        EXPECT_EQ(stopped.Cleaned().nameMask, "x<date:mtime|%Q>");
    }
    EXPECT_EQ(NewNames(), names);
}

TEST_F(GenerationPass, InvalidRegularExpressionStopsBeforeAnyNameChanges)
{
    const std::vector<std::string> names{"IMG_1.jpg", "IMG_2.jpg"};
    MakeList(names);
    setup.replace = {.from = "IMG_(", .to = "a?$1", .regex = true};
    try {
        Run(GeneratorKind::Replace);
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_NE(std::string(stopped.what()).find("U_REGEX_MISMATCHED_PAREN"), std::string::npos);
        EXPECT_FALSE(stopped.Cleaned().replaceFrom.has_value()); // the edits keep what was typed
    }
    EXPECT_EQ(NewNames(), names);
}

TEST_F(GenerationPass, RegularExpressionThatGivesUpOnARowStopsBeforeAnyNameChanges)
{
    const std::vector<std::string> names{"aaa", "ab", std::string(22, 'a') + "b", "aa"};
    MakeList(names);
    setup.replace = {.from = "(a+)+$", .to = "X", .regex = true};
    try {
        Run(GeneratorKind::Replace);
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_NE(std::string(stopped.what()).find(names[2]), std::string::npos) << stopped.what();
        EXPECT_EQ(stopped.Cleaned().replaceFrom, "(a+)+$");
    }
    EXPECT_EQ(NewNames(), names);
    EXPECT_EQ(view.bars.back(), (std::pair<int, int>{0, 100}));
}

TEST_F(GenerationPass, RunsTheStepOfTheChosenGeneratorOnly)
{
    MakeList({"Photo.JPG"});
    setup.caseStep = {.mode = CaseMode::Lower};
    setup.replace = {.from = "o", .to = "0"};
    setup.mask = {.nameMask = "m", .extensionMask = "*"};
    tables.LatList = {"P  >  П"};
    setup.translit = {.cyrillicToLatin = false};
    setup.deleteStep = {.from = 1, .count = 2};
    const struct {
        std::optional<GeneratorKind> kind;
        std::string_view expected;
    } cases[] = {
        {GeneratorKind::Case, "photo.jpg"},     {GeneratorKind::Replace, "Ph0t0.JPG"}, {GeneratorKind::Mask, "m.JPG"},
        {GeneratorKind::Translit, "Пhoto.JPG"}, {GeneratorKind::Delete, "oto.JPG"},    {std::nullopt, "Photo.JPG"},
    };
    for (const auto& c : cases) {
        list.FilterList[0].NewName = "Photo.JPG";
        Run(c.kind);
        EXPECT_EQ(list.FilterList[0].NewName, c.expected) << c.expected;
    }
}

TEST_F(GenerationPass, WritesBackOnlyTheEditsOfTheGeneratorThatRan)
{
    MakeList({"a.b"});
    setup.replace = {.from = "a?", .to = "|c"};
    setup.mask = {.nameMask = "x?", .extensionMask = "*"};
    CleanedTexts edits = Run(GeneratorKind::Replace);
    EXPECT_EQ(edits.replaceFrom, "a");
    EXPECT_EQ(edits.replaceTo, "c");
    EXPECT_FALSE(edits.nameMask.has_value());
    edits = Run(GeneratorKind::Mask);
    EXPECT_EQ(edits.nameMask, "x");
    EXPECT_FALSE(edits.replaceFrom.has_value());
}

} // namespace
} // namespace tollwick
