// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameIds.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tollwick::test {
namespace {

TEST(NameIds, EachDistinctNameKeepsItsNumberWhileTheTableGrows)
{
    std::vector<std::string> names = {"", std::string("a\0b", 3), std::string("a\0c", 3), "\xff\xfe", "A", "a"};
    for (int k = 0; k < 5000; ++k) {
        names.push_back("file_" + std::to_string(k));
    }
    NameIds ids(1);
    for (std::size_t k = 0; k < names.size(); ++k) {
        ASSERT_EQ(ids.Intern(names[k]), k) << names[k];
    }
    // Asked again, in another order and from other copies of the bytes.
    for (std::size_t k = names.size(); k-- > 0;) {
        const std::string copy = names[k];
        ASSERT_EQ(ids.Intern(copy), k) << copy;
        ASSERT_EQ(ids.NameOf(static_cast<NameIds::Id>(k)), names[k]);
        ASSERT_EQ(ids.Find(copy), k) << copy;
    }
    EXPECT_EQ(ids.Size(), names.size());
    // Looking up numbers nothing new.
    for (const char* absent : {"file_5000", "file_", "B"}) {
        EXPECT_FALSE(ids.Find(absent)) << absent;
    }
    EXPECT_FALSE(ids.Find(std::string("a\0d", 3)));
    EXPECT_EQ(ids.Size(), names.size());
}

} // namespace
} // namespace tollwick::test
