// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The part of text before the first occurrence of separator (case ignored);
/// the whole text when there is none or the separator is empty.
[[nodiscard]] std::string TextBefore(std::string_view text, std::string_view separator);
/// The part after the first occurrence (case ignored); empty when there is none.
[[nodiscard]] std::string TextAfter(std::string_view text, std::string_view separator);

/// The nine characters a file name may not hold.
inline constexpr std::string_view ForbiddenChars = "\\/:*?\"<>|";

/// Whether `c` is one of the nine.
[[nodiscard]] constexpr bool IsForbiddenChar(char c)
{
    return ForbiddenChars.find(c) != std::string_view::npos;
}

/// The text without the nine forbidden characters, except `kept`.
[[nodiscard]] std::string StripForbiddenChars(std::string_view text, std::optional<char> kept = std::nullopt);

} // namespace tollwick
