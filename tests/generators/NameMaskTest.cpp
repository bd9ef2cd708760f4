// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NameMask.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct NumbersCase {
    std::string_view text;
    std::int64_t counter;
    std::string_view expected;
};

const NumbersCase numbersCases[] = {
    {"Holiday_001", 0, "Holiday_001"},
    {"Holiday_001", 9, "Holiday_010"},
    {"Holiday_001", 999, "Holiday_1000"},
    {"2005_*_01", 3, "2008_*_04"},
    {"img0000000001", 1, "img0000000002"},
    {"00000000000000000007", 1, "00000000000000000008"}, // leading zeros count only for the width
    {"2147483647", 1, "2147483648"},                     // the sum is not held in 32 bits
    {"2147483647_2147483647", 2147483647, "4294967294_4294967294"},
    {"фото9", 1, "фото10"},
    {"5", -7, "-2"},
    {"005", -7, "-02"},
    {"abc", 5, "abc"},
    {"", 5, ""},
};

TEST(AddToNumbers, AddsTheCounterToEveryRun)
{
    for (const NumbersCase& c : numbersCases) {
        EXPECT_EQ(AddToNumbers(c.text, c.counter), c.expected) << c.text << " + " << c.counter;
    }
}

TEST(AddToNumbers, RefusesARunAboveTheLargest32BitValue)
{
    const struct {
        std::string_view text;
        std::string_view message;
    } cases[] = {
        {"img9999999999", "'9999999999' is not a valid integer value"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"99999999999_x_88888888888", "'88888888888' is not a valid integer value"}, // the last run is read first
        {"000000000002147483648", "'000000000002147483648' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        try {
            (void)AddToNumbers(c.text, 0);
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const TollwickError& error) {
            EXPECT_EQ(std::string_view(error.what()), c.message);
        }
    }
}

struct MaskCase {
    MaskStep options;
    std::int64_t counter;
    std::string_view name;
    std::string_view expected;
};

MaskStep Mask(std::string name, std::string ext, bool counting = false)
{
    return {.nameMask = std::move(name), .extensionMask = std::move(ext), .count = counting};
}

const MaskCase maskCases[] = {
    {Mask("*", "*"), 0, "Photo.JPG", "Photo.JPG"},
    {Mask("*", "*"), 0, "README", "README."},
    {Mask("*", "*"), 0, ".profile", ".profile"},
    {Mask("*", "*"), 0, "archive.", "archive."},
    {Mask("*", "*"), 0, "", "."},
    {Mask("*", "*"), 0, "...", "..."},
    {Mask("Holiday_001", "*", true), 0, "IMG_5.jpg", "Holiday_001.jpg"},
    {Mask("Holiday_001", "*", true), 2, "IMG_5.jpg", "Holiday_003.jpg"},
    {Mask("2005_*_01", "*", true), 3, "x.png", "2008_x_04.png"},
    {Mask("*", "*", true), 5, "img_001.jpg", "img_001.jpg"}, // digits of the name never count
    {Mask("*_v1", "bak2", true), 1, "a.txt", "a_v2.bak3"},
    {Mask("new_*_copy", "*"), 0, "a.b.txt", "new_a.b_copy.txt"},
    {Mask("**", "*"), 0, "x.doc", "x.doc"},
    {Mask("*_*_*_*", "*"), 0, "a.b", "a___.b"},
    {Mask("*", "bak"), 0, "report.doc", "report.bak"},
    {Mask("", "*"), 0, "a.txt", ".txt"},
    {Mask("", ""), 0, "a.txt", "."},
    {Mask("a?b:*", "*"), 0, "x.txt", "abx.txt"},
    {Mask("???", "|<>"), 0, "x.txt", "."},
    {Mask("a\\b/\"*", "*"), 0, "x.txt", "abx.txt"},
    {Mask("*", "*"), 0, "a:b.t?t", "ab.tt"},
    {Mask("img9999999999", "*"), 0, "a.jpg", "img9999999999.jpg"}, // without counting nothing is read
    {Mask("*_1", "*", true), 1, "Отпуск.jpg", "Отпуск_2.jpg"},
    {Mask("*", "*"), 0, "f\xE9te.txt", "f\xE9te.txt"},
};

TEST(ApplyMask, BuildsTheNameFromBothMasks)
{
    for (const MaskCase& c : maskCases) {
        EXPECT_EQ(ApplyMask(c.name, c.counter, c.options).newName, c.expected)
            << c.options.nameMask << " . " << c.options.extensionMask << " on " << c.name;
    }
}

TEST(ApplyMask, GivesBackTheCleanedMasks)
{
    const MaskResult result = ApplyMask("x.txt", 0, Mask("a?b:*", "<*>|"));
    EXPECT_EQ(result.nameMask, "ab*");
    EXPECT_EQ(result.extensionMask, "*");
}

TEST(ApplyMask, KeepsALongNameWhole)
{
    const std::string part(10000, 'n');
    EXPECT_EQ(ApplyMask(part + ".e", 0, Mask("<*>", "*")).newName, part + ".e");
}

} // namespace
} // namespace tollwick
