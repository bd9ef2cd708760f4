// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Progress.h"
#include "support/RecordingProgress.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(ShowProgress, FollowsTheCallingConvention)
{
    Progress progress;
    progress.ShowProgress(0, 250);
    EXPECT_EQ(progress.Maximum(), 250);
    EXPECT_EQ(progress.Position(), 0);
    progress.ShowProgress(300, 0);
    EXPECT_EQ(progress.Position(), 250); // held within the maximum
    progress.ShowProgress(0, 100);
    EXPECT_EQ(progress.Maximum(), 100);
    EXPECT_EQ(progress.Position(), 0);
}

TEST(ShowProgress, UncountedStepsWrapToZeroNotToTheMaximum)
{
    Progress progress;
    progress.ShowProgress(0, 100);
    progress.ShowProgress(99, 0);
    progress.ShowProgress(-1, 0);
    EXPECT_EQ(progress.Position(), 0);
}

TEST(ShowProgress, TheHourglassComesAtStepNinety)
{
    for (const int rows : {89, 90, 250}) {
        test::RecordingProgressView view;
        Progress progress(&view);
        {
            const SavedCursor cursor(progress);
            progress.ShowProgress(0, rows);
            for (int k = 1; k <= rows; ++k) {
                progress.ShowProgress(k, 0);
                EXPECT_EQ(progress.Hourglass(), k >= 90) << rows << " rows, step " << k;
            }
        }
        EXPECT_FALSE(progress.Hourglass()) << "the cursor comes back after " << rows << " rows";
        EXPECT_EQ(view.cursors, rows >= 90 ? (std::vector<bool>{true, false}) : std::vector<bool>{});
        EXPECT_EQ(view.bars.size(), static_cast<std::size_t>(rows + 1));
    }
}

TEST(ShowProgress, AWrappingBarShowsTheHourglassFromTheNinetiethStep)
{
    Progress progress;
    progress.ShowProgress(0, 100);
    for (int k = 1; k <= 89; ++k) {
        progress.ShowProgress(-1, 0);
    }
    EXPECT_FALSE(progress.Hourglass());
    progress.ShowProgress(-1, 0);
    EXPECT_TRUE(progress.Hourglass());
}

} // namespace
} // namespace tollwick
