// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"
#include "settings/LanguageKeys.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tollwick {

/// The most lines a count can ask for. A count beyond it is taken as this
/// many, so a damaged count of two billion cannot exhaust memory; no file
/// the program writes comes near it.
inline constexpr std::int32_t MaxNumberedLines = 100000;

/// The lines of a family: n := the number under its count key, then the
/// texts of line keys 1..n, a missing one giving an empty line. No lines
/// for a missing count or one of 0 or less. Raises the conversion error for
/// a count that is not an integer.
[[nodiscard]] std::vector<std::string> NumberedLines(const KeyLines& keys, const TextFamily& family);

} // namespace tollwick
