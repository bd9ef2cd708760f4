// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(GeneratorSample, IsWhatThePassWouldGiveTheRow)
{
    GeneratorOptions options;
    options.Mask = {.MaskNameEdit = "Holiday_001", .MaskExtEdit = "*", .IncNameCheck = true};
    EXPECT_EQ(SampleNewName("IMG_7.jpg", GeneratorOfTab("Generate3"), options, 4).NewName, "Holiday_005.jpg");
    options.Replace = {.ChangeFromEdit = "a?", .ChangeToEdit = "b"};
    EXPECT_EQ(SampleNewName("a.txt", GeneratorOfTab("Generate2"), options, 0).NewName, "b.txt");
    EXPECT_EQ(SampleNewName("a.txt", GeneratorOfTab("Generate9"), options, 0).NewName, "a.txt");
}

TEST(GeneratorSample, GivesTheErrorThatWouldStopThePass)
{
    GeneratorOptions options;
    options.Mask = {.MaskNameEdit = "n9999999999", .MaskExtEdit = "*", .IncNameCheck = true};
    EXPECT_EQ(SampleNewName("a.txt", GeneratorOfTab("Generate3"), options, 0).Error,
              "'9999999999' is not a valid integer value");
    // Another tab's options do not matter.
    EXPECT_FALSE(SampleNewName("a.txt", GeneratorOfTab("Generate1"), options, 0).Error);
}

} // namespace
} // namespace tollwick
