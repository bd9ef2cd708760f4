// SPDX-License-Identifier: GPL-3.0-or-later
// A run the user stops: it ends after the rename in progress, never between
// the moves of a cycle, and its undo file takes back exactly what was done.
#include "rename/ListCommands.h"
#include "rename/Run.h"
#include "rename/RunHelpers.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stop_token>

namespace tollwick::test {
namespace {

using enum RunStatus;

// Asks the run to stop as its k-th rename (1-based) is made, as a click or a
// signal arriving during that rename would.
class StopAtRename final : public SystemCalls {
public:
    explicit StopAtRename(int k) : k_(k) {}
    std::stop_source source;

    int RenameAt2(int folder, const char* from, const char* to, unsigned flags) override
    {
        if (++made_ == k_) {
            (void)source.request_stop();
        }
        return SystemCalls::RenameAt2(folder, from, to, flags);
    }

private:
    int k_;
    int made_ = 0;
};

TEST(RunStopped, EndsAfterTheRenameInProgressAndItsUndoTakesBackExactlyThat)
{
    TempDir folder;
    TempDir undo;
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < 10; ++k) {
        folder.WriteFile("f" + std::to_string(k), "content " + std::to_string(k));
        renames.emplace_back("f" + std::to_string(k), "g" + std::to_string(k));
    }
    StopAtRename calls(3);
    RunOptions options = OptionsFor(folder);
    options.writeUndo = true;
    options.UndoFolder = undo.Path();
    options.Calls = &calls;
    options.stopRequest = calls.source.get_token();

    const RecordedRun run = RunAndRecord(ListOfRenames(renames), options);

    ASSERT_EQ(run.results.size(), 10U);
    EXPECT_EQ(run.summary.Stop.Why, RunStop::Cause::Cancelled);
    EXPECT_EQ(run.summary.Counts.Of(StatusRenamed), 3);
    EXPECT_EQ(run.summary.Counts.Of(StatusNotReached), 7);
    EXPECT_EQ(run.results[3].Reason, "<ReasonRunCancelled>");
    EXPECT_EQ(StopMessage(run.summary.Stop, KeyEchoLookup()), "<RunCancelled>");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"f3", "f4", "f5", "f6", "f7", "f8", "f9", "g0", "g1", "g2"}));

    RenameList back;
    Progress progress;
    const UndoLoad load = LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress);
    EXPECT_EQ(back.TotalList.size(), 3U);
    CheckAll(back, progress);
    RunOptions undoOptions = OptionsFor(folder);
    undoOptions.DirName = load.DirName;
    const RecordedRun undone = RunAndRecord(back, undoOptions);
    EXPECT_EQ(undone.summary.Counts.Of(StatusRenamed), 3);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(folder.ReadFile("f" + std::to_string(k)), "content " + std::to_string(k));
    }
}

// A stop asked for while a file of a swap waits under its temporary name is
// kept until the swap is whole: no file may be left under a name of ours.
TEST(RunStopped, AnOrderedRunClosesTheCycleInProgressFirst)
{
    TempDir folder;
    TempDir undo;
    for (const char* name : {"a", "b", "c", "x", "y"}) {
        folder.WriteFile(name, name);
    }
    const RenameList list = ListOfRenames({{"a", "b"}, {"b", "c"}, {"c", "a"}, {"x", "z"}, {"y", "w"}});
    for (int stopAt = 1; stopAt <= 6; ++stopAt) {
        SCOPED_TRACE(stopAt);
        StopAtRename calls(stopAt);
        RunOptions options = OptionsFor(folder);
        options.Ordered = true;
        options.Calls = &calls;
        options.stopRequest = calls.source.get_token();

        const RecordedRun run = RunAndRecord(list, options);

        const std::vector<std::string> names = folder.Names();
        EXPECT_EQ(names.size(), 5U);
        for (const std::string& name : names) {
            EXPECT_EQ(name.size(), 1U) << name; // an old or a new name, never a temporary one
        }
        // The swap ran whole or not at all.
        const auto renamed = [&run](std::size_t row) { return run.results[row].Status == StatusRenamed; };
        EXPECT_TRUE((renamed(0) && renamed(1) && renamed(2)) || (!renamed(0) && !renamed(1) && !renamed(2)));
        const std::set<std::string> contents{folder.ReadFile(names[0]), folder.ReadFile(names[1]),
                                             folder.ReadFile(names[2]), folder.ReadFile(names[3]),
                                             folder.ReadFile(names[4])};
        EXPECT_EQ(contents.size(), 5U);

        // Back to the start for the next stop.
        for (std::size_t row = 0; row < list.FilterList.size(); ++row) {
            if (renamed(row)) {
                std::filesystem::rename(folder.Path() + list.FilterList[row].NewName,
                                        folder.Path() + "_" + list.FilterList[row].OldName);
            }
        }
        for (const std::string& name : folder.Names()) {
            if (name[0] == '_') {
                std::filesystem::rename(folder.Path() + name, folder.Path() + name.substr(1));
            }
        }
        ASSERT_EQ(folder.Names(), (std::vector<std::string>{"a", "b", "c", "x", "y"}));
    }
}

} // namespace
} // namespace tollwick::test
