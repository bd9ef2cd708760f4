// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"

#include <string>
#include <string_view>

namespace tollwick {

/// The name with `count` characters of its name part deleted from position
/// `from` on (counted from the end with fromEnd), stopping at the end of the
/// name part. Nothing is deleted for a position outside the name part or a
/// count below 1; any value is taken as it is (a number field corrects a
/// typed value only when it loses the focus).
[[nodiscard]] std::string DeleteChars(std::string_view name, const DeleteStep& step);
/// The same into `out`, reusing its storage; `name` must not lie in `out`.
void DeleteChars(std::string_view name, const DeleteStep& step, std::string& out);

/// The characters of the text in reverse order; each keeps its own bytes.
[[nodiscard]] std::string ReverseText(std::string_view text);

} // namespace tollwick
