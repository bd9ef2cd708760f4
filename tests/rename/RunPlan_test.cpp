// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/ListCommands.h"
#include "rename/NameIds.h"
#include "rename/RunHelpers.h"
#include "rename/RunPlan.h"
#include "rename/Undo.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using enum RunStatus;
using Names = std::vector<std::string>;
using Renames = std::vector<std::pair<std::string, std::string>>;

std::string Numbered(int k)
{
    char name[16];
    std::snprintf(name, sizeof name, "file_%04d", k);
    return name;
}

class Ordering : public ::testing::Test {
protected:
    RunOptions Options(bool ordered) const
    {
        RunOptions options = OptionsFor(folder);
        options.writeUndo = true;
        options.UndoFolder = undo.Path();
        options.Ordered = ordered;
        return options;
    }

    // Loads the run's undo file and runs it, so every name should come back.
    void Undo(const RecordedRun& run, bool ordered)
    {
        RenameList back;
        Progress progress;
        ASSERT_EQ(LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress).DirName, folder.Path());
        CheckAll(back, progress);
        const RecordedRun undone = RunAndRecord(back, Options(ordered));
        EXPECT_EQ(undone.summary.Counts.Of(StatusCanNot), 0);
    }

    TempDir folder;
    TempDir undo;
};

TEST_F(Ordering, ForecastTellsEachRowsFateWithoutTouchingAFile)
{
    for (const char* name : {"p1", "p2", "p3", "a", "b", "x", "y", "c1", "c2", "c3", "Case.txt", "taken"}) {
        folder.WriteFile(name, name);
    }
    folder.MakeFolder("dir");
    const RenameList list = ListOfRenames({{"p1", "Holiday"}, // three photos given one name
                                           {"p2", "Holiday"},
                                           {"p3", "Holiday"},
                                           {"a", "b"}, // a chain: b moves on later
                                           {"b", "b2"},
                                           {"x", "y"}, // a swap
                                           {"y", "x"},
                                           {"c1", "c2"}, // a cycle of three
                                           {"c2", "c3"},
                                           {"c3", "c1"},
                                           {"Case.txt", "case.txt"},
                                           {"gone", "g"},
                                           {"taken", "dir"},
                                           {"taken", "p1"}});
    const Names before = folder.Names();

    const RunForecast forecast = ForecastRun(list, folder.Path(), true, undo.Path());

    EXPECT_EQ(folder.Names(), before);
    EXPECT_TRUE(forecast.UndoReady);
    EXPECT_EQ(forecast.ShownOrder.Statuses,
              (std::vector{StatusRenamed, StatusExist, StatusExist, StatusExist, StatusRenamed, StatusExist,
                           StatusExist, StatusExist, StatusExist, StatusExist, StatusRenamed, StatusDontExist,
                           StatusCanNot, StatusRenamed}));
    EXPECT_EQ(forecast.Ordered.Statuses,
              (std::vector{StatusRenamed, StatusExist, StatusExist, StatusRenamed, StatusRenamed, StatusRenamed,
                           StatusRenamed, StatusRenamed, StatusRenamed, StatusRenamed, StatusRenamed, StatusDontExist,
                           StatusCanNot, StatusRenamed}));
    EXPECT_EQ(forecast.OnlyOrdered, 6);
    EXPECT_EQ(forecast.Ordered.Counts.Of(StatusRenamed), 10);
    // b moves on before a takes its name; each cycle steps aside once.
    const std::vector<PlannedMove>& moves = forecast.Ordered.Moves;
    const auto at = [&moves](std::size_t shown) {
        return std::find_if(moves.begin(), moves.end(), [shown](const PlannedMove& m) { return m.Shown == shown; });
    };
    EXPECT_LT(at(4), at(3));
    EXPECT_EQ(std::count_if(moves.begin(), moves.end(),
                            [](const PlannedMove& m) { return m.Step == PlannedMove::Kind::ToTemporary; }),
              2);
    EXPECT_EQ(moves.size(), 12U); // ten rows, two of them in two steps
}

TEST_F(Ordering, ForecastWarnsOfAMissingUndoFolder)
{
    folder.WriteFile("a");
    folder.WriteFile("b");
    const RenameList list = ListOfRenames({{"a", "a"}, {"a", "b2"}, {"b", "c"}});
    const RunForecast forecast = ForecastRun(list, folder.Path(), true, undo.Path() + "missing/");
    EXPECT_FALSE(forecast.UndoReady);
    EXPECT_EQ(forecast.ShownOrder.Statuses, (std::vector{StatusCancel, StatusNotReached, StatusNotReached}));
    EXPECT_EQ(forecast.Ordered.Statuses, (std::vector{StatusCancel, StatusNotReached, StatusNotReached}));
    EXPECT_TRUE(forecast.Ordered.Moves.empty());
    // Without an undo file asked for, the folder does not matter.
    EXPECT_TRUE(ForecastRun(list, folder.Path(), false, undo.Path() + "missing/").UndoReady);
}

// A full undo folder renames nothing, so the forecast must not promise it.
TEST_F(Ordering, ForecastWarnsOfAnUndoFolderWithoutRoomForTheRecord)
{
    folder.WriteFile("a");
    folder.WriteFile("b");
    const RenameList list = ListOfRenames({{"a", "a"}, {"a", "b2"}, {"b", "c"}});
    const auto roomOf = [](std::uint64_t bytes) {
        return [bytes](const std::string&) { return std::optional<FolderSpace>({bytes, 4096}); };
    };
    const RunForecast full = ForecastRun(list, folder.Path(), true, undo.Path(), roomOf(4096));
    EXPECT_FALSE(full.UndoReady);
    EXPECT_TRUE(full.UndoFull);
    EXPECT_EQ(full.ShownOrder.Statuses, (std::vector{StatusCancel, StatusNotReached, StatusNotReached}));
    EXPECT_EQ(full.Ordered.Statuses, (std::vector{StatusCancel, StatusNotReached, StatusNotReached}));
    const RunForecast roomy = ForecastRun(list, folder.Path(), true, undo.Path(), roomOf(3 * 4096));
    EXPECT_TRUE(roomy.UndoReady && !roomy.UndoFull);
    EXPECT_EQ(roomy.ShownOrder.Counts.Of(StatusRenamed), 2);
    // Without an undo file, or without a rename to record, the room does not matter.
    EXPECT_TRUE(ForecastRun(list, folder.Path(), false, undo.Path(), roomOf(0)).UndoReady);
    EXPECT_TRUE(ForecastRun(ListOfRenames({{"a", "a"}}), folder.Path(), true, undo.Path(), roomOf(0)).UndoReady);
}

// The room asked for is what the run writes: exact in the shown order, and
// never short with cycles, whose temporary names vary in length.
TEST_F(Ordering, ExpectedUndoFileIsNeverShortOfTheWrittenOne)
{
    for (const bool ordered : {false, true}) {
        TempDir files;
        TempDir records;
        files.WriteFile("x");
        files.WriteFile("y");
        files.WriteFile("photo.jpg");
        const RenameList list = ListOfRenames({{"x", "y"}, {"y", "x"}, {"photo.jpg", "Фото 1.jpg"}});
        const RunForecast forecast = ForecastRun(list, files.Path(), true, records.Path());
        RunOptions options = OptionsFor(files);
        options.writeUndo = true;
        options.UndoFolder = records.Path();
        options.Ordered = ordered;
        const RecordedRun run = RunAndRecord(list, options);
        const std::uint64_t written = std::filesystem::file_size(run.summary.UndoPath);
        const std::uint64_t expected =
            UndoFileBytes(list.FilterList, ordered ? forecast.Ordered : forecast.ShownOrder, files.Path());
        if (ordered) {
            EXPECT_GE(expected, written);
            EXPECT_LE(expected, written + 3 * 10);
        } else {
            EXPECT_EQ(expected, written);
        }
    }
}

TEST_F(Ordering, ShiftByOneSucceedsAndComesBack)
{
    Renames renames;
    for (int k = 1; k <= 1000; ++k) {
        folder.WriteFile(Numbered(k), std::to_string(k));
        renames.emplace_back(Numbered(k), Numbered(k + 1));
    }
    const RecordedRun strict = RunAndRecord(ListOfRenames(renames), Options(false));
    EXPECT_EQ(strict.summary.Counts.Of(StatusRenamed), 1); // only the last row finds its name free
    Undo(strict, false);

    const RecordedRun run = RunAndRecord(ListOfRenames(renames), Options(true));
    EXPECT_EQ(run.summary.Counts.Of(StatusRenamed), 1000);
    EXPECT_EQ(run.results.front().OldName, Numbered(1)); // results in shown order
    EXPECT_EQ(folder.ReadFile(Numbered(1000)), "999");
    EXPECT_FALSE(folder.Exists(Numbered(1)));
    Undo(run, true);
    EXPECT_EQ(folder.Names().size(), 1000U);
    for (int k = 1; k <= 1000; ++k) {
        ASSERT_EQ(folder.ReadFile(Numbered(k)), std::to_string(k));
    }
}

TEST_F(Ordering, CycleGoesThroughATemporaryNameTheUndoFileHolds)
{
    for (const char* name : {"a", "b", "c"}) {
        folder.WriteFile(name, name);
    }
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}, {"b", "c"}, {"c", "a"}}), Options(true));

    EXPECT_EQ(StatusesOf(run), (std::vector{StatusRenamed, StatusRenamed, StatusRenamed}));
    EXPECT_EQ(folder.Names(), (Names{"a", "b", "c"}));
    EXPECT_EQ(folder.ReadFile("b"), "a");
    EXPECT_EQ(folder.ReadFile("c"), "b");
    EXPECT_EQ(folder.ReadFile("a"), "c");
    // The temporary name, recorded before its file is made (a kill in
    // between leaves no name the record lacks), then four moves in the
    // order made: aside, two direct, back from the side.
    const Names lines = CrLfLinesOf(run.summary.UndoPath);
    ASSERT_EQ(lines.size(), 6U);
    const std::string temporary = lines[1].substr(0, lines[1].find('>'));
    EXPECT_EQ(temporary.rfind(".tollwick-", 0), 0U);
    EXPECT_EQ(lines[1], temporary + ">");
    EXPECT_EQ(lines[2], temporary + ">a");
    EXPECT_EQ(lines[3], "a>c");
    EXPECT_EQ(lines[4], "c>b");
    EXPECT_EQ(lines[5], "b>" + temporary);

    Undo(run, false);
    for (const char* name : {"a", "b", "c"}) {
        EXPECT_EQ(folder.ReadFile(name), name);
    }
    EXPECT_EQ(folder.Names().size(), 3U);
}

TEST_F(Ordering, WithoutTheUndoFolderNothingIsRenamed)
{
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    RunOptions options = Options(true);
    options.UndoFolder = undo.Path() + "missing/";
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}, {"b", "a"}}), options);
    EXPECT_EQ(StatusesOf(run), (std::vector{StatusNotReached, StatusNotReached}));
    EXPECT_EQ(run.results[0].Reason, "<ReasonUndoStopped>");
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotWritten);
    EXPECT_EQ(folder.Names(), (Names{"a", "b"}));
    EXPECT_EQ(folder.ReadFile("a"), "A");
}

} // namespace
} // namespace tollwick::test

namespace tollwick::test {
namespace {

// The plan's own pass over the folder must tell what a held listing tells,
// for every kind of entry, and test names one by one where it cannot list.
TEST(FolderView, ListingWhileLookingUpFindsWhatAHeldListingFinds)
{
    TempDir folder;
    folder.WriteFile("file");
    folder.WriteFile(".hidden");
    folder.MakeFolder("sub");
    std::filesystem::create_directory_symlink(folder.Path() + "sub", folder.Path() + "to-sub");
    std::filesystem::create_symlink(folder.Path() + "gone", folder.Path() + "dangling");
    NameIds ids(8);
    for (const char* name : {"file", ".hidden", "sub", "to-sub", "dangling", "absent", "", "sub/file", ".."}) {
        (void)ids.Intern(name);
    }
    const std::vector<EntryKind> expected = {EntryKind::File,   EntryKind::File, EntryKind::Folder,
                                             EntryKind::Folder, EntryKind::File, EntryKind::None,
                                             EntryKind::None,   EntryKind::None, EntryKind::None};
    EXPECT_EQ(FolderView::Listed(folder.Path()).KindsOf(ids), expected);
    EXPECT_EQ(FolderView::Of(folder.Path()).KindsOf(ids), expected);
    const std::string gone = folder.Path() + "missing/";
    EXPECT_EQ(FolderView::Of(gone).KindsOf(ids), std::vector<EntryKind>(ids.Size(), EntryKind::None));
}

} // namespace
} // namespace tollwick::test
