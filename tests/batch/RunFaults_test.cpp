// SPDX-License-Identifier: GPL-3.0-or-later
// tollwick-batch in this process, its system calls made to fail on purpose:
// a run that an error stopped exits 1 with the file or folder and the
// system's reason, and its undo file brings every moved file back.
#include "BatchProcess.h"
#include "batch/CommandLine.h"
#include "batch/Runner.h"
#include "rename/RunStop.h"
#include "support/FaultyCalls.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

class BatchFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
            folder.WriteFile(name, name);
        }
    }

    // Upper-cases the six files, in this process, through `calls`.
    BatchResult RunFaulty()
    {
        std::ostringstream out;
        std::ostringstream err;
        const batch::Invocation invocation = batch::ParseCommandLine(
            {"--home", home.Path(), "--scan", folder.Path(), "--case", "upper", "--check-all", "--run", "--list"});
        BatchResult result;
        result.exitCode = batch::RunInvocation(invocation, out, err, calls);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    // Runs the one undo file back with the system's own calls.
    void ExpectUndoBringsAllBack() const
    {
        const Lines undoFiles = home.UndoFiles();
        if (!undoFiles.empty()) {
            ASSERT_EQ(undoFiles.size(), 1U);
            const BatchResult undo =
                home.Run({"--load-undo", home.Path() + "undo/" + undoFiles[0], "--check-all", "--run", "--no-undo"});
            EXPECT_EQ(undo.exitCode, 0) << undo.err;
        }
        EXPECT_EQ(folder.Names(), (Lines{"a", "b", "c", "d", "e", "f"}));
    }

    BatchHome home;
    TempDir folder;
    FaultyCalls calls;
};

TEST_F(BatchFaults, AFolderThatFailsStopsTheRunWithExitOne)
{
    calls.rename = {3, EIO};
    const BatchResult result = RunFaulty();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, FillIn(home.Text("RunStopped"), folder.Path(), "Input/output error") + "\n");
    const Lines lines = result.OutLines();
    ASSERT_GE(lines.size(), 6U);
    const std::string notReached = home.Text("StatusNotReached");
    EXPECT_EQ(Fields(lines[1]).at(2), home.Text("StatusRenamed"));
    EXPECT_EQ(Fields(lines[2]).at(3), "Input/output error");
    for (std::size_t k = 3; k < 6; ++k) {
        EXPECT_EQ(Fields(lines[k]).at(2), notReached) << lines[k];
    }
    // The steps after the run do not run: no --list lines follow the counts and the undo file.
    EXPECT_EQ(lines.size(), 6U + 6U + 1U);
    EXPECT_EQ(folder.Names(), (Lines{"A", "B", "c", "d", "e", "f"}));
    ExpectUndoBringsAllBack();
}

TEST_F(BatchFaults, AnUndoFileThatCannotBeSyncedIsNamedWithItsReason)
{
    calls.syncData = {1, EIO};
    const BatchResult result = RunFaulty();
    EXPECT_EQ(result.exitCode, 1);
    // The file is named by the run's local time: the message is the text around it.
    const std::string text = home.Text("UndoFault");
    const std::string before = text.substr(0, text.find("%1"));
    const std::string after = FillIn(text.substr(text.find("%1") + 2), "", "Input/output error") + "\n";
    const std::string& message = result.err;
    ASSERT_TRUE(message.starts_with(before) && message.ends_with(after)) << message;
    const std::string file = message.substr(before.size(), message.size() - before.size() - after.size());
    EXPECT_TRUE(file.starts_with(home.Path() + "undo/") && file.ends_with(".twu")) << file;
    EXPECT_EQ(folder.Names(), (Lines{"a", "b", "c", "d", "e", "f"}));
    EXPECT_TRUE(home.UndoFiles().empty());
}

TEST_F(BatchFaults, AnUndoFolderThatCannotBeSyncedStopsTheRunToo)
{
    calls.syncFolder = {1, EIO};
    const BatchResult result = RunFaulty();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, FillIn(home.Text("UndoFault"), home.Path() + "undo", "Input/output error") + "\n");
    EXPECT_EQ(folder.Names(), (Lines{"a", "b", "c", "d", "e", "f"}));
}

TEST_F(BatchFaults, AFailedLastSyncExitsOneThoughEveryFileMoved)
{
    calls.syncData = {2, EIO};
    const BatchResult result = RunFaulty();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Input/output error"), std::string::npos) << result.err;
    EXPECT_EQ(folder.Names(), (Lines{"A", "B", "C", "D", "E", "F"}));
    ExpectUndoBringsAllBack();
}

} // namespace
} // namespace tollwick::test
