// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaTags.h"

#include <array>
#include <cstdio>

namespace tollwick {
namespace {

/// Reads the text from left to right; every step fails once one has failed.
class DateReader {
public:
    explicit DateReader(std::string_view text) : text_(text) {}

    /// A number of exactly `digits` digits.
    bool Number(std::size_t digits, int& value)
    {
        if (text_.size() - at_ < digits) {
            return false;
        }
        value = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            const char c = text_[at_ + i];
            if (c < '0' || c > '9') {
                return false;
            }
            value = value * 10 + (c - '0');
        }
        at_ += digits;
        return true;
    }
    bool Take(std::string_view anyOf)
    {
        if (AtEnd() || anyOf.find(text_[at_]) == std::string_view::npos) {
            return false;
        }
        ++at_;
        return true;
    }
    void SkipDigits()
    {
        while (!AtEnd() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
    }
    [[nodiscard]] bool AtEnd() const { return at_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsPossible(const LocalDateTime& time)
{
    constexpr std::array<int, 12> monthDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (time.year < 1 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > monthDays.at(static_cast<std::size_t>(time.month - 1))) {
        return false;
    }
    if (time.month == 2 && time.day == 29 && !IsLeapYear(time.year)) {
        return false;
    }
    return time.hour <= 23 && time.minute <= 59 && time.second <= 59;
}

/// "Z", "+01:00", "-0500", "+01": read and forgotten, as the date stays in
/// the time it was written in.
bool SkipZone(DateReader& reader)
{
    if (reader.Take("Z")) {
        return true;
    }
    int hours = 0;
    int minutes = 0;
    if (!reader.Take("+-") || !reader.Number(2, hours)) {
        return false;
    }
    if (reader.AtEnd()) {
        return true;
    }
    reader.Take(":");
    return reader.Number(2, minutes);
}

bool ReadTime(DateReader& reader, LocalDateTime& time)
{
    if (!reader.Take(" T") || !reader.Number(2, time.hour) || !reader.Take(":") || !reader.Number(2, time.minute)) {
        return false;
    }
    if (reader.Take(":")) {
        if (!reader.Number(2, time.second)) {
            return false;
        }
        if (reader.Take(".")) {
            reader.SkipDigits();
        }
    }
    return reader.AtEnd() || SkipZone(reader);
}

std::string_view WithoutTrailingBlanks(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(std::string_view(" \0", 2));
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace

std::optional<LocalDateTime> MediaDateValue(std::string_view text)
{
    DateReader reader(WithoutTrailingBlanks(text));
    LocalDateTime time;
    if (!reader.Number(4, time.year) || !reader.Take(":-") || !reader.Number(2, time.month) || !reader.Take(":-") ||
        !reader.Number(2, time.day)) {
        return std::nullopt;
    }
    if (!reader.AtEnd() && !ReadTime(reader, time)) {
        return std::nullopt;
    }
    if (!reader.AtEnd() || !IsPossible(time)) {
        return std::nullopt;
    }
    return time;
}

std::string ExifDateText(const LocalDateTime& time)
{
    std::array<char, 32> text{};
    const int written = std::snprintf(text.data(), text.size(), "%04d:%02d:%02d %02d:%02d:%02d", time.year, time.month,
                                      time.day, time.hour, time.minute, time.second);
    return {text.data(), static_cast<std::size_t>(written)};
}

std::optional<LocalDateTime> PhotoTags::Taken() const
{
    return takenDate ? MediaDateValue(*takenDate) : std::nullopt;
}

} // namespace tollwick
