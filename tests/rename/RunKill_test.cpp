// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/ListCommands.h"
#include "rename/OrderedRun.h"
#include "rename/RunHelpers.h"
#include "rename/RunOutcome.h"
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
    options.writeUndo = true;
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
    options.writeUndo = true;
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

// The undo file of a run, in a child that dies as a kill -9 would at one
// chosen point: before or after the journal's call number `dieAt`.
class DyingJournal final : public MoveJournal {
public:
    DyingJournal(UndoRecorder& record, int dieAt, bool afterCall) : record_(record), dieAt_(dieAt), after_(afterCall) {}
    bool BeforeMove(const std::string& from, const std::string& to) override
    {
        return Call([&] { return record_.BeforeMove(from, to); });
    }
    bool BeforeReserve(const std::string& name) override
    {
        return Call([&] { return record_.BeforeReserve(name); });
    }
    void MoveFailed() override
    {
        Call([&] {
            record_.MoveFailed();
            return true;
        });
    }
    [[nodiscard]] bool Stopped() const override { return record_.Stopped(); }

private:
    template <typename Forward> bool Call(Forward forward)
    {
        const bool dies = ++calls_ == dieAt_;
        if (dies && !after_) {
            _exit(9);
        }
        const bool allowed = forward();
        if (dies) {
            _exit(9);
        }
        return allowed;
    }

    UndoRecorder& record_;
    int dieAt_;
    bool after_;
    int calls_ = 0;
};

// Every point where a kill can fall between two steps on the disk: before
// and after each record line of a swap and a three-cycle, the reservations
// of their temporary names among them. After each, and an undo, the folder
// holds exactly the files it held before, no temporary name left over.
TEST(RunKilled, AtAnyStepAnUndoGivesBackTheFolderAsItWas)
{
    const std::vector<std::pair<std::string, std::string>> renames = {
        {"a", "b"}, {"b", "a"}, {"c", "d"}, {"d", "e"}, {"e", "c"}};
    // A reservation and a move per row of each cycle, and the move back from the side.
    constexpr int JournalCalls = 2 + 3 + 2 * 2;
    for (int dieAt = 1; dieAt <= JournalCalls + 1; ++dieAt) {
        for (const bool afterCall : {false, true}) {
            TempDir folder;
            TempDir undo;
            for (const auto& [name, unused] : renames) {
                folder.WriteFile(name, name);
            }
            const std::vector<std::string> before = folder.Names();
            const RenameList list = ListOfRenames(renames);
            PlanOptions planning;
            planning.DirName = folder.Path();
            planning.writeUndo = true;
            planning.Ordered = true;
            const RunPlan plan = PlanRun(list.FilterList, planning, FolderView::Of(folder.Path()));
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                UndoRecorder record(folder.Path(), undo.Path(), NowLocal, RealSystemCalls());
                DyingJournal journal(record, dieAt, afterCall);
                const std::string dirName = folder.Path();
                const FolderDescriptor dir(dirName);
                const RunTexts texts = TextsOf(KeyEchoLookup());
                RunStop stop;
                RunPlannedMoves({list.FilterList, plan, dirName, dir, &record, texts, &journal, {}}, stop,
                                [](std::size_t, const RowResult&) {});
                (void)record.Finish();
                _exit(0);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), dieAt <= JournalCalls ? 9 : 0) << dieAt;

            // No record only when the kill came before its first line, and so before any step.
            const std::vector<std::string> records = undo.Names();
            ASSERT_LE(records.size(), 1U);
            if (!records.empty()) {
                RenameList back;
                Progress progress;
                const UndoLoad load = LoadUndoFile(back, undo.Path() + records[0], "/", {}, progress);
                CheckAll(back, progress);
                RunOptions options = OptionsFor(folder);
                options.Reservations = load.Reservations;
                (void)RunAndRecord(back, options);
            }
            EXPECT_EQ(folder.Names(), before) << "died at " << dieAt << (afterCall ? " after" : " before");
            for (const auto& [name, unused] : renames) {
                EXPECT_EQ(folder.ReadFile(name), name) << "died at " << dieAt;
            }
        }
    }
}

} // namespace
} // namespace tollwick::test
