// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
#include "rename/Undo.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

using enum RunStatus;

constexpr LocalDateTime RunTime{2005, 11, 30, 11, 30, 19};

class UndoFile : public ::testing::Test {
protected:
    RunOptions UndoOptions() const
    {
        RunOptions options = OptionsFor(folder);
        options.writeUndo = true;
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
}

TEST_F(UndoFile, NoRenameOrNoUndoCheckWritesNothing)
{
    folder.WriteFile("a");
    RunOptions options = UndoOptions();
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"a", "a"}, {"gone", "b"}}), options).summary.Undo, UndoOutcome::NotDue);

    options.writeUndo = false;
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}), options);
    EXPECT_EQ(run.summary.Counts.Of(StatusRenamed), 1);
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotDue);
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

TEST_F(UndoFile, MissingUndoFolderRenamesNothing)
{
    folder.WriteFile("a");
    folder.WriteFile("same");
    RunOptions options = UndoOptions();
    options.UndoFolder = undo.Path() + "no-such-folder/";
    EXPECT_FALSE(UndoFolderReady(options.UndoFolder));
    EXPECT_TRUE(UndoFolderReady(undo.Path()));

    const RecordedRun run = RunAndRecord(ListOfRenames({{"same", "same"}, {"a", "b"}, {"gone", "c"}}), options);

    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotWritten);
    EXPECT_EQ(run.summary.UndoPath, "");
    EXPECT_EQ(StatusesOf(run), (std::vector{StatusCancel, StatusNotReached, StatusNotReached}));
    EXPECT_EQ(run.results[1].Reason, "<ReasonUndoStopped>");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a", "same"}));

    options.UndoFolder = "";
    EXPECT_FALSE(UndoFolderReady(options.UndoFolder));
    EXPECT_EQ(RunAndRecord(ListOfRenames({{"a", "c"}}), options).summary.Undo, UndoOutcome::NotWritten);
    EXPECT_TRUE(folder.Exists("a"));
}

TEST_F(UndoFile, RunWhoseRenamesAllFailLeavesNoFile)
{
    folder.WriteFile("a");
    folder.WriteFile("b");
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}, {"a", std::string(300, 'x')}}), UndoOptions());
    EXPECT_EQ(StatusesOf(run), (std::vector{StatusExist, StatusCanNot}));
    EXPECT_EQ(run.results[1].Reason, "File name too long");
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotDue);
    EXPECT_TRUE(undo.Names().empty());
}

// A full disk, imitated by a file size limit in a child: the run stops at
// the line that does not fit, the record keeps every rename made before it.
TEST_F(UndoFile, UndoFolderFillingUpStopsTheRunWithAWholeRecord)
{
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < 20; ++k) {
        const std::string name = "file-" + std::to_string(100 + k);
        folder.WriteFile(name, name);
        renames.emplace_back(name, "renamed-" + name);
    }
    const std::size_t lineSize = UndoLine(renames[0].second, renames[0].first).size() + 2;
    const auto limit = static_cast<rlim_t>(folder.Path().size() + 2 + (lineSize * 7) + (lineSize / 2));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        setrlimit(RLIMIT_FSIZE, &size);
        const RecordedRun run = RunAndRecord(ListOfRenames(renames), UndoOptions());
        const bool stopped = run.summary.Undo == UndoOutcome::NotWritten && run.summary.Counts.Of(StatusRenamed) == 7 &&
                             run.summary.Counts.Of(StatusNotReached) == 13 &&
                             run.results[7].Reason == "<ReasonUndoStopped>";
        _exit(stopped ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::string record = undo.ReadFile("2005-11-30_11-30-19.twu");
    EXPECT_EQ(record.substr(record.size() - 2), "\r\n");
    (void)Load(undo.Path() + "2005-11-30_11-30-19.twu");
    ASSERT_EQ(list.TotalList.size(), 7U);
    for (const Row& row : list.TotalList) {
        EXPECT_EQ(folder.ReadFile(row.OldName), row.NewName);
    }
    EXPECT_EQ(folder.Names().size(), 20U);
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
    undo.WriteFile("u.twu", folder.Path() + "\r\nnew1>old1\nnew2>old2\rnew3>old3\r\ntorn>li");
    FilterSettings filter;
    filter.oldNameTerms = "kept*as typed"; // the filter is off, so the pass leaves it

    RecordingProgressView view;
    Progress watched(&view);
    const UndoLoad load = LoadUndoFile(list, undo.Path() + "u.twu", "/before/", filter, watched);

    EXPECT_EQ(load.Outcome, UndoLoadOutcome::Loaded);
    EXPECT_EQ(load.DirName, folder.Path());
    EXPECT_EQ(load.Filter, filter);
    // Newest first; the last line lost its line end, so it was cut short.
    const std::vector<Row> expected = {{"new3", "old3", 0, false, RowDate()},
                                       {"new2", "old2", 1, false, RowDate()},
                                       {"new1", "old1", 2, false, DateTextValue("2005-03-07_09-05-02")}};
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
    filter.on = true;
    filter.oldNameTerms = "*"; // a pass would clean this
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
    EXPECT_EQ(list.TotalList[2].OldName, "no separator");
    EXPECT_EQ(list.TotalList[2].NewName, "");
    EXPECT_EQ(list.TotalList[1].OldName, "");
    EXPECT_EQ(list.TotalList[1].NewName, "");
    EXPECT_EQ(list.TotalList[0].OldName, "a");
    EXPECT_EQ(list.TotalList[0].NewName, "b>c");
    EXPECT_EQ(RowDateText(list.TotalList[0].Date), "N/A");
}

TEST_F(UndoFile, RowsOfARemovedFolderFailTheDateFilter)
{
    undo.WriteFile("u.twu", "/no/such/folder/\r\na>b\r\nc>d\r\n");
    FilterSettings filter;
    filter.on = true;
    filter.dateTest = true;
    filter.firstDate = {1990, 1, 1};
    filter.lastDate = {2100, 1, 1};

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

TEST_F(UndoFile, RunningTheLoadedFileUndoesChainsSwapsAndCasePairs)
{
    const std::vector<std::string> names = {"b", "a", "c", "x", "y", "photo.JPG", "Photo.jpg"};
    for (const std::string& name : names) {
        folder.WriteFile(name, name);
    }
    // A chain (a takes the name b frees), a swap through t, and a case
    // change that takes the spelling another case change freed.
    const RecordedRun first = RunAndRecord(ListOfRenames({{"b", "B2"},
                                                          {"a", "b"},
                                                          {"c", "C.txt"},
                                                          {"x", "t"},
                                                          {"y", "x"},
                                                          {"t", "y"},
                                                          {"photo.JPG", "photo.jpg"},
                                                          {"Photo.jpg", "photo.JPG"}}),
                                           UndoOptions());
    ASSERT_EQ(first.summary.Counts.Of(StatusRenamed), 8);

    (void)Load(first.summary.UndoPath);
    CheckAll(list, progress);
    RunOptions options = UndoOptions();
    options.DirName = folder.Path();
    const RecordedRun back = RunAndRecord(list, options);

    EXPECT_EQ(back.summary.Counts.Of(StatusRenamed), 8);
    EXPECT_EQ(folder.Names().size(), names.size());
    for (const std::string& name : names) {
        EXPECT_EQ(folder.ReadFile(name), name);
    }
    // The undo run keeps its own record beside the first one.
    EXPECT_EQ(back.summary.UndoPath, undo.Path() + "2005-11-30_11-30-19_2.twu");
}

// The states a kill leaves around a reservation, each with its line.
TEST_F(UndoFile, UndoRemovesTheReservationsAStoppedRunLeftAndNothingElse)
{
    const auto reservation = [this](const std::string& name, mode_t mode) {
        folder.WriteFile(name);
        ASSERT_EQ(chmod((folder.Path() + name).c_str(), mode), 0);
    };
    reservation(".tollwick-1-made", 0);   // killed once the file was made
    reservation(".tollwick-1-moving", 0); // killed after the move's line, before the move
    folder.WriteFile("c", "C");
    folder.WriteFile(".tollwick-1-moved", "D"); // killed once d's file was moved there
    reservation(".tollwick-1-empty", 0644);     // an empty file of the user's moved there...
    folder.WriteFile("e", "new");               // ...whose name another file took since
    undo.WriteFile("r.twu", folder.Path() + "\r\n.tollwick-1-made>\r\n.tollwick-1-unmade>\r\n"
                                            ".tollwick-1-moving>\r\n.tollwick-1-moving>c\r\n"
                                            ".tollwick-1-moved>\r\n.tollwick-1-moved>d\r\n"
                                            ".tollwick-1-empty>\r\n.tollwick-1-empty>e\r\n");
    const UndoLoad load = Load(undo.Path() + "r.twu");
    EXPECT_EQ(list.TotalList.size(), 3U); // reservations make no rows
    EXPECT_EQ(load.Reservations, (std::vector<UndoReservation>{{".tollwick-1-empty", true},
                                                               {".tollwick-1-moved", true},
                                                               {".tollwick-1-moving", true},
                                                               {".tollwick-1-unmade", false},
                                                               {".tollwick-1-made", false}}));
    CheckAll(list, progress);
    RunOptions options = OptionsFor(folder);
    options.Reservations = load.Reservations;
    (void)RunAndRecord(list, options);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{".tollwick-1-empty", "c", "d", "e"}));
    EXPECT_EQ(folder.ReadFile("c"), "C");
    EXPECT_EQ(folder.ReadFile("d"), "D");
    EXPECT_EQ(folder.ReadFile("e"), "new");
}

} // namespace
} // namespace tollwick::test
