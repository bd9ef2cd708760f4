// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// What stands between the source and the target of a table entry.
inline constexpr std::string_view TranslitSeparator = "  >  ";

/// One of the four tables, in the order of the fields below.
enum class TranslitTable { CyrillicFirst, Cyrillic, LatinFirst, Latin };

/// The four transliteration tables; each entry is "source  >  target".
struct TranslitTables {
    std::vector<std::string> CyrLongList; // Cyrillic to Latin, applied first
    std::vector<std::string> CyrList;     // Cyrillic to Latin, applied second
    std::vector<std::string> LatLongList; // Latin to Cyrillic, applied first
    std::vector<std::string> LatList;     // Latin to Cyrillic, applied second
    friend bool operator==(const TranslitTables&, const TranslitTables&) = default;
};

/// The entries of `table`, for const and non-const tables alike.
template <typename Tables> [[nodiscard]] auto& TableEntries(Tables& tables, TranslitTable table)
{
    switch (table) {
    case TranslitTable::CyrillicFirst:
        return tables.CyrLongList;
    case TranslitTable::Cyrillic:
        return tables.CyrList;
    case TranslitTable::LatinFirst:
        return tables.LatLongList;
    case TranslitTable::Latin:
        break;
    }
    return tables.LatList;
}

} // namespace tollwick
