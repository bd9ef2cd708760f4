// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRows.h"
#include "rename/ListCommands.h"
#include "rename/RenameList.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

TEST(DeleteRow, RemovesTheShownRowAndItsMasterRow)
{
    RenameList list = test::ListOf({"a", "b", "c"});
    DeleteRow(list, 1);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "c"}));
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"a", "c"}));
    EXPECT_EQ(list.NextIndex, 3);
}

TEST(DeleteRow, RemovesTheShownRowEvenWithoutAMasterRow)
{
    RenameList list = test::ListOf({"a", "b"});
    list.FilterList[0].Index = 77;
    DeleteRow(list, 0);
    EXPECT_EQ(test::OldNames(list.FilterList), Names{"b"});
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"a", "b"}));
}

TEST(DeleteRow, FindsMasterRowsPastNine)
{
    // Numbers in text order would put 10 and 11 before 2 and lose the search.
    RenameList list = test::ListOf({"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11"});
    list.FilterList = {list.TotalList[10], list.TotalList[2]};
    DeleteRow(list, 0);
    DeleteRow(list, 0);
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"f0", "f1", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "f11"}));
}

TEST(DeleteRow, FindsMasterRowsInAListOutOfOrder)
{
    RenameList list = test::ListOf({"a", "b", "c", "d"});
    std::swap(list.TotalList[0], list.TotalList[3]); // Index 3, 1, 2, 0
    list.FilterList = {list.TotalList[3]};
    DeleteRow(list, 0);
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"d", "b", "c"}));
}

TEST(StoreShownRows, CopiesOnlyNewNameAndCheckedBack)
{
    RenameList list = test::ListOf({"a", "b", "c"});
    list.FilterList.erase(list.FilterList.begin());
    list.FilterList[1].NewName = "C.txt";
    list.FilterList[1].Checked = true;
    list.FilterList[1].OldName = "changed";
    list.FilterList[1].Date = RowDate();
    std::swap(list.FilterList[0], list.FilterList[1]); // a sorted shown list
    Progress progress;
    StoreShownRows(list, progress);
    EXPECT_EQ(list.TotalList[2], (Row{"c", "C.txt", 2, true, DateTextValue("2005-11-30_11-30-18")}));
    EXPECT_EQ(list.TotalList[0], (Row{"a", "a", 0, false, DateTextValue("2005-11-30_11-30-18")}));
    EXPECT_EQ(progress.Maximum(), 100);
}

TEST(DeleteShownRows, DeletingEverythingKeepsTheNumbering)
{
    RenameList list = test::ListOf({"a", "b", "c"});
    Progress progress;
    RemoveAllRows(list, progress);
    EXPECT_TRUE(list.TotalList.empty());
    EXPECT_TRUE(list.FilterList.empty());
    EXPECT_EQ(list.NextIndex, 3);
    EXPECT_EQ(list.AddMasterRow("d", "d", RowDate()).Index, 3U);
}

} // namespace
} // namespace tollwick
