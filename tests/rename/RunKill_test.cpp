// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
#include "rename/Undo.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

constexpr int FileCount = 2000;
constexpr int KillAfterRows = 400;

std::string Numbered(char prefix, int k)
{
    char name[16];
    std::snprintf(name, sizeof name, "%c%04d", prefix, k);
    return name;
}

// Runs the renaming in a child that reports each row through a pipe and
// lingers a little per row, so that the kill lands well inside the run.
[[noreturn]] void RunInChild(const RenameList& list, const RunOptions& options, int reportFd)
{
    Progress progress;
    RunRename(list, options, KeyEchoLookup(), progress, [reportFd](const ResultRow&, const RunCounts&) {
        const char tick = 1;
        if (write(reportFd, &tick, 1) != 1) {
            _exit(3);
        }
        usleep(300);
    });
    _exit(0);
}

void KillAfterReports(pid_t child, int reportFd, int reports)
{
    char buffer[64];
    int seen = 0;
    while (seen < reports) {
        const ssize_t got = read(reportFd, buffer, sizeof buffer);
        ASSERT_GT(got, 0) << "the run ended before it could be killed";
        seen += static_cast<int>(got);
    }
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
}

// Runs the list in a child process and kills it once `rows` rows are reported.
void RunAndKillAfter(const RenameList& list, const RunOptions& options, int rows)
{
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        RunInChild(list, options, pipeFds[1]);
    }
    close(pipeFds[1]);
    KillAfterReports(child, pipeFds[0], rows);
    close(pipeFds[0]);
}

TEST(RunKilled, UndoFileStillNamesWhatWasRenamed)
{
    TempDir folder;
    TempDir undo;
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < FileCount; ++k) {
        folder.WriteFile(Numbered('f', k), std::to_string(k));
        renames.emplace_back(Numbered('f', k), Numbered('g', k));
    }
    RunOptions options = OptionsFor(folder);
    options.UndoCheck = true;
    options.UndoFolder = undo.Path();

    ASSERT_NO_FATAL_FAILURE(RunAndKillAfter(ListOfRenames(renames), options, KillAfterRows));

    std::set<std::string> renamedOnDisk;
    for (const std::string& name : folder.Names()) {
        if (name[0] == 'g') {
            renamedOnDisk.insert(name);
        }
    }
    ASSERT_GE(renamedOnDisk.size(), static_cast<std::size_t>(KillAfterRows));
    ASSERT_LT(renamedOnDisk.size(), static_cast<std::size_t>(FileCount));

    const std::vector<std::string> records = undo.Names();
    ASSERT_EQ(records.size(), 1U);
    RenameList list;
    Progress progress;
    const UndoLoad load = LoadUndoFile(list, undo.Path() + records[0], "/", {}, progress);
    EXPECT_EQ(load.DirName, folder.Path());
    std::set<std::string> recorded;
    for (const Row& row : list.TotalList) {
        EXPECT_EQ(row.OldName[0], 'g');
        EXPECT_EQ(row.NewName, "f" + row.OldName.substr(1));
        recorded.insert(row.OldName);
    }
    // Every renamed file is in the record, which names each rename before
    // it is made: at most the one under way at the kill is not done.
    for (const std::string& name : renamedOnDisk) {
        EXPECT_TRUE(recorded.count(name)) << name;
    }
    EXPECT_LE(recorded.size() - renamedOnDisk.size(), 1U);

    CheckAll(list, progress);
    options.DirName = load.DirName;
    const RecordedRun back = RunAndRecord(list, options);
    EXPECT_EQ(back.summary.Counts.Of(RunStatus::StatusRenamed), static_cast<std::int32_t>(renamedOnDisk.size()));
    for (const std::string& name : folder.Names()) {
        EXPECT_EQ(name[0], 'f') << name;
    }
    EXPECT_EQ(folder.Names().size(), static_cast<std::size_t>(FileCount));
}

// Swaps go through temporary names: wherever the kill lands, every file
// is under its old name, its new name or a name the undo file holds.
TEST(RunKilled, OrderedRunLosesNothing)
{
    TempDir folder;
    TempDir undo;
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < FileCount; k += 2) {
        folder.WriteFile(Numbered('f', k), std::to_string(k));
        folder.WriteFile(Numbered('f', k + 1), std::to_string(k + 1));
        renames.emplace_back(Numbered('f', k), Numbered('f', k + 1));
        renames.emplace_back(Numbered('f', k + 1), Numbered('f', k));
    }
    RunOptions options = OptionsFor(folder);
    options.UndoCheck = true;
    options.UndoFolder = undo.Path();
    options.Ordered = true;

    ASSERT_NO_FATAL_FAILURE(RunAndKillAfter(ListOfRenames(renames), options, KillAfterRows));

    const std::vector<std::string> records = undo.Names();
    ASSERT_EQ(records.size(), 1U);
    RenameList list;
    Progress progress;
    const UndoLoad load = LoadUndoFile(list, undo.Path() + records[0], "/", {}, progress);
    std::set<std::string> recorded;
    for (const Row& row : list.TotalList) {
        recorded.insert(row.OldName);
    }
    EXPECT_EQ(folder.Names().size(), static_cast<std::size_t>(FileCount));
    for (const std::string& name : folder.Names()) {
        EXPECT_TRUE(name[0] == 'f' || recorded.count(name)) << name;
    }

    CheckAll(list, progress);
    options.DirName = load.DirName;
    (void)RunAndRecord(list, options);
    const std::vector<std::string> names = folder.Names();
    ASSERT_EQ(names.size(), static_cast<std::size_t>(FileCount));
    for (int k = 0; k < FileCount; ++k) {
        ASSERT_EQ(folder.ReadFile(Numbered('f', k)), std::to_string(k));
    }
}

} // namespace
} // namespace tollwick::test
