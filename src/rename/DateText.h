// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/PackedDateTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The text that a file with no date shows.
inline constexpr const char* NoDateText = "N/A";

/// year-month-day_hour-minute-second, as in 2005-11-30_11-30-18.
[[nodiscard]] std::string DateTimeText(const LocalDateTime& time);
/// The date and time a date text stands for; empty for "N/A" and anything
/// else that DateTimeText does not write. Years of any length compare right
/// as values, where "999-..." sorts after "2005-..." as text.
[[nodiscard]] std::optional<LocalDateTime> DateTextValue(std::string_view text);

/// A row's last-write time; empty for a file whose time could not be read.
using RowDate = PackedDateTime;
/// The text the list shows for a row's date: DateTimeText, or "N/A".
[[nodiscard]] std::string RowDateText(const RowDate& date);
/// The last-write time of a file of the list folder (`folder` ends with "/").
[[nodiscard]] RowDate FileDate(const std::string& folder, const std::string& fileName);

} // namespace tollwick
