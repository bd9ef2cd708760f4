// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "platform/Integer.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(ParseInt32, AcceptsBlanksInFrontAndASign)
{
    EXPECT_EQ(ParseInt32("2"), 2);
    EXPECT_EQ(ParseInt32("  -17"), -17);
    EXPECT_EQ(ParseInt32("+5"), 5);
    EXPECT_EQ(ParseInt32("007"), 7);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
}

TEST(ParseInt32, RejectsEverythingElseWithTheValueInTheMessage)
{
    for (const char* bad : {"", " ", "1 ", "12a", "--1", "+-1", "0x10", "2147483648", "-2147483649", "1.5", "-"}) {
        try {
            (void)ParseInt32(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const TollwickError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace tollwick
