// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(GeneratorSample, IsWhatThePassWouldGiveTheRow)
{
    const TranslitTables tables;
    const MaskStep mask{.nameMask = "Holiday_001", .extensionMask = "*", .count = true};
    EXPECT_EQ(SampleNewName("IMG_7.jpg", mask, tables, 4).NewName, "Holiday_005.jpg");
    const ReplaceStep replace{.from = "a?", .to = "b"};
    EXPECT_EQ(SampleNewName("a.txt", replace, tables, 0).NewName, "b.txt");
    EXPECT_EQ(SampleNewName("a.txt", std::nullopt, tables, 0).NewName, "a.txt");
}

TEST(GeneratorSample, GivesTheErrorThatWouldStopThePass)
{
    const TranslitTables tables;
    const MaskStep mask{.nameMask = "n9999999999", .extensionMask = "*", .count = true};
    EXPECT_EQ(SampleNewName("a.txt", mask, tables, 0).Error, "'9999999999' is not a valid integer value");
    EXPECT_FALSE(SampleNewName("a.txt", CaseStep{}, tables, 0).Error);
}

} // namespace
} // namespace tollwick
