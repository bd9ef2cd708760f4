// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PackedDateTime.h"

#include <climits>
#include <gtest/gtest.h>

namespace tollwick {
namespace {

// Every field must come back as it went in, including the years at the
// ends of an int and the all-zero time, which is still a time.
TEST(PackedDateTime, KeepsEveryClockTimeAndTellsNoneFromMidnightOfYearZero)
{
    const LocalDateTime times[] = {
        {2005, 11, 30, 11, 30, 18},    {0, 0, 0, 0, 0, 0},         {-1, 12, 31, 23, 59, 60}, {INT_MAX, 1, 1, 0, 0, 0},
        {INT_MIN, 63, 63, 63, 63, 63}, {1969, 12, 31, 23, 59, 58},
    };
    for (const LocalDateTime& time : times) {
        const PackedDateTime packed(time);
        ASSERT_TRUE(packed.has_value());
        EXPECT_EQ(*packed, time) << time.year;
    }
    EXPECT_FALSE(PackedDateTime().has_value());
    EXPECT_FALSE(PackedDateTime(std::optional<LocalDateTime>()).has_value());
    EXPECT_NE(PackedDateTime(LocalDateTime{}), PackedDateTime());
    // A field past what a clock shows stays in its own bits.
    EXPECT_EQ(*PackedDateTime(LocalDateTime{2005, 99, 1, 0, 0, 0}), (LocalDateTime{2005, 63, 1, 0, 0, 0}));
}

} // namespace
} // namespace tollwick
