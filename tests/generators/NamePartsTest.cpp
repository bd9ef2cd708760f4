// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NameParts.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

struct SplitCase {
    std::string_view name;
    std::string_view namePart;
    std::string_view extension;
    std::size_t namePartLength;
};

const SplitCase splitCases[] = {
    {"photo.old.JPG", "photo.old", ".JPG", 9},
    {"README", "README", "", 6},
    {".profile", "", ".profile", 0},
    {"archive.", "archive", ".", 7},
    {"", "", "", 0},
    {"...", "..", ".", 2},
    {"Отпуск.jpg", "Отпуск", ".jpg", 6},
    {"caf\xE9.txt", "caf\xE9", ".txt", 4},
};

TEST(NameParts, SplitAtTheLastDot)
{
    for (const SplitCase& c : splitCases) {
        const NameSplit split = SplitName(c.name);
        EXPECT_EQ(split.NamePart, c.namePart) << c.name;
        EXPECT_EQ(split.Extension, c.extension) << c.name;
        EXPECT_EQ(NamePartLength(c.name), c.namePartLength) << c.name;
    }
}

} // namespace
} // namespace tollwick
