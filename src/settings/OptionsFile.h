// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The options file, relative to the application home. It holds the states
/// that the settings file, fixed at its 32 lines, has no line for.
inline constexpr std::string_view OptionsFilePath = "data/options.cfg";

/// The options kept in the options file, each under "cfg_" + its control's name.
struct ExtraOptions {
    bool regex = false; // the replace tab's search text is a regular expression

    friend bool operator==(const ExtraOptions&, const ExtraOptions&) = default;
};

/// The bracket lines of the options file.
[[nodiscard]] std::vector<std::string> ExtraOptionsLines(const ExtraOptions& options);
/// The options that `keys` hold; a missing entry keeps its default, a box is
/// checked exactly when its number is 1. Raises the conversion error for a
/// box whose value is not a number.
[[nodiscard]] ExtraOptions ExtraOptionsFrom(const KeyLines& keys);

/// Reads the options file of `home`; a missing file gives the defaults.
/// Raises "Cannot open file %s" for a file that is there but cannot be read.
[[nodiscard]] ExtraOptions LoadExtraOptions(const std::string& home);
/// Replaces the options file whole; raises "Cannot create file %s" and then
/// leaves the old file as it was.
void SaveExtraOptions(const std::string& home, const ExtraOptions& options);

} // namespace tollwick
