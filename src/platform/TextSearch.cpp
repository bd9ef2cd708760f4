// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextSearch.h"

#include "platform/CharWalk.h"

#include <algorithm>
#include <unicode/uchar.h>

namespace tollwick {
namespace {

constexpr std::uint32_t InvalidByteKey = 0x80000000U;

// A number that two characters share exactly when they match.
std::uint32_t KeyOf(const Utf8Char& ch, bool ignoreCase)
{
    if (!ch.valid) {
        return InvalidByteKey | ch.codePoint;
    }
    if (!ignoreCase) {
        return ch.codePoint;
    }
    if (ch.codePoint < 0x80) {
        return (ch.codePoint >= 'A' && ch.codePoint <= 'Z') ? ch.codePoint + 0x20 : ch.codePoint;
    }
    return static_cast<std::uint32_t>(u_foldCase(static_cast<UChar32>(ch.codePoint), U_FOLD_CASE_DEFAULT));
}

// No character folds to an ASCII character that is not a letter, so such a
// pattern matches the same bytes whether case is ignored or not.
bool HasNoAsciiLetterOrNonAscii(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80U || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    });
}

} // namespace

// A valid pattern starts with a byte that never continues a character, so a
// byte match is also a match of whole characters.
TextSearcher::TextSearcher(std::string_view pattern, bool ignoreCase)
    : pattern_(pattern), ignoreCase_(ignoreCase),
      bytewise_(ignoreCase ? HasNoAsciiLetterOrNonAscii(pattern) : IsValidUtf8(pattern))
{
    if (!bytewise_) {
        for (std::size_t pos = 0; pos < pattern.size();) {
            const Utf8Char ch = NextChar(pattern, pos);
            keys_.push_back(KeyOf(ch, ignoreCase));
            pos += ch.length;
        }
    }
}

std::optional<TextSearcher::Match> TextSearcher::Find(std::string_view text, std::size_t from) const
{
    if (pattern_.empty() || from >= text.size()) {
        return std::nullopt;
    }
    if (!bytewise_) {
        return FindByKeys(text, from);
    }
    const std::size_t pos = text.find(pattern_, from);
    if (pos == std::string_view::npos) {
        return std::nullopt;
    }
    return Match{pos, pattern_.size()};
}

std::optional<TextSearcher::Match> TextSearcher::FindByKeys(std::string_view text, std::size_t from) const
{
    for (std::size_t start = from; start < text.size();) {
        const Utf8Char first = NextChar(text, start);
        if (KeyOf(first, ignoreCase_) == keys_.front()) {
            std::size_t end = start + first.length;
            std::size_t k = 1;
            for (; k < keys_.size() && end < text.size(); ++k) {
                const Utf8Char ch = NextChar(text, end);
                if (KeyOf(ch, ignoreCase_) != keys_[k]) {
                    break;
                }
                end += ch.length;
            }
            if (k == keys_.size()) {
                return Match{start, end - start};
            }
            if (end >= text.size()) {
                return std::nullopt; // every later start runs out of text too
            }
        }
        start += first.length;
    }
    return std::nullopt;
}

} // namespace tollwick
