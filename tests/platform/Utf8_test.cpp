// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Utf8.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

struct CaseRow {
    const char* text;
    const char* lower;
    const char* upper;
};

TEST(Utf8Case, MapsEveryScriptLikeAscii)
{
    const CaseRow rows[] = {
        {"Photo.JPG", "photo.jpg", "PHOTO.JPG"},
        {"Фото_Лето.JPG", "фото_лето.jpg", "ФОТО_ЛЕТО.JPG"},
        {"Ёжик", "ёжик", "ЁЖИК"},
        {"ΑΘΗΝΑ", "αθηνα", "ΑΘΗΝΑ"},
        {"Émile Ñandú", "émile ñandú", "ÉMILE ÑANDÚ"},
    };
    for (const CaseRow& row : rows) {
        EXPECT_EQ(ToLower(row.text), row.lower) << row.text;
        EXPECT_EQ(ToUpper(row.text), row.upper) << row.text;
    }
}

TEST(Utf8Case, InvalidBytesSurviveUnchanged)
{
    const std::string latin1 = "Caf\xE9_\xC3(A).txt"; // old code page bytes and a broken sequence
    EXPECT_EQ(ToUpper(latin1), "CAF\xE9_\xC3(A).TXT");
    EXPECT_EQ(ToLower(latin1), "caf\xE9_\xC3(a).txt");
    EXPECT_EQ(CountChars(latin1), latin1.size());
}

TEST(Utf8Decode, RejectsOverlongSurrogatesAndTruncation)
{
    EXPECT_FALSE(DecodeChar("\xC0\xAF", 0).valid);         // overlong "/"
    EXPECT_FALSE(DecodeChar("\xED\xA0\x80", 0).valid);     // surrogate
    EXPECT_FALSE(DecodeChar("\xF4\x90\x80\x80", 0).valid); // beyond U+10FFFF
    EXPECT_FALSE(DecodeChar("\xE2\x82", 0).valid);         // cut short
    const Utf8Char euro = DecodeChar("\xE2\x82\xAC", 0);
    EXPECT_TRUE(euro.valid);
    EXPECT_EQ(euro.codePoint, U'€');
    EXPECT_EQ(euro.length, 3U);
}

} // namespace
} // namespace tollwick
