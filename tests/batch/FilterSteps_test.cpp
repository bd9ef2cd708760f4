// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

class FilterSteps : public ::testing::Test {
protected:
    FilterSteps()
    {
        folder.WriteFile("IMG_1.JPG", "", LocalTime(2025, 5, 1, 0, 0, 0));
        folder.WriteFile("img 2.png", "", LocalTime(2025, 5, 2, 23, 59, 58));
        folder.WriteFile("notes.txt", "", LocalTime(2025, 4, 30, 23, 59, 58));
        folder.WriteFile("Foto.gif", "", LocalTime(2025, 5, 3, 12, 0, 0));
    }
    BatchResult Run(Lines arguments) const
    {
        arguments.insert(arguments.begin(), {"--scan", folder.Path()});
        auto result = home.Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result;
    }

    BatchHome home;
    TempDir folder;
};

TEST_F(FilterSteps, ATermTurnsTheFilterOnUntilOffFollows)
{
    EXPECT_EQ(Column(Run({"--filter-old", "jpg", "--list"}), 0), (Lines{"IMG_1.JPG"}));
    EXPECT_EQ(Column(Run({"--filter-dates", "2025-05-03", "2025-05-03", "--list"}), 0), (Lines{"Foto.gif"}));
    EXPECT_EQ(Column(Run({"--filter", "off", "--filter-new", "txt", "--list"}), 0), (Lines{"notes.txt"}));
    EXPECT_EQ(Column(Run({"--filter-old", "jpg", "--filter", "off", "--list"}), 0).size(), 4U);
    // The terms stay on the filter page for a later --filter on.
    EXPECT_EQ(Column(Run({"--filter-old", "jpg", "--filter", "off", "--filter", "on", "--list"}), 0),
              (Lines{"IMG_1.JPG"}));
}

TEST_F(FilterSteps, TermsSplitAtSemicolonsAndIgnoreCase)
{
    // ";jpg;;Foto; " holds jpg, Foto and a single blank.
    EXPECT_EQ(Column(Run({"--filter", "on", "--filter-old", ";jpg;;Foto; ", "--list"}), 0),
              (Lines{"Foto.gif", "img 2.png", "IMG_1.JPG"}));
    EXPECT_EQ(Column(Run({"--filter", "on", "--filter-old", "*.JPG", "--list"}), 0), (Lines{"IMG_1.JPG"}));
}

TEST_F(FilterSteps, NewNamesAreTestedAsJustGenerated)
{
    EXPECT_EQ(Column(Run({"--replace", "img", "Holiday", "--filter-new", "holiday", "--filter", "on", "--list"}), 1),
              (Lines{"Holiday 2.png", "Holiday_1.JPG"}));
}

TEST_F(FilterSteps, DateRangeCountsTheLastDayWhole)
{
    EXPECT_EQ(Column(Run({"--filter", "on", "--filter-dates", "2025-05-01", "2025-05-02", "--list"}), 0),
              (Lines{"img 2.png", "IMG_1.JPG"}));
    EXPECT_EQ(Column(Run({"--filter", "on", "--filter-dates", "2025-05-03", "2025-05-03", "--list"}), 0),
              (Lines{"Foto.gif"}));
}

TEST_F(FilterSteps, HiddenRowsKeepTheirChecksAndNewNames)
{
    const auto result = Run({"--filter", "on", "--filter-old", "txt", "--check-all", "--replace", "notes", "memo",
                             "--filter", "off", "--list"});
    EXPECT_EQ(Column(result, 1), (Lines{"Foto.gif", "img 2.png", "IMG_1.JPG", "memo.txt"}));
    EXPECT_EQ(Column(result, 4), (Lines{"0", "0", "0", "1"}));
}

TEST_F(FilterSteps, UpdateWithTheFilterOffChangesNothing)
{
    const auto result =
        Run({"--filter-old", "txt", "--filter", "off", "--sort", "0", "--sort", "0", "--filter", "update", "--list"});
    EXPECT_EQ(Column(result, 0), (Lines{"notes.txt", "IMG_1.JPG", "img 2.png", "Foto.gif"}));
}

TEST_F(FilterSteps, UpdateWithTheFilterOnRebuildsInFolderOrder)
{
    const auto result = Run({"--filter", "on", "--sort", "0", "--sort", "0", "--filter", "update", "--list"});
    EXPECT_EQ(Column(result, 0), (Lines{"Foto.gif", "img 2.png", "IMG_1.JPG", "notes.txt"}));
}

} // namespace
} // namespace tollwick::test
