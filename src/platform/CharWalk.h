// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Utf8.h"

#include <string>
#include <string_view>

namespace tollwick {

// Inline forms of the Utf8.h routines for loops that visit every character
// of many names: ASCII, by far the most common case, costs no call.

/// DecodeChar, with ASCII decoded in place.
[[nodiscard]] inline Utf8Char NextChar(std::string_view text, std::size_t pos)
{
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80U) {
        return {byte, 1, true};
    }
    return DecodeChar(text, pos);
}

/// LowerOf and UpperOf; ASCII maps A-Z and a-z only, as Unicode does.
[[nodiscard]] inline char32_t LowerOfChar(char32_t codePoint)
{
    if (codePoint < 0x80) {
        return (codePoint >= U'A' && codePoint <= U'Z') ? codePoint + 0x20 : codePoint;
    }
    return LowerOf(codePoint);
}
[[nodiscard]] inline char32_t UpperOfChar(char32_t codePoint)
{
    if (codePoint < 0x80) {
        return (codePoint >= U'a' && codePoint <= U'z') ? codePoint - 0x20 : codePoint;
    }
    return UpperOf(codePoint);
}

/// IsUpperChar.
[[nodiscard]] inline bool IsUpperCharFast(const Utf8Char& ch)
{
    if (ch.codePoint < 0x80 && ch.valid) {
        return ch.codePoint >= U'A' && ch.codePoint <= U'Z';
    }
    return IsUpperChar(ch);
}

/// AppendCodePoint.
inline void AppendChar(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else {
        AppendCodePoint(out, codePoint);
    }
}

/// Appends the text with `map` applied to each valid character; invalid bytes are kept.
template <typename Map> void AppendMapped(std::string& out, std::string_view text, Map map)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = NextChar(text, pos);
        if (ch.valid) {
            AppendChar(out, map(ch.codePoint));
        } else {
            out.push_back(text[pos]);
        }
        pos += ch.length;
    }
}

/// CountChars.
[[nodiscard]] inline std::size_t CountCharsFast(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += NextChar(text, pos).length) {
        ++count;
    }
    return count;
}

/// Whether every byte of the text belongs to a valid character.
[[nodiscard]] inline bool IsValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = NextChar(text, pos);
        if (!ch.valid) {
            return false;
        }
        pos += ch.length;
    }
    return true;
}

} // namespace tollwick
