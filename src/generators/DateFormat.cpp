// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/DateFormat.h"

#include <chrono>
#include <ctime>

namespace tollwick {
namespace {

constexpr std::string_view dateConversions = "aAbBcCdDeFgGhHIjmMnprRStTuUVwWxXyY%";

std::tm PartsOf(const LocalDateTime& date)
{
    using namespace std::chrono;
    const year_month_day day{year{date.year}, month{static_cast<unsigned>(date.month)},
                             std::chrono::day{static_cast<unsigned>(date.day)}};
    const sys_days days{day};
    const sys_days newYear{year{date.year} / January / 1};
    std::tm parts{};
    parts.tm_year = date.year - 1900;
    parts.tm_mon = date.month - 1;
    parts.tm_mday = date.day;
    parts.tm_hour = date.hour;
    parts.tm_min = date.minute;
    parts.tm_sec = date.second;
    parts.tm_wday = static_cast<int>(weekday{days}.c_encoding());
    parts.tm_yday = static_cast<int>((days - newYear).count());
    parts.tm_isdst = -1;
    return parts;
}

} // namespace

std::optional<std::string> DateFormatProblem(std::string_view format)
{
    if (format.empty()) {
        return "the date format is empty";
    }
    if (format.size() > longestDateFormat) {
        return "the date format is longer than " + std::to_string(longestDateFormat) + " characters";
    }
    for (std::size_t pos = format.find('%'); pos != std::string_view::npos; pos = format.find('%', pos + 2)) {
        if (pos + 1 == format.size()) {
            return "the date format ends with a lone \"%\"";
        }
        if (dateConversions.find(format[pos + 1]) == std::string_view::npos) {
            return "%" + std::string(1, format[pos + 1]) + " is not a date conversion";
        }
    }
    return std::nullopt;
}

std::string FormatDate(const LocalDateTime& date, std::string_view format)
{
    const std::tm parts = PartsOf(date);
    const std::string terminated(format);
    // Each of the format's at most 32 conversions writes far less than 128 bytes.
    std::string out(longestDateFormat * 64, '\0');
    out.resize(std::strftime(out.data(), out.size(), terminated.c_str(), &parts));
    return out;
}

} // namespace tollwick
