// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"

#include <string>
#include <string_view>

namespace tollwick {

/// The name in the letter case of the step: Lower and Upper change the whole
/// name; First puts the first firstCount characters of the name part in upper
/// case and the rest in lower; Swap swaps the case of each character of the
/// name part; Words begins each word of the name part upper case, the rest
/// lower. Letters of every script count, by Unicode simple case mapping;
/// invalid bytes are kept and have no case.
[[nodiscard]] std::string ChangeCase(std::string_view name, const CaseStep& step);
/// The same into `out`, reusing its storage; `name` must not lie in `out`.
void ChangeCase(std::string_view name, const CaseStep& step, std::string& out);

} // namespace tollwick
