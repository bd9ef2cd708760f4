// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
#include "rename/Undo.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using enum RunStatus;

constexpr LocalDateTime RunTime{2005, 11, 30, 11, 30, 19};

class UndoFile : public ::testing::Test {
protected:
    RunOptions UndoOptions() const
    {
        RunOptions options = OptionsFor(folder);
        options.UndoCheck = true;
        options.UndoFolder = undo.Path();
        options.Clock = [] { return RunTime; };
        return options;
    }

    UndoLoad Load(const std::string& path, const FilterSettings& filter = {})
    {
        return LoadUndoFile(list, path, "/before/", filter, progress);
    }

    TempDir folder;
    TempDir undo;
    RenameList list;
    Progress progress;
};

TEST_F(UndoFile, RecordsEveryRenamedRowInRunOrder)
{
    for (const char* name : {"IMG_0001.JPG", "b", "c", "taken"}) {
        folder.WriteFile(name, name);
    }
    const RecordedRun run = RunAndRecord(ListOfRenames({{"IMG_0001.JPG", "Holiday 01.jpg"},
                                                        {"missing", "x"},
                                                        {"c", "c2"},
                                                        {"taken", "c2"},
                                                        {"b", "\xFF\xFE raw"}}),
                                         UndoOptions());

    EXPECT_EQ(run.summary.Undo, UndoOutcome::Written);
    EXPECT_EQ(run.summary.UndoPath, undo.Path() + "2005-11-30_11-30-19.twu");
    const std::string expected = folder.Path() + "\r\nHoliday 01.jpg>IMG_0001.JPG\r\nc2>c\r\n\xFF\xFE raw>b\r\n";
    EXPECT_EQ(undo.ReadFile("2005-11-30_11-30-19.twu"), expected);
    EXPECT_EQ(run.summary.UndoLines,
              (std::vector<std::string>{folder.Path(), "Holiday 01.jpg>IMG_0001.JPG", "c2>c", "\xFF\xFE raw>b"}));
}

TEST_F(UndoFile, NoRenameOrNoUndoCheckWritesNothing)
{
    folder.WriteFile("a");
    RunOptions options = UndoOptions();
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"a", "a"}, {"gone", "b"}}), options).summary.Undo, UndoOutcome::NotDue);

    options.UndoCheck = false;
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}), options);
    EXPECT_EQ(run.summary.Counts.Of(StatusRenamed), 1);
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotDue);
    EXPECT_TRUE(run.summary.UndoLines.empty());
    EXPECT_TRUE(undo.Names().empty());
}

TEST_F(UndoFile, RunsEndingInTheSameSecondKeepSeparateFiles)
{
    for (const char* name : {"a", "b", "c"}) {
        folder.WriteFile(name);
    }
    const RunOptions options = UndoOptions();
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"a", "a1"}}), options).summary.UndoPath,
              undo.Path() + "2005-11-30_11-30-19.twu");
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"b", "b1"}}), options).summary.UndoPath,
              undo.Path() + "2005-11-30_11-30-19_2.twu");
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"c", "c1"}}), options).summary.UndoPath,
              undo.Path() + "2005-11-30_11-30-19_3.twu");
    EXPECT_EQ(undo.ReadFile("2005-11-30_11-30-19.twu"), folder.Path() + "\r\na1>a\r\n");
    EXPECT_EQ(undo.ReadFile("2005-11-30_11-30-19_2.twu"), folder.Path() + "\r\nb1>b\r\n");
}

TEST_F(UndoFile, MissingUndoFolderReportsTheFailureAndKeepsTheRenames)
{
    folder.WriteFile("a");
    RunOptions options = UndoOptions();
    options.UndoFolder = undo.Path() + "no-such-folder/";

    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}), options);

    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotWritten);
    EXPECT_EQ(run.summary.UndoPath, "");
    EXPECT_TRUE(folder.Exists("b"));
    EXPECT_EQ(run.summary.UndoLines, (std::vector<std::string>{folder.Path(), "b>a"}));

    options.UndoFolder = "";
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"b", "c"}}), options).summary.Undo, UndoOutcome::NotWritten);
}

TEST_F(UndoFile, FolderWithoutClosingSlashStillHoldsTheFile)
{
    folder.WriteFile("a");
    RunOptions options = UndoOptions();
    options.UndoFolder.pop_back();
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"a", "b"}}), options).summary.UndoPath,
              undo.Path() + "2005-11-30_11-30-19.twu");
}

TEST_F(UndoFile, LoadGivesRowsLeadingBack)
{
    folder.WriteFile("new1", "", LocalTime(2005, 3, 7, 9, 5, 3));
    undo.WriteFile("u.twu", folder.Path() + "\r\nnew1>old1\nnew2>old2\rnew3>old3");
    FilterSettings filter;
    filter.FilterOldNameEdit = "kept*as typed"; // the filter is off, so the pass leaves it

    RecordingProgressView view;
    Progress watched(&view);
    const UndoLoad load = LoadUndoFile(list, undo.Path() + "u.twu", "/before/", filter, watched);

    EXPECT_EQ(load.Outcome, UndoLoadOutcome::Loaded);
    EXPECT_EQ(load.DirName, folder.Path());
    EXPECT_EQ(load.Filter, filter);
    const std::vector<Row> expected = {{"new1", "old1", "0", "2005-03-07_09-05-02", false},
                                       {"new2", "old2", "1", "N/A", false},
                                       {"new3", "old3", "2", "N/A", false}};
    EXPECT_EQ(list.TotalList, expected);
    EXPECT_EQ(list.FilterList, expected);
    EXPECT_EQ(list.NextIndex, 3);
    const std::vector<std::pair<int, int>> loading = {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5},
                                                      {0, 4}, {1, 4}, {2, 4}, {3, 4}, {0, 100}};
    ASSERT_GE(view.bars.size(), loading.size());
    EXPECT_EQ(std::vector(view.bars.begin(), view.bars.begin() + 10), loading);
}

TEST_F(UndoFile, LoadOfAFileWithoutRenamingsGivesMsg1AndEmptyLists)
{
    undo.WriteFile("folder-only.twu", folder.Path() + "\r\n");
    undo.WriteFile("relative.twu", "photos/\r\na>b\r\n");
    undo.WriteFile("empty-folder-line.twu", "\r\na>b\r\n");
    undo.WriteFile("no-folder-line.twu", "a>b\r\nc>d\r\n");
    FilterSettings filter;
    filter.FilterOn = true;
    filter.FilterOldNameEdit = "*"; // a pass would clean this
    for (const char* name : {"folder-only.twu", "relative.twu", "empty-folder-line.twu", "no-folder-line.twu"}) {
        list = ListOfRenames({{"x", "y"}});
        RecordingProgressView view;
        Progress watched(&view);
        const UndoLoad load = LoadUndoFile(list, undo.Path() + name, "/before/", filter, watched);
        EXPECT_EQ(load.Outcome, UndoLoadOutcome::NoRenaming) << name;
        EXPECT_EQ(load.DirName, "/before/") << name;
        EXPECT_EQ(load.Filter, filter) << name;
        EXPECT_TRUE(list.TotalList.empty() && list.FilterList.empty()) << name;
        EXPECT_EQ(list.NextIndex, 0);
        EXPECT_EQ(view.bars.back(), std::make_pair(0, 100));
    }
}

TEST_F(UndoFile, UnreadableFileLeavesEverythingAsItWas)
{
    list = ListOfRenames({{"x", "y"}});
    const RenameList before = list;
    try {
        (void)Load(undo.Path() + "missing.twu");
        FAIL() << "no error";
    } catch (const TollwickError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + undo.Path() + "missing.twu");
    }
    EXPECT_EQ(list.TotalList, before.TotalList);
    EXPECT_EQ(list.FilterList, before.FilterList);
}

TEST_F(UndoFile, OddLinesLoadAsTheyAre)
{
    undo.WriteFile("odd.twu", "/gone/folder\r\nno separator\r\n\r\na>b>c\r\n");

    const UndoLoad load = Load(undo.Path() + "odd.twu");

    EXPECT_EQ(load.DirName, "/gone/folder/"); // closed, so names stay inside it
    ASSERT_EQ(list.TotalList.size(), 3U);
    EXPECT_EQ(list.TotalList[0].OldName, "no separator");
    EXPECT_EQ(list.TotalList[0].NewName, "");
    EXPECT_EQ(list.TotalList[1].OldName, "");
    EXPECT_EQ(list.TotalList[1].NewName, "");
    EXPECT_EQ(list.TotalList[2].OldName, "a");
    EXPECT_EQ(list.TotalList[2].NewName, "b>c");
    EXPECT_EQ(list.TotalList[2].DateText, "N/A");
}

TEST_F(UndoFile, RowsOfARemovedFolderFailTheDateFilter)
{
    undo.WriteFile("u.twu", "/no/such/folder/\r\na>b\r\nc>d\r\n");
    FilterSettings filter;
    filter.FilterOn = true;
    filter.FilterDateCheck = true;
    filter.FilterFirstDateEdit = {1990, 1, 1};
    filter.FilterLastDateEdit = {2100, 1, 1};

    (void)Load(undo.Path() + "u.twu", filter);

    EXPECT_EQ(list.TotalList.size(), 2U);
    EXPECT_TRUE(list.FilterList.empty());
}

TEST_F(UndoFile, HostileLinesNeverMoveAFileOutOfTheFolder)
{
    TempDir outer;
    outer.MakeFolder("list");
    outer.WriteFile("outside", "O");
    outer.WriteFile("list/x", "X");
    undo.WriteFile("evil.twu", outer.Path() + "list/\r\nx>../../.bashrc\r\n../outside>stolen\r\nx>sub/y\r\n");

    (void)Load(undo.Path() + "evil.twu");
    CheckAll(list, progress);
    RunOptions options = UndoOptions();
    options.DirName = outer.Path() + "list/";
    const RecordedRun run = RunAndRecord(list, options);

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusCanNot, StatusCanNot, StatusCanNot}));
    EXPECT_EQ(outer.ReadFile("list/x"), "X");
    EXPECT_EQ(outer.ReadFile("outside"), "O");
    EXPECT_EQ(outer.Names(), (std::vector<std::string>{"list", "outside"}));
}

TEST_F(UndoFile, RunningTheLoadedFileUndoesTheRun)
{
    for (const char* name : {"b", "a", "c"}) {
        folder.WriteFile(name, name);
    }
    // b's name is freed and taken over by a within the same run.
    const RecordedRun first = RunAndRecord(ListOfRenames({{"b", "B2"}, {"a", "b"}, {"c", "C.txt"}}), UndoOptions());
    ASSERT_EQ(first.summary.Counts.Of(StatusRenamed), 3);

    (void)Load(first.summary.UndoPath);
    CheckAll(list, progress);
    RunOptions options = UndoOptions();
    options.DirName = folder.Path();
    const RecordedRun back = RunAndRecord(list, options);

    // The first line meets "b" still taken: that file stays under its new name.
    EXPECT_EQ(StatusesOf(back), (std::vector{StatusExist, StatusRenamed, StatusRenamed}));
    EXPECT_EQ(folder.ReadFile("a"), "a");
    EXPECT_EQ(folder.ReadFile("c"), "c");
    EXPECT_EQ(folder.ReadFile("B2"), "b");
    // The undo run keeps its own record beside the first one.
    EXPECT_EQ(back.summary.UndoPath, undo.Path() + "2005-11-30_11-30-19_2.twu");
}

} // namespace
} // namespace tollwick::test
