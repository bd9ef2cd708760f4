// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace tollwick {

/// Decimal text to a signed 32-bit number: blanks in front and a sign are
/// accepted, nothing behind the digits. Anything else, the empty text and
/// values out of range raise NotValidInteger.
[[nodiscard]] std::int32_t ParseInt32(std::string_view text);

} // namespace tollwick
