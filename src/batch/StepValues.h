// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"

#include <string>
#include <string_view>

namespace tollwick::batch {

// Readers of the values that steps take; each raises UsageError naming
// `what` (the option) when the text does not fit.

/// A decimal integer from `min` to `max`, nothing else around it.
[[nodiscard]] int ParseNumber(std::string_view text, int min, int max, std::string_view what);
/// A real calendar day written YYYY-MM-DD.
[[nodiscard]] CalendarDate ParseDate(std::string_view text, std::string_view what);
/// lower, upper, first[:N], swap, words[:underscore].
[[nodiscard]] CaseStep ParseCaseMode(std::string_view text);
/// An existing folder, resolved as the system reaches it (links, "." and
/// "..") and given a closing "/"; the usage error carries the system's reason.
[[nodiscard]] std::string ParseFolder(std::string_view text, std::string_view what);
/// A file operand: not empty and no folder.
[[nodiscard]] std::string ParseFileName(std::string_view text, std::string_view what);

} // namespace tollwick::batch
