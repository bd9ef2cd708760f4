// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// What stands between the source and the target of a table entry.
inline constexpr std::string_view TranslitSeparator = "  >  ";

/// The four transliteration tables; each entry is "source  >  target".
struct TranslitTables {
    std::vector<std::string> CyrLongList; // Cyrillic to Latin, applied first
    std::vector<std::string> CyrList;     // Cyrillic to Latin, applied second
    std::vector<std::string> LatLongList; // Latin to Cyrillic, applied first
    std::vector<std::string> LatList;     // Latin to Cyrillic, applied second
    friend bool operator==(const TranslitTables&, const TranslitTables&) = default;
};

} // namespace tollwick
