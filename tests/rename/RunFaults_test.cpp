// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whose system calls fail on purpose: each ends with statuses that say
// what happened, loses no file, and leaves an undo file that brings back
// every file it moved.
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
#include "rename/Undo.h"
#include "support/FaultyCalls.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

using enum RunStatus;
using Names = std::vector<std::string>;

constexpr LocalDateTime RunTime{2005, 11, 30, 11, 30, 19};
constexpr char RecordName[] = "2005-11-30_11-30-19.twu";

std::string Numbered(char prefix, int k)
{
    char name[16];
    std::snprintf(name, sizeof name, "%c%03d", prefix, k);
    return name;
}

class RunFaults : public ::testing::Test {
protected:
    // `count` files f000.. with their numbers as content, each to be renamed to g000..
    RenameList FilesToRename(int count) const
    {
        std::vector<std::pair<std::string, std::string>> renames;
        for (int k = 0; k < count; ++k) {
            folder.WriteFile(Numbered('f', k), std::to_string(k));
            renames.emplace_back(Numbered('f', k), Numbered('g', k));
        }
        return ListOfRenames(renames);
    }

    RunOptions Options()
    {
        RunOptions options = OptionsFor(folder);
        options.writeUndo = true;
        options.UndoFolder = undo.Path();
        options.Clock = [] { return RunTime; };
        options.Calls = &calls;
        return options;
    }

    // Runs the undo file with the system's own calls and checks that every
    // one of the `count` files is back under its old name with its content.
    void ExpectUndoBringsAllBack(const RecordedRun& run, int count) const
    {
        if (!run.summary.UndoPath.empty()) {
            RenameList back;
            Progress progress;
            const UndoLoad load = LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress);
            CheckAll(back, progress);
            RunOptions options = OptionsFor(folder);
            options.DirName = load.DirName;
            (void)RunAndRecord(back, options);
        }
        ASSERT_EQ(folder.Names().size(), static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) {
            EXPECT_EQ(folder.ReadFile(Numbered('f', k)), std::to_string(k));
        }
    }

    TempDir folder;
    TempDir undo;
    FaultyCalls calls;
};

std::vector<RunStatus> Repeated(RunStatus status, std::size_t count)
{
    return std::vector<RunStatus>(count, status);
}

std::vector<RunStatus> Joined(std::initializer_list<std::vector<RunStatus>> parts)
{
    std::vector<RunStatus> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// Errors of the folder itself: no later rename there can succeed.
class FolderFaults : public RunFaults, public ::testing::WithParamInterface<int> {};

TEST_P(FolderFaults, StopTheRunAtTheFirstFailedRename)
{
    calls.rename = {50, GetParam()};
    RecordedRun run;
    Progress progress;
    // The reason of a row not reached holds the system's reason of the stop.
    const TextLookup lookup = [](std::string_view key) { return "<" + std::string(key) + "> %s"; };
    run.summary = RunRename(FilesToRename(100), Options(), lookup, progress,
                            [&run](const ResultRow& row, const RunCounts&) { run.results.push_back(row); });

    EXPECT_EQ(StatusesOf(run), Joined({Repeated(StatusRenamed, 49), {StatusCanNot}, Repeated(StatusNotReached, 50)}));
    EXPECT_EQ(run.results[49].Reason, SystemErrorText(GetParam()));
    EXPECT_EQ(run.results[50].Reason, "<ReasonRunStopped> " + SystemErrorText(GetParam()));
    EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::Folder);
    EXPECT_EQ(run.summary.Stop.Path, folder.Path());
    EXPECT_EQ(run.summary.Stop.Error, GetParam());
    // Not one more rename was tried after the failure.
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "rename"), 50);
    EXPECT_EQ(run.summary.Undo, UndoOutcome::Written);
    ExpectUndoBringsAllBack(run, 100);
}

INSTANTIATE_TEST_SUITE_P(Errors, FolderFaults, ::testing::Values(EIO, ENOSPC, EROFS, EDQUOT));

TEST_F(RunFaults, AnErrorOfOneFileStaysItsRowsStatus)
{
    calls.rename = {3, EACCES, 1};
    const RecordedRun run = RunAndRecord(FilesToRename(6), Options());
    EXPECT_EQ(StatusesOf(run), Joined({Repeated(StatusRenamed, 2), {StatusCanNot}, Repeated(StatusRenamed, 3)}));
    EXPECT_EQ(run.results[2].Reason, "Permission denied");
    EXPECT_FALSE(run.summary.Stop.Stopped());
    ExpectUndoBringsAllBack(run, 6);
}

TEST_F(RunFaults, TheRecordAndItsFolderReachTheDiskBeforeTheFirstRename)
{
    const RecordedRun run = RunAndRecord(FilesToRename(3), Options());
    ASSERT_EQ(run.summary.Counts.Of(StatusRenamed), 3);
    const auto firstRename = std::find(calls.calls.begin(), calls.calls.end(), "rename");
    EXPECT_EQ(Names(calls.calls.begin(), firstRename), (Names{"syncData", "syncFolder"}));
    // And once more at the end.
    EXPECT_EQ(calls.calls.back(), "syncData");
}

TEST_F(RunFaults, ARecordThatCannotReachTheDiskRenamesNothing)
{
    for (FaultyCalls::Fault FaultyCalls::*failing : {&FaultyCalls::syncData, &FaultyCalls::syncFolder}) {
        calls.*failing = {1, EIO};
        const RecordedRun run = RunAndRecord(FilesToRename(5), Options());
        calls.*failing = {};

        EXPECT_EQ(StatusesOf(run), Repeated(StatusNotReached, 5));
        EXPECT_EQ(run.results[0].Reason, "<ReasonUndoStopped>");
        EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::UndoRecord);
        EXPECT_EQ(run.summary.Stop.Error, EIO);
        // The file, or the folder whose sync failed.
        EXPECT_EQ(run.summary.Stop.Path, failing == &FaultyCalls::syncData
                                             ? undo.Path() + RecordName
                                             : undo.Path().substr(0, undo.Path().size() - 1));
        EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "rename"), 0);
        EXPECT_EQ(run.summary.Undo, UndoOutcome::NotWritten);
        EXPECT_TRUE(undo.Names().empty()) << "a record of no move stays behind";
        ExpectUndoBringsAllBack(run, 5);
    }
}

// With no time between syncs, the record is synced every 64 lines: the
// second sync fails, and the run stops before the next rename.
TEST_F(RunFaults, ASyncThatFailsLaterStopsTheRunBeforeTheNextRename)
{
    RunOptions options = Options();
    options.UndoSyncInterval = std::chrono::milliseconds(0);
    calls.syncData = {2, EIO};
    const RecordedRun run = RunAndRecord(FilesToRename(200), options);

    const auto renamed = static_cast<std::size_t>(run.summary.Counts.Of(StatusRenamed));
    ASSERT_GT(renamed, 0U);
    ASSERT_LT(renamed, 100U);
    EXPECT_EQ(StatusesOf(run), Joined({Repeated(StatusRenamed, renamed), Repeated(StatusNotReached, 200 - renamed)}));
    EXPECT_EQ(std::count(calls.calls.begin(), calls.calls.end(), "rename"), static_cast<long>(renamed));
    EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::UndoRecord);
    EXPECT_EQ(run.summary.Stop.Path, undo.Path() + RecordName);
    const std::string message = StopMessage(run.summary.Stop, KeyEchoLookup());
    EXPECT_EQ(message, "<UndoFault>");
    EXPECT_EQ(StopMessage(run.summary.Stop, [](std::string_view) { return std::string("%1: %2"); }),
              undo.Path() + RecordName + ": Input/output error");
    ExpectUndoBringsAllBack(run, 200);
}

TEST_F(RunFaults, TheLastSyncFailingIsReportedThoughEveryFileMoved)
{
    calls.syncData = {2, EIO};
    const RecordedRun run = RunAndRecord(FilesToRename(4), Options());
    EXPECT_EQ(StatusesOf(run), Repeated(StatusRenamed, 4));
    EXPECT_EQ(run.summary.Undo, UndoOutcome::NotWritten);
    EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::UndoRecord);
    EXPECT_EQ(run.summary.Stop.Error, EIO);
    ExpectUndoBringsAllBack(run, 4);
}

// Swaps go through temporary names; a folder that fails half way leaves
// each file under its old name, its new name or a name the record holds.
TEST_F(RunFaults, AnOrderedRunStoppedHalfWayLosesNothing)
{
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < 20; k += 2) {
        folder.WriteFile(Numbered('f', k), std::to_string(k));
        folder.WriteFile(Numbered('f', k + 1), std::to_string(k + 1));
        renames.emplace_back(Numbered('f', k), Numbered('f', k + 1));
        renames.emplace_back(Numbered('f', k + 1), Numbered('f', k));
    }
    for (const int failAt : {1, 2, 3, 7, 14}) {
        calls.rename = {failAt, EIO};
        RunOptions options = Options();
        options.Ordered = true;
        const RecordedRun run = RunAndRecord(ListOfRenames(renames), options);
        calls.rename = {};

        EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::Folder) << failAt;
        EXPECT_EQ(run.summary.Counts.Of(StatusNotReached) + run.summary.Counts.Of(StatusCanNot) +
                      run.summary.Counts.Of(StatusRenamed),
                  20)
            << failAt;
        EXPECT_GT(run.summary.Counts.Of(StatusNotReached), 0) << failAt;
        ExpectUndoBringsAllBack(run, 20);
        for (const std::string& name : undo.Names()) {
            unlink((undo.Path() + name).c_str());
        }
    }
}

// Another program cuts the record short, or puts another file in its
// place, while the run goes on: the run stops cleanly, never by a signal,
// and the other program's file is left as it is.
TEST_F(RunFaults, ARecordChangedByAnotherProgramStopsTheRun)
{
    const std::string record = undo.Path() + RecordName;
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"cut to nothing", [&] { ASSERT_EQ(truncate(record.c_str(), 0), 0); }},
        {"cut by a byte",
         [&] {
             const std::string bytes = undo.ReadFile(RecordName);
             ASSERT_EQ(truncate(record.c_str(), static_cast<off_t>(bytes.size() - 1)), 0);
         }},
        {"replaced",
         [&] {
             undo.WriteFile("other", "another program's file");
             ASSERT_EQ(rename((undo.Path() + "other").c_str(), record.c_str()), 0);
         }},
    };
    for (const auto& entry : changes) {
        const char* const change = entry.first;
        const std::function<void()>& makeChange = entry.second;
        constexpr int Files = 200;
        const RenameList list = FilesToRename(Files);
        int reported = 0;
        RecordedRun run;
        Progress progress;
        run.summary =
            RunRename(list, Options(), KeyEchoLookup(), progress, [&](const ResultRow& row, const RunCounts&) {
                run.results.push_back(row);
                if (++reported == 5) {
                    makeChange();
                }
            });

        EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::UndoRecord) << change;
        EXPECT_EQ(run.summary.Stop.Error, 0) << change;
        EXPECT_EQ(
            StopMessage(run.summary.Stop,
                        [](std::string_view key) { return std::string(key) + (key == "UndoFault" ? " %2" : ""); }),
            "UndoFault ReasonUndoChanged")
            << change;
        const auto renamed = static_cast<std::size_t>(run.summary.Counts.Of(StatusRenamed));
        EXPECT_GE(renamed, 5U) << change;
        EXPECT_LE(renamed, 5U + 64U) << change;
        EXPECT_EQ(StatusesOf(run),
                  Joined({Repeated(StatusRenamed, renamed), Repeated(StatusNotReached, Files - renamed)}))
            << change;
        if (std::string(change) == "replaced") {
            EXPECT_EQ(undo.ReadFile(RecordName), "another program's file");
        }
        // The record no longer names the renamed files; put them back by hand.
        for (int k = 0; k < Files; ++k) {
            if (folder.Exists(Numbered('g', k))) {
                ASSERT_EQ(
                    rename((folder.Path() + Numbered('g', k)).c_str(), (folder.Path() + Numbered('f', k)).c_str()), 0);
            }
        }
        EXPECT_EQ(folder.Names().size(), static_cast<std::size_t>(Files)) << change;
        unlink(record.c_str());
    }
}

} // namespace
} // namespace tollwick::test
