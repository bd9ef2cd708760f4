// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/DeleteChars.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

struct DeleteCase {
    std::int32_t from;
    std::int32_t count;
    bool fromEnd;
    std::string_view name;
    std::string_view expected;
};

const DeleteCase deleteCases[] = {
    {1, 4, false, "IMG_1234.jpg", "1234.jpg"},
    {1, 5, true, "photo_copy.jpg", "photo.jpg"},
    {2, 2, true, "abcdef.txt", "abcf.txt"},
    {3, 256, false, "abcdef.txt", "ab.txt"},
    {7, 1, false, "abcdef.txt", "abcdef.txt"},
    {6, 1, false, "abcdef.txt", "abcde.txt"},
    {6, 1, true, "abcdef.txt", "bcdef.txt"},
    {7, 1, true, "abcdef.txt", "abcdef.txt"},
    {1, 2, false, "README", "ADME"},
    {1, 3, false, ".profile", ".profile"},
    {1, 256, false, "a.txt", ".txt"},
    {1, 1, false, "archive.", "rchive."},
    {0, 3, false, "abc.txt", "abc.txt"},
    {-1, 3, true, "abc.txt", "abc.txt"},
    {1, 0, false, "abc.txt", "abc.txt"},
    {1, -2, false, "abc.txt", "abc.txt"},
    {2, INT_MAX, false, "abc.txt", "a.txt"},
    {2, INT_MAX, true, "abc.txt", "c.txt"},
    {INT_MAX, INT_MAX, true, "abc.txt", "abc.txt"},
    {1, 1, false, "Фото.jpg", "ото.jpg"},
    {1, 1, true, "Фото.jpg", "Фот.jpg"},
    {2, 2, false, "ἄλφα.txt", "ἄα.txt"},
    {1, 1, false,
     "\xFF\xFE"
     "x.txt",
     "\xFE"
     "x.txt"},
    {2, 1, true,
     "a\xE9"
     "b.txt",
     "ab.txt"},
    {1, 1, false, "", ""},
    {1, 1, false, "...", ".."},
};

TEST(DeleteChars, DeletesFromTheNamePartOnly)
{
    for (const DeleteCase& c : deleteCases) {
        const DeleteStep options{.from = c.from, .count = c.count, .fromEnd = c.fromEnd};
        EXPECT_EQ(DeleteChars(c.name, options), c.expected)
            << c.name << " from " << c.from << " count " << c.count << (c.fromEnd ? " from the end" : "");
    }
}

TEST(DeleteChars, HandlesVeryLongNames)
{
    const std::string name = std::string(10000, 'x') + ".txt";
    EXPECT_EQ(DeleteChars(name, {.from = 1, .count = 256}), std::string(9744, 'x') + ".txt");
}

TEST(ReverseText, KeepsEachCharacterWhole)
{
    EXPECT_EQ(ReverseText("abc"), "cba");
    EXPECT_EQ(ReverseText("Фото"), "отоФ");
    EXPECT_EQ(ReverseText("a\xFF"
                          "б"),
              "б\xFF"
              "a");
    EXPECT_EQ(ReverseText(""), "");
}

} // namespace
} // namespace tollwick
