// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <string>

namespace tollwick {

/// The text that a file with no date shows.
inline constexpr const char* NoDateText = "N/A";

/// year-month-day_hour-minute-second, as in 2005-11-30_11-30-18.
[[nodiscard]] std::string DateTimeText(const LocalDateTime& time);
/// The date text of a file of the list folder (`folder` ends with "/"), or "N/A".
[[nodiscard]] std::string FileDateText(const std::string& folder, const std::string& fileName);

} // namespace tollwick
