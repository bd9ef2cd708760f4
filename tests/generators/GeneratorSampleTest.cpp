// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

#include "support/TempDir.h"

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
    const MaskStep token{.nameMask = "<n:1:0>", .extensionMask = "*"};
    EXPECT_EQ(SampleNewName("a.txt", token, tables, 0).Error, "Token <n:1:0> in the mask: the step must not be 0");
}

TEST(GeneratorSample, TokensReadTheRowsFile)
{
    const TranslitTables tables;
    const test::TempDir folder;
    folder.WriteFile("on disk.txt", "1234");
    const MaskStep mask{.nameMask = "*_<size>_<n:5>", .extensionMask = "*"};
    EXPECT_EQ(SampleNewName("new.txt", mask, tables, 2, {folder.Path(), "on disk.txt"}).NewName, "new_4_7.txt");
}

} // namespace
} // namespace tollwick
