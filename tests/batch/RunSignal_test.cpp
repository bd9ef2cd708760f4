// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C or kill during a run: the run ends after the rename in progress,
// the undo file names every file renamed, and it takes all of them back.
#include "BatchProcess.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <thread>
#include <unistd.h>

namespace tollwick::test {
namespace {

std::string NameOf(char letter, int k)
{
    char name[16];
    (void)std::snprintf(name, sizeof name, "%c%06d", letter, k);
    return name;
}

struct Stopped {
    int signal;
    int files;
    int exitStatus;
};

class RunSignal : public ::testing::TestWithParam<Stopped> {};

TEST_P(RunSignal, StopsWholeAndItsUndoRestoresEveryFile)
{
    const Stopped stopped = GetParam();
    BatchHome home;
    TempDir folder;
    for (int k = 0; k < stopped.files; ++k) {
        folder.WriteFile(NameOf('f', k), NameOf('f', k));
    }
    // A random point of the run, after its first rename.
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto delay = std::chrono::microseconds(std::uniform_int_distribution<int>(0, 150'000)(random));
    const std::string firstRenamed = folder.Path() + NameOf('g', 0);
    std::optional<std::chrono::steady_clock::time_point> seen;
    const BatchResult run = home.RunAndSignal({"--scan", folder.Path(), "--check-all", "--replace", "f", "g", "--run"},
                                              stopped.signal, [&] {
                                                  if (!seen && access(firstRenamed.c_str(), F_OK) == 0) {
                                                      seen = std::chrono::steady_clock::now();
                                                  }
                                                  return seen && std::chrono::steady_clock::now() - *seen >= delay;
                                              });

    const std::vector<std::string> undoFiles = home.UndoFiles();
    ASSERT_EQ(undoFiles.size(), 1U) << run.err;
    int renamedOnDisk = 0;
    for (const std::string& name : folder.Names()) {
        renamedOnDisk += name[0] == 'g' ? 1 : 0;
    }
    if (renamedOnDisk < stopped.files) {
        // Stopped before the end: the signal's status, and the reason on standard error.
        EXPECT_EQ(run.exitCode, stopped.exitStatus) << run.err;
        EXPECT_NE(run.err.find(folder.Path()), std::string::npos) << run.err;
        const std::string notReached =
            home.Text("StatusNotReached") + "\t" + std::to_string(stopped.files - renamedOnDisk);
        EXPECT_NE(run.out.find(notReached + "\n"), std::string::npos);
    }
    const std::string renamedLine = home.Text("StatusRenamed") + "\t" + std::to_string(renamedOnDisk);
    EXPECT_NE(run.out.find(renamedLine + "\n"), std::string::npos) << renamedOnDisk;

    const BatchResult undo =
        home.Run({"--load-undo", home.Path() + "undo/" + undoFiles[0], "--check-all", "--run", "--no-undo"});
    EXPECT_EQ(undo.exitCode, 0) << undo.err;
    // The record names each rename once, so undoing it renames exactly those files.
    EXPECT_NE(undo.out.find(renamedLine + "\n"), std::string::npos);
    const std::vector<std::string> names = folder.Names();
    ASSERT_EQ(names.size(), static_cast<std::size_t>(stopped.files));
    for (std::size_t k = 0; k < names.size(); ++k) {
        ASSERT_EQ(names[k], NameOf('f', static_cast<int>(k)));
        ASSERT_EQ(folder.ReadFile(names[k]), names[k]);
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, RunSignal,
                         ::testing::Values(Stopped{SIGINT, 100'000, 130}, Stopped{SIGTERM, 20'000, 143}),
                         [](const ::testing::TestParamInfo<Stopped>& param) {
                             return param.param.signal == SIGINT ? "Interrupt" : "Terminate";
                         });

} // namespace
} // namespace tollwick::test
