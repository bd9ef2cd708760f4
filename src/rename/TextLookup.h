// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tollwick {

/// Fetches a language text by key (the settings' LookupText), so the core
/// never holds words of its own.
using TextLookup = std::function<std::string(std::string_view key)>;

} // namespace tollwick
