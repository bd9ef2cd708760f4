// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "support/RecordingProgress.h"

#include <gtest/gtest.h>
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

    GeneratedEdits Run(std::string_view tab) { return GenerateNewNames(list, GeneratorOfTab(tab), options, progress); }

    RenameList list;
    GeneratorOptions options;
    test::RecordingProgressView view;
    Progress progress{&view};
};

TEST_F(GenerationPass, EmptyListEndsWithTheIdleBar)
{
    MakeList({});
    options.Replace = {.ChangeFromEdit = "a?", .ChangeToEdit = "b"};
    const GeneratedEdits edits = Run("Generate2");
    EXPECT_FALSE(edits.ChangeFromEdit.has_value()); // no row processed: edits stay as typed
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 0}, {0, 100}}));
}

TEST_F(GenerationPass, CounterCountsProcessedRowsOnly)
{
    MakeList({"a.jpg", "b.jpg", "c.jpg"}, {0, 2});
    options.ApplyCheckedOnlyCheck = true;
    options.Mask = {.MaskNameEdit = "n1", .MaskExtEdit = "*", .IncNameCheck = true};
    Run("Generate3");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"n1.jpg", "b.jpg", "n2.jpg"}));
    // Skipped rows move the bar too.
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 100}}));
}

TEST_F(GenerationPass, NoCheckedRowLeavesNamesEditsAndBadMaskAlone)
{
    MakeList({"a.jpg", "b.jpg"});
    options.ApplyCheckedOnlyCheck = true;
    options.Mask = {.MaskNameEdit = "x?9999999999", .MaskExtEdit = "*", .IncNameCheck = true};
    const GeneratedEdits edits = Run("Generate3");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_FALSE(edits.MaskNameEdit.has_value());
}

TEST_F(GenerationPass, PassesBuildOnEachOther)
{
    MakeList({"a.txt", "Фото.jpg"});
    options.Replace = {.ChangeFromEdit = "a", .ChangeToEdit = "aa"};
    Run("Generate2");
    Run("Generate2");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"aaaa.txt", "Фото.jpg"}));
    options.Case = {.GenUpCheck = true};
    Run("Generate1");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"AAAA.TXT", "ФОТО.JPG"}));
    EXPECT_EQ(list.FilterList[1].OldName, "Фото.jpg");
}

TEST_F(GenerationPass, CounterFollowsTheColumnSort)
{
    MakeList({"b.jpg", "c.jpg", "a.jpg"});
    SortShownRows(list, SortState{.SortColumn = 0, .SortDirection = -1});
    options.Mask = {.MaskNameEdit = "*_01", .MaskExtEdit = "*", .IncNameCheck = true};
    Run("Generate3");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"c_01.jpg", "b_02.jpg", "a_03.jpg"}));
}

TEST_F(GenerationPass, RowsHiddenByTheFilterKeepTheirNames)
{
    MakeList({"keep.doc", "photo1.jpg", "photo2.jpg"});
    FilterSettings filter;
    filter.FilterOn = true;
    filter.FilterOldNameCheck = true;
    filter.FilterOldNameEdit = "photo";
    (void)ApplyFilter(list, filter, progress);
    options.Mask = {.MaskNameEdit = "n0", .MaskExtEdit = "*", .IncNameCheck = true};
    Run("Generate3");
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"n0.jpg", "n1.jpg"}));
    EXPECT_EQ(list.TotalList[1].NewName, "photo1.jpg"); // reaches the master list only when stored back
    (void)ApplyFilter(list, FilterSettings{}, progress);
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"keep.doc", "n0.jpg", "n1.jpg"}));
}

TEST_F(GenerationPass, BadMaskStopsBeforeAnyNameChanges)
{
    std::vector<std::string> names(100, "a.jpg");
    MakeList(names, {95, 99});
    options.ApplyCheckedOnlyCheck = true;
    options.Mask = {.MaskNameEdit = "img:9999999999", .MaskExtEdit = "<*>", .IncNameCheck = true};
    try {
        Run("Generate3");
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_STREQ(stopped.what(), "'9999999999' is not a valid integer value");
        EXPECT_EQ(stopped.Edits().MaskNameEdit, "img9999999999");
        EXPECT_EQ(stopped.Edits().MaskExtEdit, "*");
    }
    EXPECT_EQ(NewNames(), names);
    // The hourglass came at step 90; the stop must not leave it, nor the bar half way.
    EXPECT_EQ(view.cursors, (std::vector<bool>{true, false}));
    EXPECT_EQ(view.bars.back(), (std::pair<int, int>{0, 100}));
}

TEST_F(GenerationPass, InvalidRegularExpressionStopsBeforeAnyNameChanges)
{
    const std::vector<std::string> names{"IMG_1.jpg", "IMG_2.jpg"};
    MakeList(names);
    options.Replace = {.ChangeFromEdit = "IMG_(", .ChangeToEdit = "a?$1", .RegExpCheck = true};
    try {
        Run("Generate2");
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_NE(std::string(stopped.what()).find("U_REGEX_MISMATCHED_PAREN"), std::string::npos);
        EXPECT_FALSE(stopped.Edits().ChangeFromEdit.has_value()); // the edits keep what was typed
    }
    EXPECT_EQ(NewNames(), names);
}

TEST_F(GenerationPass, RegularExpressionThatGivesUpOnARowStopsBeforeAnyNameChanges)
{
    const std::vector<std::string> names{"aaa", "ab", std::string(22, 'a') + "b", "aa"};
    MakeList(names);
    options.Replace = {.ChangeFromEdit = "(a+)+$", .ChangeToEdit = "X", .RegExpCheck = true};
    try {
        Run("Generate2");
        FAIL() << "the pass went through";
    } catch (const GenerationStopped& stopped) {
        EXPECT_NE(std::string(stopped.what()).find(names[2]), std::string::npos) << stopped.what();
        EXPECT_EQ(stopped.Edits().ChangeFromEdit, "(a+)+$");
    }
    EXPECT_EQ(NewNames(), names);
    EXPECT_EQ(view.bars.back(), (std::pair<int, int>{0, 100}));
}

TEST_F(GenerationPass, PicksTheGeneratorByTheExactTabName)
{
    MakeList({"Photo.JPG"});
    options.Case = {.GenDownCheck = true};
    options.Replace = {.ChangeFromEdit = "o", .ChangeToEdit = "0"};
    options.Mask = {.MaskNameEdit = "m", .MaskExtEdit = "*"};
    TranslitTables tables;
    tables.LatList = {"P  >  П"};
    options.Translit = {.LatToCyrCheck = true, .Tables = tables};
    options.Delete = {.DeleteFromEdit = 1, .DeleteCtyEdit = 2};
    const struct {
        std::string_view tab;
        std::string_view expected;
    } cases[] = {
        {"Generate1", "photo.jpg"}, {"Generate2", "Ph0t0.JPG"}, {"Generate3", "m.JPG"},     {"Generate4", "Пhoto.JPG"},
        {"Generate5", "oto.JPG"},   {"generate1", "Photo.JPG"}, {"Generate6", "Photo.JPG"}, {"", "Photo.JPG"},
    };
    for (const auto& c : cases) {
        list.FilterList[0].NewName = "Photo.JPG";
        Run(c.tab);
        EXPECT_EQ(list.FilterList[0].NewName, c.expected) << c.tab;
    }
}

TEST_F(GenerationPass, WritesBackOnlyTheEditsOfTheGeneratorThatRan)
{
    MakeList({"a.b"});
    options.Replace = {.ChangeFromEdit = "a?", .ChangeToEdit = "|c"};
    options.Mask = {.MaskNameEdit = "x?", .MaskExtEdit = "*"};
    GeneratedEdits edits = Run("Generate2");
    EXPECT_EQ(edits.ChangeFromEdit, "a");
    EXPECT_EQ(edits.ChangeToEdit, "c");
    EXPECT_FALSE(edits.MaskNameEdit.has_value());
    edits = Run("Generate3");
    EXPECT_EQ(edits.MaskNameEdit, "x");
    EXPECT_FALSE(edits.ChangeFromEdit.has_value());
}

} // namespace
} // namespace tollwick
