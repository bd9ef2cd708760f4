// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Integer.h"

#include "platform/Errors.h"

#include <charconv>
#include <limits>

namespace tollwick {

std::int32_t ParseInt32(std::string_view text)
{
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // from_chars would accept a second sign; require a digit here.
    if (rest.empty() || rest.front() < '0' || rest.front() > '9') {
        throw NotValidInteger(text);
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    if (error != std::errc() || end != rest.data() + rest.size()) {
        throw NotValidInteger(text);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        throw NotValidInteger(text);
    }
    return static_cast<std::int32_t>(value);
}

} // namespace tollwick
