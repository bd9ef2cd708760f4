// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tollwick {

/// A character is one code point of valid UTF-8 or one byte of an invalid
/// sequence; invalid bytes are kept as they are by every routine here.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
    bool valid = false;
};

/// The character that starts at byte offset `pos` (pos < text.size()).
[[nodiscard]] Utf8Char DecodeChar(std::string_view text, std::size_t pos);
/// Appends the UTF-8 bytes of a code point.
void AppendCodePoint(std::string& out, char32_t codePoint);
[[nodiscard]] std::size_t CountChars(std::string_view text);
/// Byte offset of the character with 0-based number `charIndex`, or text.size().
[[nodiscard]] std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex);

/// Simple (one to one) Unicode case mapping per character.
[[nodiscard]] std::string ToLower(std::string_view text);
[[nodiscard]] std::string ToUpper(std::string_view text);
/// Simple case folding per character, for comparisons that ignore case.
[[nodiscard]] std::string FoldCase(std::string_view text);
[[nodiscard]] bool IsUpperChar(const Utf8Char& ch);
[[nodiscard]] char32_t UpperOf(char32_t codePoint);
[[nodiscard]] char32_t LowerOf(char32_t codePoint);

[[nodiscard]] bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace tollwick
