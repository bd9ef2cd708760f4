// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Subfolders.h"
#include "rename/Run.h"
#include "rename/RunHelpers.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

using enum RunStatus;
using namespace std::string_literals;

TEST(RunRename, DecidesEachRowInTheDescribedOrder)
{
    TempDir folder;
    folder.WriteFile("a.txt", "A");
    folder.WriteFile("b.txt", "B");
    folder.WriteFile("same.txt", "S");
    folder.WriteFile("go.txt", "G");
    folder.MakeFolder("sub");
    RenameList list = ListOfRenames({{"gone.txt", "b.txt"}, // deleted after the scan; its new name is taken
                                     {"same.txt", "same.txt"},
                                     {"a.txt", "b.txt"},
                                     {"go.txt", "went.txt"},
                                     {"b.txt", "sub"}});
    list.FilterList[1].Date = DateTextValue("2005-11-30_11-30-18");

    const RecordedRun run = RunAndRecord(list, OptionsFor(folder));

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusDontExist, StatusCancel, StatusExist, StatusRenamed, StatusCanNot}));
    EXPECT_EQ(RowDateText(run.results[1].Date), "2005-11-30_11-30-18");
    EXPECT_EQ(run.results[2].OldName, "a.txt");
    EXPECT_EQ(run.results[2].NewName, "b.txt");
    for (const ResultRow& row : run.results) {
        EXPECT_EQ(row.StatusText, "<" + std::string(StatusKey(row.Status)) + ">");
        EXPECT_EQ(run.summary.Counts.Of(row.Status), 1) << row.StatusText;
    }
    EXPECT_EQ(folder.ReadFile("a.txt"), "A");
    EXPECT_EQ(folder.ReadFile("b.txt"), "B");
    EXPECT_EQ(folder.ReadFile("went.txt"), "G");
    EXPECT_FALSE(folder.Exists("go.txt"));
    // The counters reach the window with every row, each grown by one.
    ASSERT_EQ(run.countsSeen.size(), 5U);
    EXPECT_EQ(run.countsSeen[0].Of(StatusDontExist), 1);
    EXPECT_EQ(run.countsSeen[2].Of(StatusRenamed), 0);
    EXPECT_EQ(run.countsSeen[3].Of(StatusRenamed), 1);
}

TEST(RunRename, UncheckedRowsGiveNoResultButMoveTheBar)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    RenameList list = ListOfRenames({{"a", "x"}, {"b", "y"}});
    list.FilterList[0].Checked = false;
    RecordingProgressView view;
    Progress progress(&view);

    const RecordedRun run = RunAndRecord(list, OptionsFor(folder), progress);

    ASSERT_EQ(run.results.size(), 1U);
    EXPECT_EQ(run.results[0].OldName, "b");
    EXPECT_EQ(run.summary.Counts, (RunCounts{{0, 0, 0, 1, 0}}));
    EXPECT_TRUE(folder.Exists("a"));
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}, {0, 100}}));
}

TEST(RunRename, UsesTheShownRowsNotTheMasterRows)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.WriteFile("hidden", "H");
    RenameList list = ListOfRenames({{"hidden", "h2"}, {"a", "old-edit"}});
    list.FilterList.erase(list.FilterList.begin());
    list.FilterList[0].NewName = "fresh-edit";

    const RecordedRun run = RunAndRecord(list, OptionsFor(folder));

    EXPECT_EQ(run.summary.Counts.Of(StatusRenamed), 1);
    EXPECT_TRUE(folder.Exists("fresh-edit"));
    EXPECT_TRUE(folder.Exists("hidden"));
    EXPECT_EQ(list.FilterList[0].OldName, "a"); // the rows keep their names
}

TEST(RunRename, NoCheckedRowsLeaveEverythingAtZero)
{
    TempDir folder;
    folder.WriteFile("a");
    TempDir undo;
    RunOptions options = OptionsFor(folder);
    options.writeUndo = true;
    options.UndoFolder = undo.Path();

    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}, false), options);

    EXPECT_TRUE(run.results.empty());
    EXPECT_EQ(run.summary.Counts, RunCounts{});
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotDue);
    EXPECT_TRUE(undo.Names().empty());
}

TEST(RunRename, RowsRunStrictlyInShownOrder)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    folder.WriteFile("c", "C");
    // b moves away first, so a may take its name; then two rows want "z".
    const RecordedRun run =
        RunAndRecord(ListOfRenames({{"b", "t"}, {"a", "b"}, {"c", "z"}, {"t", "z"}}), OptionsFor(folder));

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusRenamed, StatusRenamed, StatusRenamed, StatusExist}));
    EXPECT_EQ(folder.ReadFile("b"), "A");
    EXPECT_EQ(folder.ReadFile("t"), "B");
    EXPECT_EQ(folder.ReadFile("z"), "C");
}

TEST(RunRename, ChangesLetterCaseAlone)
{
    TempDir folder;
    folder.WriteFile("photo.JPG", "P");
    folder.WriteFile("\xC3\x89t\xC3\xA9.txt", "E"); // Été.txt
    const RecordedRun run =
        RunAndRecord(ListOfRenames({{"photo.JPG", "photo.jpg"}, {"\xC3\x89t\xC3\xA9.txt", "\xC3\xA9t\xC3\xA9.TXT"}}),
                     OptionsFor(folder));

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusRenamed, StatusRenamed}));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"photo.jpg", "\xC3\xA9t\xC3\xA9.TXT"}));
}

TEST(RunRename, CaseChangeOntoAnotherFileIsRefused)
{
    TempDir folder;
    folder.WriteFile("a.txt", "lower");
    folder.WriteFile("A.txt", "upper");

    const RecordedRun run = RunAndRecord(ListOfRenames({{"a.txt", "A.txt"}}), OptionsFor(folder));

    EXPECT_EQ(StatusesOf(run), std::vector{StatusCanNot});
    EXPECT_EQ(folder.ReadFile("a.txt"), "lower");
    EXPECT_EQ(folder.ReadFile("A.txt"), "upper");
}

TEST(RunRename, FileAppearingDuringTheRunIsNeverReplaced)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    RenameList list = ListOfRenames({{"a", "a2"}, {"b", "late"}});
    Progress progress;
    int rows = 0;
    // The target of the second row turns up once the first row is done.
    RunRename(list, OptionsFor(folder), KeyEchoLookup(), progress, [&](const ResultRow& row, const RunCounts&) {
        if (++rows == 1) {
            folder.WriteFile("late", "precious");
        } else {
            EXPECT_EQ(row.Status, StatusExist);
        }
    });

    EXPECT_EQ(folder.ReadFile("late"), "precious");
    EXPECT_EQ(folder.ReadFile("b"), "B");
}

TEST(RunRename, FoldersAreNeitherSourcesNorTargets)
{
    TempDir folder;
    folder.MakeFolder("dir");
    folder.MakeFolder("other");
    folder.WriteFile("f", "F");
    std::filesystem::create_directory_symlink(folder.Path() + "dir", folder.Path() + "link-to-dir");
    std::filesystem::create_symlink(folder.Path() + "nowhere", folder.Path() + "dangling");

    const RecordedRun run = RunAndRecord(
        ListOfRenames({{"dir", "d2"}, {"link-to-dir", "l2"}, {"f", "other"}, {"dangling", "still-dangling"}}),
        OptionsFor(folder));

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusDontExist, StatusDontExist, StatusCanNot, StatusRenamed}));
    EXPECT_TRUE(folder.Exists("dir"));
    EXPECT_TRUE(folder.Exists("link-to-dir"));
    EXPECT_EQ(folder.ReadFile("f"), "F");
    EXPECT_TRUE(folder.Exists("still-dangling"));
}

// A folder that may be entered but not listed: every row is tested on its own.
TEST(RunRename, FolderThatCannotBeListedStillTellsFoldersFromFiles)
{
    TempDir outer;
    outer.MakeFolder("list/dir");
    outer.WriteFile("list/a", "A");
    outer.WriteFile("list/same", "S");
    const std::string dirName = outer.Path() + "list/";
    std::filesystem::permissions(dirName, std::filesystem::perms::owner_write | std::filesystem::perms::owner_exec);
    if (SubfolderNames(dirName)) {
        GTEST_SKIP() << "permissions do not stop this user from listing a folder";
    }
    RunOptions options;
    options.DirName = dirName;

    const RecordedRun run =
        RunAndRecord(ListOfRenames({{"dir", "d2"}, {"a", "b"}, {"same", "same"}, {"gone", "g2"}}), options);

    std::filesystem::permissions(dirName, std::filesystem::perms::owner_all);
    EXPECT_EQ(StatusesOf(run), (std::vector{StatusDontExist, StatusRenamed, StatusCancel, StatusDontExist}));
    EXPECT_EQ(outer.ReadFile("list/b"), "A");
    EXPECT_TRUE(std::filesystem::is_directory(dirName + "dir"));
}

TEST(RunRename, NamesThatWouldLeaveTheFolderReachNoFile)
{
    TempDir outer;
    outer.MakeFolder("list");
    outer.WriteFile("outside", "O");
    const std::string dirName = outer.Path() + "list/";
    std::filesystem::copy_file(outer.Path() + "outside", dirName + "inside");
    RunOptions options;
    options.DirName = dirName;

    const RecordedRun run = RunAndRecord(ListOfRenames({{"../outside", "stolen"},
                                                        {"inside", "../escaped"},
                                                        {"inside", ""},
                                                        {"inside", "."},
                                                        {"inside", ".."},
                                                        {"inside", "cut\0here"s},
                                                        {"inside\0x"s, "y"},
                                                        {"", "z"},
                                                        {"..", "up"}}),
                                         options);

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusCanNot, StatusCanNot, StatusCanNot, StatusCanNot, StatusCanNot,
                                            StatusCanNot, StatusCanNot, StatusCanNot, StatusCanNot}));
    EXPECT_EQ(outer.Names(), (std::vector<std::string>{"list", "outside"}));
    EXPECT_EQ(std::filesystem::begin(std::filesystem::directory_iterator(dirName))->path().filename(), "inside");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dirName), std::filesystem::directory_iterator()), 1);
}

TEST(RunRename, WithUndoRefusesNamesTheUndoFileCouldNotGiveBack)
{
    TempDir folder;
    TempDir undo;
    for (const char* name : {"a", "b", "c", "d"}) {
        folder.WriteFile(name, name);
    }
    RunOptions options = OptionsFor(folder);
    const auto list = ListOfRenames({{"a", "x>y"}, {"b", "two\nlines"}, {"c", "carriage\rreturn"}, {"d", "fine>"}});
    options.writeUndo = true;
    options.UndoFolder = undo.Path();

    const RecordedRun guarded = RunAndRecord(list, options);
    EXPECT_EQ(guarded.summary.Counts.Of(StatusCanNot), 4);
    EXPECT_EQ(guarded.results[0].Reason, "<ReasonUndoName>");
    EXPECT_TRUE(undo.Names().empty());

    // Without an undo file Linux takes such names.
    options.writeUndo = false;
    EXPECT_EQ(RunAndRecord(list, options).summary.Counts.Of(StatusRenamed), 4);
}

// Relative names would act in the folder the program was started in.
TEST(RunRename, WithoutAnAbsoluteListFolderRenamesNothing)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    const std::string started = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    TempDir undo;
    for (const std::string& dirName : {std::string(), std::string("./"), folder.Path().substr(1),
                                       folder.Path().substr(0, folder.Path().size() - 1)}) {
        RunOptions options;
        options.DirName = dirName;
        options.writeUndo = true;
        options.UndoFolder = undo.Path();
        const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}), options);
        EXPECT_EQ(StatusesOf(run), std::vector{StatusCanNot}) << dirName;
        EXPECT_EQ(run.results[0].Reason, "<ReasonNoFolder>");
        EXPECT_EQ(run.summary.Undo, UndoOutcome::NotDue);
    }
    std::filesystem::current_path(started);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a"});
    EXPECT_TRUE(undo.Names().empty());
}

TEST(RunRename, RefusedRowsSayWhy)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.MakeFolder("dir");
    const RecordedRun run = RunAndRecord(
        ListOfRenames({{"a", std::string(300, 'n')}, {"a", "dir"}, {"a", "../up"}, {"a", "a"}}), OptionsFor(folder));
    EXPECT_EQ(StatusesOf(run), (std::vector{StatusCanNot, StatusCanNot, StatusCanNot, StatusCancel}));
    EXPECT_EQ(run.results[0].Reason, "File name too long");
    EXPECT_EQ(run.results[1].Reason, "File exists");
    EXPECT_EQ(run.results[2].Reason, "<ReasonBadName>");
    EXPECT_EQ(run.results[3].Reason, "");
}

TEST(PreparePreview, CountsCheckedShownRows)
{
    RenameList list = ListOfRenames({{"a", "b"}, {"c", "d"}, {"e", "f"}, {"hidden", "x"}});
    list.FilterList.pop_back();
    list.FilterList[1].Checked = false;
    RecordingProgressView view;
    Progress progress(&view);

    const PreviewInfo withUndo = PreparePreview(list, "/photos/", true, KeyEchoLookup(), progress);
    EXPECT_EQ(withUndo.folder, "/photos/");
    EXPECT_EQ(withUndo.checkedCount, "2");
    EXPECT_EQ(withUndo.totalCount, "2");
    EXPECT_EQ(withUndo.undoLine, "<PreviewUndoLabel1>");
    EXPECT_EQ(view.bars, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 100}}));

    EXPECT_EQ(PreparePreview(list, "/photos/", false, KeyEchoLookup(), progress).undoLine, "<PreviewUndoLabel2>");
}

} // namespace
} // namespace tollwick::test
