// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"

#include <optional>
#include <string_view>

namespace tollwick {

// The window's control names where the core needs them: the one place that
// maps them onto the core's own vocabulary.

/// The generator of a generator tab, by the tab's exact object name; none
/// for any other name.
[[nodiscard]] std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName);
/// The object name of the tab of `kind`.
[[nodiscard]] std::string_view TabOfGenerator(GeneratorKind kind);

} // namespace tollwick
