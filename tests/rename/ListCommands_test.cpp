// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRows.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

TEST(ListCommands, InvertSwapsEveryCheckMark)
{
    RenameList list = test::ListOf({"1", "2", "3", "4"});
    list.FilterList[0].Checked = true;
    list.FilterList[2].Checked = true;
    Progress progress;
    InvertChecks(list, progress);
    EXPECT_FALSE(list.FilterList[0].Checked);
    EXPECT_TRUE(list.FilterList[1].Checked);
    EXPECT_FALSE(list.FilterList[2].Checked);
    EXPECT_TRUE(list.FilterList[3].Checked);
}

TEST(ListCommands, CopyOldNamesAndCheckAllTouchEveryShownRow)
{
    RenameList list = test::ListOf({"a", "b"});
    list.FilterList[0].NewName = "x";
    Progress progress;
    CopyOldNames(list, progress);
    CheckAll(list, progress);
    EXPECT_EQ(list.FilterList[0].NewName, "a");
    EXPECT_TRUE(list.FilterList[0].Checked && list.FilterList[1].Checked);
    EXPECT_FALSE(list.TotalList[0].Checked); // the master list learns at the next filter pass
}

TEST(ListCommands, RemovingWithTheFilterOnSparesHiddenRows)
{
    RenameList list = test::ListOf({"a.jpg", "b.txt", "c.jpg", "d.txt"});
    FilterSettings filter;
    filter.on = true;
    filter.oldNameTest = true;
    filter.oldNameTerms = "jpg";
    Progress progress;
    (void)ApplyFilter(list, filter, progress);
    RemoveAllRows(list, progress);
    filter.on = false;
    (void)ApplyFilter(list, filter, progress);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"b.txt", "d.txt"}));
}

TEST(ListCommands, RemoveCheckedWithNothingCheckedRemovesNothing)
{
    RenameList list = test::ListOf({"a", "b", "c"});
    Progress progress;
    RemoveCheckedRows(list, progress);
    EXPECT_EQ(list.FilterList.size(), 3U);
    list.FilterList[0].Checked = true;
    list.FilterList[2].Checked = true;
    RemoveCheckedRows(list, progress);
    EXPECT_EQ(test::OldNames(list.FilterList), Names{"b"});
    EXPECT_EQ(test::OldNames(list.TotalList), Names{"b"});
}

TEST(ColumnSort, ThreeClicksGoUpDownUpAndAnotherColumnStartsUp)
{
    RenameList list = test::ListOf({"b", "C", "a"});
    list.FilterList[0].NewName = "z";
    SortState sort;
    FilterListColumnClick(list, sort, 0);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "b", "C"}));
    FilterListColumnClick(list, sort, 0);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"C", "b", "a"}));
    FilterListColumnClick(list, sort, 0);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "b", "C"}));
    FilterListColumnClick(list, sort, 1);
    EXPECT_EQ(sort.SortDirection, 1);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "C", "b"}));
}

TEST(ColumnSort, EveryColumnComparesAsText)
{
    RenameList list;
    for (int k = 0; k < 11; ++k) {
        list.AddMasterRow("f" + std::to_string(k), "",
                          DateTextValue(k == 3 ? "N/A" : "2005-11-" + std::to_string(10 + k) + "_00-00-00"));
    }
    list.FilterList = list.TotalList;
    SortState sort;
    FilterListColumnClick(list, sort, 2);
    EXPECT_EQ(list.FilterList[1].Index, 1U);
    EXPECT_EQ(list.FilterList[2].Index, 10U); // 10 before 9
    FilterListColumnClick(list, sort, 3);
    EXPECT_EQ(RowDateText(list.FilterList.back().Date), "N/A");
}

} // namespace
} // namespace tollwick
