// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"

#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Saves `steps` as the preset `name` under `home`, atomically.
void SavePreset(const std::string& home, std::string_view name, const std::vector<GeneratorStep>& steps);
/// The steps of preset `name`. Besides the file's own errors, an unknown
/// generator id, an unknown option or a bad value raises "FILE:LINE: reason".
[[nodiscard]] std::vector<GeneratorStep> LoadPreset(const std::string& home, std::string_view name);

} // namespace tollwick
