// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace tollwick {

/// The value of a number field as its generator reads it: the field's text
/// as a 32-bit integer, or 1 when the text is none. No range is imposed.
[[nodiscard]] std::int32_t NumberFieldValue(std::string_view text);

} // namespace tollwick
