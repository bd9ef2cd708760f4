// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "platform/FolderLock.h"
#include "rename/RunHelpers.h"

#include <gtest/gtest.h>
#include <optional>

namespace tollwick::test {
namespace {

// Another Tollwick run, in this process or another: the lock is taken on a
// descriptor of its own, as a second process would take it.
std::optional<FolderLock> OtherRunOn(const TempDir& folder)
{
    std::optional<FolderLock> other(std::in_place, folder.Path());
    EXPECT_EQ(other->TryTake(), FolderLock::Attempt::Taken);
    return other;
}

RunOptions OptionsWithUndo(const TempDir& folder, const TempDir& undo, bool ordered)
{
    RunOptions options = OptionsFor(folder);
    options.writeUndo = true;
    options.UndoFolder = undo.Path();
    options.Ordered = ordered;
    return options;
}

TEST(RunLock, BusyFolderIsRefusedBeforeAnythingIsDone)
{
    TempDir folder;
    TempDir undo;
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    const auto other = OtherRunOn(folder);
    for (const bool ordered : {false, true}) {
        try {
            (void)RunAndRecord(ListOfRenames({{"a", "b"}, {"b", "a"}}), OptionsWithUndo(folder, undo, ordered));
            ADD_FAILURE() << "the run went on";
        } catch (const TollwickError& error) {
            EXPECT_EQ(error.what(), folder.Path() + ": folder is being renamed by another Tollwick run");
        }
    }
    EXPECT_EQ(folder.ReadFile("a"), "A");
    EXPECT_EQ(folder.ReadFile("b"), "B");
    EXPECT_TRUE(undo.Names().empty());
}

TEST(RunLock, WaitingRunStartsOnceTheOtherEnds)
{
    TempDir folder;
    TempDir undo;
    folder.WriteFile("a", "A");
    auto other = OtherRunOn(folder);
    RunOptions options = OptionsWithUndo(folder, undo, true);
    std::vector<bool> told;
    options.WhenBusy.Wait = true;
    options.WhenBusy.OnWait = [&](bool waiting) {
        told.push_back(waiting);
        if (waiting) {
            EXPECT_TRUE(folder.Exists("a")); // nothing moves while the other holds the folder
            other.reset();
        }
    };
    const RecordedRun run = RunAndRecord(ListOfRenames({{"a", "b"}}), options);
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    EXPECT_EQ(StatusesOf(run), std::vector<RunStatus>{RunStatus::StatusRenamed});
    EXPECT_EQ(folder.ReadFile("b"), "A");
}

// Held from the listing to the undo file's end, and given back after.
TEST(RunLock, HeldForTheWholeRun)
{
    for (const bool ordered : {false, true}) {
        TempDir folder;
        TempDir undo;
        folder.WriteFile("a");
        folder.WriteFile("b");
        std::vector<FolderLock::Attempt> duringRun;
        Progress progress;
        (void)RunRename(
            ListOfRenames({{"a", "c"}, {"b", "d"}}), OptionsWithUndo(folder, undo, ordered), KeyEchoLookup(), progress,
            [&](const ResultRow&, const RunCounts&) { duringRun.push_back(FolderLock(folder.Path()).TryTake()); });
        EXPECT_EQ(duringRun, std::vector<FolderLock::Attempt>(2, FolderLock::Attempt::Busy));
        EXPECT_EQ(FolderLock(folder.Path()).TryTake(), FolderLock::Attempt::Taken);
    }
}

} // namespace
} // namespace tollwick::test
