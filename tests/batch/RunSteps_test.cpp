// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"
#include "platform/FolderLock.h"
#include "platform/LineFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <thread>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

// The six count lines of a run: status word, TAB, count.
Lines Counts(const BatchHome& home, int missing, int unchanged, int taken, int renamed, int refused, int notReached = 0)
{
    return {home.Text("StatusDontExist") + "\t" + std::to_string(missing),
            home.Text("StatusCancel") + "\t" + std::to_string(unchanged),
            home.Text("StatusExist") + "\t" + std::to_string(taken),
            home.Text("StatusRenamed") + "\t" + std::to_string(renamed),
            home.Text("StatusCanNot") + "\t" + std::to_string(refused),
            home.Text("StatusNotReached") + "\t" + std::to_string(notReached)};
}

Lines Slice(const Lines& lines, std::size_t from, std::size_t count)
{
    return {lines.begin() + static_cast<std::ptrdiff_t>(from),
            lines.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

class RunSteps : public ::testing::Test {
protected:
    BatchHome home;
    TempDir folder;
};

// Another Tollwick run holds the folder: the run fails at once, or waits
// with --wait and runs once the other has ended.
TEST_F(RunSteps, FolderThatAnotherRunRenamesInIsFailedOrWaitedFor)
{
    folder.WriteFile("a.txt", "A");
    std::optional<FolderLock> other(std::in_place, folder.Path());
    ASSERT_EQ(other->TryTake(), FolderLock::Attempt::Taken);
    const Lines steps{"--home", home.Path(), "--scan", folder.Path(), "--check-all", "--replace", "a", "b", "--run"};
    const auto refused = RunBatch(steps);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, folder.Path() + ": folder is being renamed by another Tollwick run\n");
    EXPECT_TRUE(refused.out.empty());
    EXPECT_TRUE(folder.Exists("a.txt"));

    const TempDir capture;
    const std::string errPath = capture.Path() + "err";
    // The other run ends once the waiting one has said that it waits.
    std::atomic<bool> batchEnded = false; // without having waited: a fault, but no hang
    std::thread otherEnds([&] {
        while (!batchEnded) {
            std::ifstream err(errPath);
            const std::string said{std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()};
            if (said.find("Waiting") != std::string::npos) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        other.reset();
    });
    Lines waiting = steps;
    waiting.emplace_back("--wait");
    const auto waited = RunBatch(waiting, {}, errPath);
    batchEnded = true;
    otherEnds.join();
    EXPECT_EQ(waited.exitCode, 0) << waited.err;
    EXPECT_EQ(waited.err, "Waiting: the folder is being renamed by another Tollwick run\n");
    EXPECT_EQ(folder.ReadFile("b.txt"), "A");
}

TEST_F(RunSteps, TypicalRenamingAndItsUndo)
{
    folder.WriteFile("IMG_0001.JPG", "one");
    folder.WriteFile("IMG_0002.jpg", "two");
    folder.WriteFile("IMG_0003.png", "three");
    const auto run = home.Run(
        {"--scan", folder.Path(), "--mask", "Holiday_001", "*", "--count", "--check-all", "--preview", "--run"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string renamed = home.Text("StatusRenamed");
    const Lines lines = run.OutLines();
    ASSERT_EQ(lines.size(), 2U + 6U + 3U + 6U + 1U);
    EXPECT_EQ(Slice(lines, 0, 2), (Lines{folder.Path(), "3"}));
    EXPECT_EQ(Slice(lines, 2, 6), Counts(home, 0, 0, 0, 3, 0)); // the forecast
    EXPECT_EQ(Slice(lines, 8, 3), (Lines{"IMG_0001.JPG\tHoliday_001.JPG\t" + renamed + "\t",
                                         "IMG_0002.jpg\tHoliday_002.jpg\t" + renamed + "\t",
                                         "IMG_0003.png\tHoliday_003.png\t" + renamed + "\t"}));
    EXPECT_EQ(Slice(lines, 11, 6), Counts(home, 0, 0, 0, 3, 0));
    EXPECT_EQ(folder.Names(), (Lines{"Holiday_001.JPG", "Holiday_002.jpg", "Holiday_003.png"}));
    EXPECT_EQ(folder.ReadFile("Holiday_002.jpg"), "two");

    const Lines undoFiles = home.UndoFiles();
    ASSERT_EQ(undoFiles.size(), 1U);
    const std::string undoPath = home.Path() + "undo/" + undoFiles[0];
    EXPECT_EQ(lines.back(), undoPath);
    EXPECT_EQ(ReadLines(undoPath), (Lines{folder.Path(), "Holiday_001.JPG>IMG_0001.JPG", "Holiday_002.jpg>IMG_0002.jpg",
                                          "Holiday_003.png>IMG_0003.png"}));

    const auto undo = home.Run({"--load-undo", undoPath, "--list", "--check-all", "--run", "--no-undo"});
    ASSERT_EQ(undo.exitCode, 0) << undo.err;
    const Lines undoLines = undo.OutLines();
    ASSERT_EQ(undoLines.size(), 3U + 3U + 6U);
    const Lines first = Fields(undoLines[0]); // the newest rename comes first
    EXPECT_EQ(first.at(0), "Holiday_003.png");
    EXPECT_EQ(first.at(1), "IMG_0003.png");
    EXPECT_EQ(first.at(2), "0");
    EXPECT_EQ(first.at(4), "0");
    EXPECT_EQ(Slice(undoLines, 6, 6), Counts(home, 0, 0, 0, 3, 0));
    EXPECT_EQ(folder.Names(), (Lines{"IMG_0001.JPG", "IMG_0002.jpg", "IMG_0003.png"}));
    EXPECT_EQ(home.UndoFiles().size(), 1U);
}

TEST_F(RunSteps, EveryStatusIsCountedAndOnlyRenamedRowsAreUndone)
{
    folder.WriteFile("a.txt", "a");
    folder.WriteFile("b.txt", "b");
    folder.WriteFile("c.txt", "c");
    folder.WriteFile("d.txt", "d");
    folder.WriteFile("taken.txt", "keep");
    const std::string names = folder.Path() + "names";
    {
        // Rows: unchanged, missing, name taken, refused (".."), renamed; taken.txt stays unchecked.
        const TempDir lists;
        lists.WriteFile("l", "a.txt = a.txt\r\ngone.txt = x.txt\r\nb.txt = taken.txt\r\nc.txt = ..\r\n"
                             "d.txt = D2.txt\r\n");
        const auto result = home.Run({"--scan", folder.Path(), "--import", lists.Path() + "l", "--layout", "5",
                                      "--separator", " = ", "--check-all", "--run"});
        // Rows not renamed: the run ends, and tells a script so.
        ASSERT_EQ(result.exitCode, 3) << result.err;
        const Lines lines = result.OutLines();
        ASSERT_EQ(lines.size(), 5U + 6U + 1U);
        EXPECT_EQ(Fields(lines[0]).at(2), home.Text("StatusCancel"));
        EXPECT_EQ(Fields(lines[1]).at(2), home.Text("StatusDontExist"));
        EXPECT_EQ(Fields(lines[2]).at(2), home.Text("StatusExist"));
        EXPECT_EQ(Fields(lines[3]).at(2), home.Text("StatusCanNot"));
        EXPECT_EQ(Fields(lines[3]).at(3), home.Text("ReasonBadName"));
        EXPECT_EQ(Fields(lines[4]).at(3), "");
        EXPECT_EQ(Fields(lines[4]).at(2), home.Text("StatusRenamed"));
        EXPECT_EQ(Slice(lines, 5, 6), Counts(home, 1, 1, 1, 1, 1));
        EXPECT_EQ(ReadLines(lines.back()), (Lines{folder.Path(), "D2.txt>d.txt"}));
    }
    EXPECT_EQ(folder.ReadFile("taken.txt"), "keep");
    EXPECT_EQ(folder.Names(), (Lines{"D2.txt", "a.txt", "b.txt", "c.txt", "taken.txt"}));
}

TEST_F(RunSteps, PreviewForecastsAndOrderLetsAShiftAndASwapSucceed)
{
    for (const char* name : {"f1", "f2", "f3", "x", "y", "p", "q"}) {
        folder.WriteFile(name, name);
    }
    const TempDir lists;
    lists.WriteFile("l", "f1>f2\r\nf2>f3\r\nf3>f4\r\nx>y\r\ny>x\r\np>same\r\nq>same\r\n");
    const std::vector<std::string> start = {"--scan", folder.Path(), "--import", lists.Path() + "l", "--layout",
                                            "5",      "--separator", ">",        "--check-all"};
    const std::string taken = home.Text("StatusExist");

    std::vector<std::string> preview = start;
    preview.insert(preview.end(), {"--preview", "--preview", "--order"});
    const auto forecast = home.Run(preview);
    // A dry run tells whether the run would be clean.
    ASSERT_EQ(forecast.exitCode, 3) << forecast.err;
    const Lines lines = forecast.OutLines();
    ASSERT_EQ(lines.size(), 2U + 6U + 5U + 2U + 6U + 1U);
    EXPECT_EQ(Slice(lines, 2, 6), Counts(home, 0, 0, 5, 2, 0));
    EXPECT_EQ(Slice(lines, 8, 5),
              (Lines{"f1\tf2\t" + taken, "f2\tf3\t" + taken, "x\ty\t" + taken, "y\tx\t" + taken, "q\tsame\t" + taken}));
    EXPECT_EQ(Slice(lines, 15, 6), Counts(home, 0, 0, 1, 6, 0));
    EXPECT_EQ(lines[21], "q\tsame\t" + taken);
    EXPECT_EQ(folder.Names().size(), 7U);

    std::vector<std::string> run = start;
    run.insert(run.end(), {"--run", "--order"});
    const auto ordered = home.Run(run);
    ASSERT_EQ(ordered.exitCode, 3) << ordered.err;
    EXPECT_EQ(Slice(ordered.OutLines(), 7, 6), Counts(home, 0, 0, 1, 6, 0));
    EXPECT_EQ(folder.ReadFile("f4"), "f3");
    EXPECT_EQ(folder.ReadFile("f2"), "f1");
    EXPECT_EQ(folder.ReadFile("x"), "y");
    EXPECT_EQ(folder.ReadFile("y"), "x");
    EXPECT_FALSE(folder.Exists("f1"));
}

TEST_F(RunSteps, NoUndoWritesNoFile)
{
    folder.WriteFile("a.txt");
    const auto result = home.Run({"--scan", folder.Path(), "--case", "upper", "--check-all", "--run", "--no-undo"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.OutLines().size(), 1U + 6U);
    EXPECT_EQ(folder.Names(), Lines{"A.TXT"});
    EXPECT_TRUE(home.UndoFiles().empty());
}

TEST_F(RunSteps, NothingCheckedRunsNothing)
{
    folder.WriteFile("a.txt");
    const auto result = home.Run({"--scan", folder.Path(), "--case", "upper", "--preview", "--run"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Slice(result.OutLines(), 0, 2), (Lines{folder.Path(), "0"}));
    EXPECT_EQ(Slice(result.OutLines(), 2, 6), Counts(home, 0, 0, 0, 0, 0)); // the forecast
    EXPECT_EQ(Slice(result.OutLines(), 8, 6), Counts(home, 0, 0, 0, 0, 0)); // the run
    EXPECT_EQ(result.OutLines().size(), 14U);
    EXPECT_EQ(folder.Names(), Lines{"a.txt"});
    EXPECT_TRUE(home.UndoFiles().empty());
}

TEST_F(RunSteps, RunsOnlyTheRowsAFilterTermLeavesShown)
{
    folder.WriteFile("a.txt");
    folder.WriteFile("b.jpg");
    const auto result = home.Run(
        {"--scan", folder.Path(), "--case", "upper", "--check-all", "--filter-old", "jpg", "--run", "--no-undo"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Names(), (Lines{"B.JPG", "a.txt"}));
}

TEST_F(RunSteps, UndoFileWithoutRowsLeavesAnEmptyListAndNoFolder)
{
    const TempDir undo;
    undo.WriteFile("u.twu", folder.Path() + "\r\n");
    undo.WriteFile("names", "a.txt\r\n");
    const auto result = home.Run({"--load-undo", undo.Path() + "u.twu", "--list", "--check-all", "--run"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find(home.Text("Msg1")), std::string::npos) << result.err;
    EXPECT_EQ(Slice(result.OutLines(), 0, 6), Counts(home, 0, 0, 0, 0, 0));

    // An import after it has no folder to rename in.
    const auto imported = home.Run({"--load-undo", undo.Path() + "u.twu", "--import", undo.Path() + "names", "--layout",
                                    "3", "--copy-old", "--case", "upper", "--check-all", "--run"});
    const Lines lines = imported.OutLines();
    EXPECT_EQ(imported.exitCode, 3);
    ASSERT_EQ(lines.size(), 1U + 6U) << imported.err;
    EXPECT_EQ(Fields(lines[0]), (Lines{"a.txt", "A.TXT", home.Text("StatusCanNot"), home.Text("ReasonNoFolder")}));
}

TEST_F(RunSteps, FailingStepStopsTheLaterOnesWithStatusOne)
{
    folder.WriteFile("a.txt");
    const std::string missing = folder.Path() + "no-such-list";
    const auto result =
        home.Run({"--scan", folder.Path(), "--preview", "--import", missing, "--layout", "3", "--check-all", "--run"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot open file " + missing), std::string::npos) << result.err;
    EXPECT_EQ(Slice(result.OutLines(), 0, 2), (Lines{folder.Path(), "0"}));
    EXPECT_EQ(result.OutLines().size(), 2U + 6U);
    EXPECT_EQ(folder.Names(), Lines{"a.txt"});
    EXPECT_TRUE(home.UndoFiles().empty());
}

TEST_F(RunSteps, MissingUndoFolderRenamesNothing)
{
    folder.WriteFile("a.txt");
    std::filesystem::remove(home.Path() + "undo");
    const auto result = home.Run({"--scan", folder.Path(), "--case", "upper", "--check-all", "--run"});
    EXPECT_EQ(result.exitCode, 1);
    std::string message = home.Text("Msg7");
    message.replace(message.find("%s"), 2, home.Path() + "undo/");
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(folder.Names(), Lines{"a.txt"});
    ASSERT_EQ(result.OutLines().size(), 1U + 6U);
    EXPECT_EQ(Fields(result.OutLines()[0]).at(2), home.Text("StatusNotReached"));
}

TEST_F(RunSteps, ThePreviewForecastsTheRunWithOrWithoutItsUndoFile)
{
    folder.WriteFile("a.txt");
    std::filesystem::remove(home.Path() + "undo");
    const std::vector<std::string> start = {"--scan", folder.Path(), "--case", "upper", "--check-all", "--preview"};
    const auto withUndo = home.Run(start);
    EXPECT_EQ(withUndo.exitCode, 3) << withUndo.err;
    EXPECT_EQ(Slice(withUndo.OutLines(), 2, 6), Counts(home, 0, 0, 0, 0, 0, 1));

    std::vector<std::string> withoutUndo = start;
    withoutUndo.emplace_back("--no-undo");
    const auto clean = home.Run(withoutUndo);
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(Slice(clean.OutLines(), 2, 6), Counts(home, 0, 0, 0, 1, 0));
    EXPECT_EQ(folder.Names(), Lines{"a.txt"});
}

TEST_F(RunSteps, RenamedAndUnchangedRowsAreACleanRun)
{
    folder.WriteFile("a.txt");
    folder.WriteFile("B.TXT");
    const auto result = home.Run({"--scan", folder.Path(), "--case", "upper", "--check-all", "--preview", "--run"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(folder.Names(), (Lines{"A.TXT", "B.TXT"}));
}

TEST_F(RunSteps, AReaderThatGoesAwayNeitherStopsTheRunNorPassesForSuccess)
{
    // Enough rows that the result lines fill the output buffer many times over.
    constexpr int files = 3000;
    for (int k = 0; k < files; ++k) {
        folder.WriteFile("f" + std::to_string(k) + ".txt");
    }
    const auto result =
        home.RunWithoutReader({"--scan", folder.Path(), "--case", "upper", "--check-all", "--run", "--list"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot write the output: Broken pipe"), std::string::npos) << result.err;
    const Lines names = folder.Names();
    EXPECT_EQ(names.size(), static_cast<std::size_t>(files));
    EXPECT_TRUE(std::ranges::all_of(names, [](const std::string& name) { return name.ends_with(".TXT"); }));
    ASSERT_EQ(home.UndoFiles().size(), 1U);
    EXPECT_EQ(ReadLines(home.Path() + "undo/" + home.UndoFiles()[0]).size(), files + 1U);
}

TEST_F(RunSteps, MissingDataFilesFailBeforeAnyStep)
{
    folder.WriteFile("a.txt");
    std::filesystem::remove(home.Path() + "data/config.cfg");
    const auto result = home.Run({"--scan", folder.Path(), "--case", "upper", "--check-all", "--run"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot open file " + home.Path() + "data/config.cfg"), std::string::npos) << result.err;
    EXPECT_EQ(folder.Names(), Lines{"a.txt"});
}

} // namespace
} // namespace tollwick::test
