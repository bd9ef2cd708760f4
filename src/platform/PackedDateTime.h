// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <optional>

namespace tollwick {

/// A LocalDateTime, or none, in one word; it converts and reads as a
/// std::optional<LocalDateTime> does, which takes 28 bytes: a listing or a
/// rename list holds one for each of a million files. Every year an int
/// holds is kept; the other fields keep 0..63, which every clock time fits.
class PackedDateTime {
public:
    PackedDateTime() = default;
    PackedDateTime(std::nullopt_t) {}
    PackedDateTime(const LocalDateTime& time);
    PackedDateTime(const std::optional<LocalDateTime>& time);

    [[nodiscard]] bool has_value() const { return packed_ != 0; }
    explicit operator bool() const { return has_value(); }
    /// The time; only for a value that has one.
    [[nodiscard]] LocalDateTime operator*() const;
    void reset() { packed_ = 0; }

    friend bool operator==(const PackedDateTime&, const PackedDateTime&) = default;

private:
    std::uint64_t packed_ = 0;
};

} // namespace tollwick
