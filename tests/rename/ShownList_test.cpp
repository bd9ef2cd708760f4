// SPDX-License-Identifier: GPL-3.0-or-later
// The shown rows of a list with the filter off are its master rows: every
// command must leave both lists as two separate lists would.
#include "TestRows.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "rename/RenameList.h"

#include <gtest/gtest.h>
#include <malloc.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

RenameList SharedListOf(std::initializer_list<const char*> names)
{
    RenameList list = test::ListOf(names);
    Progress progress;
    (void)ApplyFilter(list, FilterSettings{}, progress);
    return list;
}

TEST(ShownList, FilterOffSharesTheMasterRowsAndEditsReachThem)
{
    RenameList list = SharedListOf({"a", "b", "c"});
    ASSERT_TRUE(list.FilterList.SharesMaster());
    list.FilterList[1].NewName = "B";
    list.FilterList[1].Checked = true;
    EXPECT_EQ(list.TotalList[1], (Row{"b", "B", 1, true, DateTextValue("2005-11-30_11-30-18")}));

    // A pass with the filter on starts from the edited master rows.
    FilterSettings on;
    on.on = true;
    on.newNameTest = true;
    on.newNameTerms = "B";
    Progress progress;
    (void)ApplyFilter(list, on, progress);
    EXPECT_FALSE(list.FilterList.SharesMaster());
    EXPECT_EQ(list.FilterList, (std::vector<Row>{list.TotalList[1]}));
}

TEST(ShownList, SortingSharedRowsKeepsTheMasterRowsAndTheirOrder)
{
    RenameList list = SharedListOf({"a", "c", "b"});
    SortState sort;
    FilterListColumnClick(list, sort, 0);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "b", "c"}));
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"a", "c", "b"}));
    // The sorted rows are copies now: an edit is stored back by the next pass.
    list.FilterList[2].NewName = "C";
    EXPECT_EQ(list.TotalList[1].NewName, "c");
    Progress progress;
    StoreShownRows(list, progress);
    EXPECT_EQ(list.TotalList[1].NewName, "C");
}

TEST(ShownList, DeletingSharedRowsDeletesEachRowOnce)
{
    RenameList list = SharedListOf({"a", "b", "c", "d", "e"});
    DeleteRow(list, 1);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "c", "d", "e"}));
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"a", "c", "d", "e"}));
    Progress progress;
    DeleteShownRowsWhere(list, progress, [](const Row& row) { return row.OldName != "d"; });
    EXPECT_TRUE(list.FilterList.SharesMaster());
    EXPECT_EQ(test::OldNames(list.TotalList), Names{"d"});
    EXPECT_EQ(list.FilterList, list.TotalList);
}

TEST(ShownList, ACopyOfTheListSharesItsOwnMasterRows)
{
    const RenameList original = SharedListOf({"a", "b"});
    RenameList copy = original;
    RenameList moved = SharedListOf({"x"});
    moved = std::move(copy);
    moved.FilterList[0].NewName = "A";
    EXPECT_EQ(moved.TotalList[0].NewName, "A");
    EXPECT_EQ(original.TotalList[0].NewName, "a");
    EXPECT_EQ(original.FilterList[0].NewName, "a");
}

TEST(ShownList, ChangingWhichRowsAreShownLeavesTheMasterRows)
{
    RenameList list = SharedListOf({"a", "b", "c"});
    list.FilterList.erase(list.FilterList.begin() + 1);
    list.FilterList.push_back(list.TotalList[1]);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"a", "c", "b"}));
    EXPECT_EQ(test::OldNames(list.TotalList), (Names{"a", "b", "c"}));
    list.FilterList.clear();
    EXPECT_EQ(list.TotalList.size(), 3U);
}

std::size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd; // large blocks are mapped on their own
}

// A filter pass copies every shown row; with the filter off again the copy
// must go back to the allocator, not stay as spare room of a million rows.
TEST(ShownList, FilterOffGivesTheCopysMemoryBack)
{
    RenameList list;
    for (int k = 0; k < 200000; ++k) {
        list.AddMasterRow(std::to_string(k), std::to_string(k), RowDate());
    }
    Progress progress;
    FilterSettings on;
    on.on = true;
    const std::size_t before = HeapInUse();
    (void)ApplyFilter(list, on, progress);
    const std::size_t copied = HeapInUse();
    constexpr std::size_t CopyBytes = 200000 * sizeof(Row);
    if (copied < before + CopyBytes) {
        GTEST_SKIP() << "this allocator does not report its blocks";
    }
    (void)ApplyFilter(list, FilterSettings{}, progress);
    ASSERT_TRUE(list.FilterList.SharesMaster());
    EXPECT_LT(HeapInUse(), before + CopyBytes / 4);
}

} // namespace
} // namespace tollwick
