// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/TextRoutines.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

struct SplitCase {
    const char* text;
    const char* separator;
    const char* before;
    const char* after;
};

TEST(TextBeforeAndAfter, SplitAtTheFirstSeparatorIgnoringCase)
{
    const SplitCase cases[] = {
        {"Photo.JPG>photo.jpg", ">", "Photo.JPG", "photo.jpg"},
        {"abxcd", "X", "ab", "cd"},
        {">tail", ">", "", "tail"},
        {"no separator", ">", "no separator", ""},
        {"whole", "", "whole", ""},
        {"a  >  b  >  c", "  >  ", "a", "b  >  c"},
        {"a > b", "  >  ", "a > b", ""},
        {"Отпуск = Лето", " = ", "Отпуск", "Лето"},
        {"имяРАЗДЕЛимя2", "раздел", "имя", "имя2"},
        {"raw\xFF=x", "=", "raw\xFF", "x"},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(TextBefore(c.text, c.separator), c.before) << c.text;
        EXPECT_EQ(TextAfter(c.text, c.separator), c.after) << c.text;
    }
}

TEST(StripForbiddenChars, RemovesTheNineUnlessKept)
{
    EXPECT_EQ(StripForbiddenChars("a?b|c<d>.txt"), "abcd.txt");
    EXPECT_EQ(StripForbiddenChars("a/b:c"), "abc");
    EXPECT_EQ(StripForbiddenChars("*x\\y\"*", '*'), "*xy*");
    EXPECT_EQ(StripForbiddenChars("a;*b?;c", ';'), "a;b;c");
    EXPECT_EQ(StripForbiddenChars(" . keep blanks. "), " . keep blanks. ");
    EXPECT_EQ(StripForbiddenChars("\\/:*?\"<>|"), "");
}

} // namespace
} // namespace tollwick
