// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Utf8.h"

#include "platform/CharWalk.h"

#include <unicode/uchar.h>

namespace tollwick {
namespace {

constexpr bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

template <typename MapCodePoint> std::string MapChars(std::string_view text, MapCodePoint map)
{
    std::string out;
    out.reserve(text.size());
    AppendMapped(out, text, map);
    return out;
}

char32_t FoldOf(char32_t codePoint)
{
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(codePoint), U_FOLD_CASE_DEFAULT));
}

} // namespace

Utf8Char DecodeChar(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
        codePoint = lead & 0x1FU;
        minimum = 0x80;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        codePoint = lead & 0x0FU;
        minimum = 0x800;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        codePoint = lead & 0x07U;
        minimum = 0x10000;
    } else {
        return {lead, 1, false};
    }
    if (pos + length > text.size()) {
        return {lead, 1, false};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[pos + k]);
        if (!IsContinuation(byte)) {
            return {lead, 1, false};
        }
        codePoint = (codePoint << 6U) | (byte & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) {
        return {lead, 1, false};
    }
    return {codePoint, length, true};
}

void AppendCodePoint(std::string& out, char32_t codePoint)
{
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(static_cast<unsigned char>(bits))); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0U | (codePoint >> 6U));
        put(0x80U | (codePoint & 0x3FU));
    } else if (codePoint < 0x10000) {
        put(0xE0U | (codePoint >> 12U));
        put(0x80U | ((codePoint >> 6U) & 0x3FU));
        put(0x80U | (codePoint & 0x3FU));
    } else {
        put(0xF0U | (codePoint >> 18U));
        put(0x80U | ((codePoint >> 12U) & 0x3FU));
        put(0x80U | ((codePoint >> 6U) & 0x3FU));
        put(0x80U | (codePoint & 0x3FU));
    }
}

std::size_t CountChars(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += DecodeChar(text, pos).length) {
        ++count;
    }
    return count;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < charIndex && pos < text.size(); ++n) {
        pos += DecodeChar(text, pos).length;
    }
    return pos;
}

char32_t UpperOf(char32_t codePoint)
{
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(codePoint)));
}
char32_t LowerOf(char32_t codePoint)
{
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(codePoint)));
}

std::string ToLower(std::string_view text)
{
    return MapChars(text, LowerOf);
}
std::string ToUpper(std::string_view text)
{
    return MapChars(text, UpperOf);
}
std::string FoldCase(std::string_view text)
{
    return MapChars(text, FoldOf);
}

bool IsUpperChar(const Utf8Char& ch)
{
    return ch.valid && u_isupper(static_cast<UChar32>(ch.codePoint)) != 0;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return FoldCase(a) == FoldCase(b);
}

} // namespace tollwick
