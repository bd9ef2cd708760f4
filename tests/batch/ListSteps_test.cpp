// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

// The first field of every printed row.
Lines OldNames(const BatchResult& result)
{
    return Column(result, 0);
}

class ListSteps : public ::testing::Test {
protected:
    ListSteps()
    {
        folder.WriteFile("b.txt", "", LocalTime(2025, 3, 1, 10, 0, 3));
        folder.WriteFile("A.txt", "", LocalTime(2025, 3, 2, 10, 0, 0));
        folder.WriteFile("c.jpg", "", LocalTime(2025, 3, 3, 10, 0, 0));
        folder.WriteFile(".hidden");
        folder.MakeFolder("sub");
    }
    BatchResult Run(Lines arguments) const
    {
        arguments.insert(arguments.begin(), {"--scan", folder.Path()});
        return home.Run(arguments);
    }

    BatchHome home;
    TempDir folder;
};

TEST_F(ListSteps, ScanListsFilesByNameWithEveryField)
{
    const auto result = Run({"--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.OutLines(),
              (Lines{"A.txt\tA.txt\t0\t2025-03-02_10-00-00\t0", "b.txt\tb.txt\t1\t2025-03-01_10-00-02\t0",
                     "c.jpg\tc.jpg\t2\t2025-03-03_10-00-00\t0"}));
}

TEST_F(ListSteps, AFolderThatCannotBeReadFailsWithItsReason)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    folder.MakeFolder("locked");
    chmod((folder.Path() + "locked").c_str(), 0);
    const auto result = home.Run({"--scan", folder.Path() + "locked", "--list"});
    chmod((folder.Path() + "locked").c_str(), 0755);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find("Permission denied"), std::string::npos) << result.err;
}

TEST_F(ListSteps, CheckCommandsWorkOnShownRows)
{
    const auto result = Run({"--check-all", "--list", "--invert-checks", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines lines = result.OutLines();
    ASSERT_EQ(lines.size(), 6U);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(Fields(lines[k]).at(4), "1");
        EXPECT_EQ(Fields(lines[k + 3]).at(4), "0");
    }
}

TEST_F(ListSteps, RemoveCheckedLeavesTheOthers)
{
    // Checking all then inverting twice checks all; the filter picks one to keep unchecked.
    const auto result = Run({"--filter-old", "c", "--filter", "on", "--check-all", "--filter", "off", "--invert-checks",
                             "--remove-checked", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(OldNames(result), (Lines{"c.jpg"}));
}

TEST_F(ListSteps, RemoveAllWithTheFilterOnKeepsHiddenRows)
{
    const auto result =
        Run({"--filter-old", "txt", "--filter", "on", "--remove-all", "--list", "--filter", "off", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(OldNames(result), (Lines{"c.jpg"}));
}

TEST_F(ListSteps, SortTwiceFlipsAndAnotherColumnStartsAscending)
{
    const auto result = Run({"--sort", "3", "--list", "--sort", "3", "--list", "--sort", "0", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(OldNames(result),
              (Lines{"b.txt", "A.txt", "c.jpg", "c.jpg", "A.txt", "b.txt", "A.txt", "b.txt", "c.jpg"}));
}

TEST(ListStepsNumbering, IndexColumnSortsAsText)
{
    const BatchHome home;
    const TempDir folder;
    for (int k = 0; k < 11; ++k) {
        folder.WriteFile("f" + std::string(k < 10 ? "0" : "") + std::to_string(k));
    }
    const auto result = home.Run({"--scan", folder.Path(), "--sort", "2", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines lines = result.OutLines();
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(Fields(lines[1]).at(2), "1");
    EXPECT_EQ(Fields(lines[2]).at(2), "10");
}

TEST_F(ListSteps, CopyOldRestoresNewNames)
{
    const auto result = Run({"--replace", "t", "T", "--copy-old", "--list"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const std::string& line : result.OutLines()) {
        EXPECT_EQ(Fields(line).at(0), Fields(line).at(1));
    }
}

TEST(ListStepsEmpty, EmptyFolderListsNothing)
{
    const BatchHome home;
    const TempDir folder;
    const auto result = home.Run({"--scan", folder.Path(), "--check-all", "--remove-checked", "--list"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(ListStepsOutput, OutputThatCannotBeWrittenIsAFailure)
{
    const BatchHome home;
    const TempDir folder;
    folder.WriteFile("a.txt");
    const auto result = RunBatch({"--home", home.Path(), "--scan", folder.Path(), "--list"}, "/dev/full");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot write the output"), std::string::npos) << result.err;
}

TEST(ListStepsEmpty, ListBeforeAnyScanIsEmpty)
{
    const BatchHome home;
    const auto result = home.Run({"--list", "--sort", "1", "--check-all"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
}

} // namespace
} // namespace tollwick::test
