// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRows.h"
#include "rename/Scan.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

TEST(ScanFolder, MakesOneUncheckedNumberedRowPerFile)
{
    const test::TempDir dir;
    dir.WriteFile("b.txt", "", test::LocalTime(2005, 11, 30, 11, 30, 19));
    dir.WriteFile("a.txt", "", test::LocalTime(2005, 3, 7, 9, 5, 3));
    dir.WriteFile("h.txt");
    dir.WriteFile(".h.txt");
    dir.MakeFolder("sub");
    chmod((dir.Path() + "h.txt").c_str(), 0444);
    RenameList list;
    Progress progress;
    (void)ScanFolder(list, dir.Path(), {}, progress);
    ASSERT_EQ(list.TotalList.size(), 3U);
    EXPECT_EQ(list.TotalList[0], (Row{"a.txt", "a.txt", 0, false, DateTextValue("2005-03-07_09-05-02")}));
    EXPECT_EQ(list.TotalList[1], (Row{"b.txt", "b.txt", 1, false, DateTextValue("2005-11-30_11-30-18")}));
    EXPECT_EQ(list.TotalList[2].OldName, "h.txt");
    EXPECT_EQ(list.FilterList, list.TotalList);
    EXPECT_EQ(list.NextIndex, 3);
}

TEST(ScanFolder, ASecondScanStartsAFreshList)
{
    const test::TempDir dir;
    dir.WriteFile("x");
    RenameList list = test::ListOf({"old1", "old2"});
    Progress progress;
    (void)ScanFolder(list, dir.Path(), {}, progress);
    (void)ScanFolder(list, dir.Path(), {}, progress);
    EXPECT_EQ(test::OldNames(list.TotalList), Names{"x"});
    EXPECT_EQ(list.TotalList[0].Index, 0U);
    EXPECT_EQ(list.NextIndex, 1);
}

TEST(ScanFolder, AVanishedFolderGivesEmptyLists)
{
    const test::TempDir dir;
    RenameList list = test::ListOf({"stale"});
    Progress progress;
    (void)ScanFolder(list, dir.Path() + "vanished/", {}, progress);
    EXPECT_TRUE(list.TotalList.empty());
    EXPECT_TRUE(list.FilterList.empty());
    EXPECT_EQ(list.NextIndex, 0);
}

TEST(ScanFolder, NamesThatAreNotUtf8SurviveByteForByte)
{
    const test::TempDir dir;
    const std::string name = "\xCF\xF0\xE8\xE2\xE5\xF2.txt"; // a cp1251 name
    dir.WriteFile(name);
    dir.WriteFile("other.txt");
    RenameList list;
    Progress progress;
    FilterSettings filter;
    filter.on = true;
    filter.oldNameTest = true;
    filter.oldNameTerms = "\xE2\xE5";
    (void)ScanFolder(list, dir.Path(), filter, progress);
    ASSERT_EQ(list.FilterList.size(), 1U);
    EXPECT_EQ(list.FilterList[0].OldName, name);
    EXPECT_EQ(list.FilterList[0].NewName, name);
}

TEST(ScanFolder, TheBarWrapsEveryHundredFiles)
{
    const test::TempDir dir;
    for (int k = 0; k < 250; ++k) {
        dir.WriteFile("f" + std::to_string(k));
    }
    test::RecordingProgressView view;
    Progress progress(&view);
    RenameList list;
    (void)ScanFolder(list, dir.Path(), {}, progress);
    EXPECT_EQ(list.NextIndex, 250);
    int wraps = 0;
    int highest = 0;
    // The scan's own steps come first: (0,100) then 250 uncounted steps.
    for (std::size_t k = 1; k <= 250; ++k) {
        highest = std::max(highest, view.bars[k].first);
        wraps += view.bars[k].first == 0 ? 1 : 0;
    }
    EXPECT_EQ(highest, 99);
    EXPECT_EQ(wraps, 2);
    EXPECT_EQ(view.cursors.front(), true);
    EXPECT_FALSE(progress.Hourglass());
}

} // namespace
} // namespace tollwick
