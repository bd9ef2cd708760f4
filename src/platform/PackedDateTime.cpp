// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PackedDateTime.h"

#include <algorithm>

namespace tollwick {
namespace {

constexpr int FieldBits = 6;
constexpr std::uint64_t FieldMask = (1U << FieldBits) - 1;
constexpr int YearShift = 5 * FieldBits;
constexpr std::uint64_t HasValueBit = std::uint64_t{1} << 63;

std::uint64_t Field(int value)
{
    return static_cast<std::uint64_t>(std::clamp(value, 0, static_cast<int>(FieldMask)));
}

int FieldAt(std::uint64_t packed, int position)
{
    return static_cast<int>((packed >> (position * FieldBits)) & FieldMask);
}

} // namespace

PackedDateTime::PackedDateTime(const LocalDateTime& time)
    : packed_(HasValueBit | (std::uint64_t{static_cast<std::uint32_t>(time.year)} << YearShift) |
              (Field(time.month) << (4 * FieldBits)) | (Field(time.day) << (3 * FieldBits)) |
              (Field(time.hour) << (2 * FieldBits)) | (Field(time.minute) << FieldBits) | Field(time.second))
{
}

PackedDateTime::PackedDateTime(const std::optional<LocalDateTime>& time)
{
    if (time) {
        *this = PackedDateTime(*time);
    }
}

LocalDateTime PackedDateTime::operator*() const
{
    const auto year = static_cast<std::uint32_t>(packed_ >> YearShift);
    return {static_cast<int>(year), FieldAt(packed_, 4), FieldAt(packed_, 3),
            FieldAt(packed_, 2),    FieldAt(packed_, 1), FieldAt(packed_, 0)};
}

} // namespace tollwick
