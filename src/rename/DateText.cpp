// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/DateText.h"

#include "platform/Directory.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

namespace tollwick {

std::string DateTimeText(const LocalDateTime& time)
{
    char text[64];
    (void)std::snprintf(text, sizeof text, "%d-%02d-%02d_%02d-%02d-%02d", time.year, time.month, time.day, time.hour,
                        time.minute, time.second);
    return text;
}

namespace {

// Reads `width` digits (0 for "one or more") at the front of `text`.
std::optional<int> TakeNumber(std::string_view& text, std::size_t width)
{
    const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
    if (digits == 0 || (width != 0 && digits != width)) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

bool TakeSeparator(std::string_view& text, char separator)
{
    if (text.empty() || text.front() != separator) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<LocalDateTime> DateTextValue(std::string_view text)
{
    const bool negative = TakeSeparator(text, '-');
    LocalDateTime time;
    int* const fields[] = {&time.month, &time.day, &time.hour, &time.minute, &time.second};
    constexpr char separators[] = {'-', '-', '_', '-', '-'};
    const std::optional<int> year = TakeNumber(text, 0);
    if (!year) {
        return std::nullopt;
    }
    time.year = negative ? -*year : *year;
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        const bool separated = TakeSeparator(text, separators[k]);
        const std::optional<int> value = separated ? TakeNumber(text, 2) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        *fields[k] = *value;
    }
    return text.empty() ? std::optional<LocalDateTime>(time) : std::nullopt;
}

std::string RowDateText(const RowDate& date)
{
    return date ? DateTimeText(*date) : std::string(NoDateText);
}

RowDate FileDate(const std::string& folder, const std::string& fileName)
{
    return FileModifiedTime(folder, fileName);
}

} // namespace tollwick
