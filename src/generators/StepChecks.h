// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"

#include <string_view>

namespace tollwick {

// Checks of step values that can only be found wrong as a whole; the
// command line and a preset make the same ones, so a value one accepts
// the other accepts too. Each raises TollwickError with the reason alone.

/// Every token of a mask is known and well formed.
void CheckMaskTokens(std::string_view mask);
/// With counting every number of a mask outside its tokens is read into the counter's 32 bits.
void CheckCountedNumbers(std::string_view mask);
/// A replace step's regular expression compiles.
void CheckReplaceExpression(const ReplaceStep& step);

/// The first-count and delete positions take 1 to this.
inline constexpr int largestStepNumber = 256;

} // namespace tollwick
