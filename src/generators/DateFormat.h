// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The longest date format a mask token takes.
inline constexpr std::size_t longestDateFormat = 64;

/// Why `format` cannot write a date, or none. A format is strftime's, with
/// its conversions of the date and the time only: no time zone (a photo's
/// date has none), no E or O modifier.
[[nodiscard]] std::optional<std::string> DateFormatProblem(std::string_view format);

/// The date written with a format DateFormatProblem accepts, names of days
/// and months in the locale's language.
[[nodiscard]] std::string FormatDate(const LocalDateTime& date, std::string_view format);

} // namespace tollwick
