// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NameSet.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

// Names must be found by their bytes alone, through every growth of the table.
TEST(NameSet, FindsEveryNameByItsBytesWhileItGrows)
{
    NameSet names;
    EXPECT_FALSE(names.Contains(""));
    const std::string odd[] = {"", std::string("a\0b", 3), "\xFF\xFE raw", "A", "a"};
    for (const std::string& name : odd) {
        names.Insert(name);
    }
    for (int k = 0; k < 10000; ++k) {
        names.Insert("file_" + std::to_string(k));
    }
    names.Insert("file_7"); // already there
    EXPECT_EQ(names.Size(), 10005U);
    for (const std::string& name : odd) {
        EXPECT_TRUE(names.Contains(name)) << name;
    }
    for (int k = 0; k < 10000; ++k) {
        ASSERT_TRUE(names.Contains("file_" + std::to_string(k))) << k;
    }
    EXPECT_FALSE(names.Contains("file_10000"));
    EXPECT_FALSE(names.Contains(std::string("a\0", 2)));
    EXPECT_FALSE(names.Contains("file_"));
}

} // namespace
} // namespace tollwick
