// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <ctime>

namespace tollwick {

/// A local date and time, seconds whole.
struct LocalDateTime {
    int year = 0;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    // Members in this order, so the default ordering is the order in time.
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads the defaulted comparison.
    friend auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
};

/// A calendar day, as the date pickers hold it.
struct CalendarDate {
    int year = 2005;
    int month = 11;
    int day = 30;
    // NOLINTNEXTLINE(modernize-use-nullptr): as above.
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

[[nodiscard]] LocalDateTime ToLocalDateTime(std::time_t time);
[[nodiscard]] LocalDateTime NowLocal();

} // namespace tollwick
