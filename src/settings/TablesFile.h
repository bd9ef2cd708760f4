// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"
#include "settings/TranslitTables.h"

#include <string>
#include <vector>

namespace tollwick {

/// Fills the four tables from `keys` in the order CyrList, CyrLongList,
/// LatList, LatLongList: each is emptied, then gets the entries its count
/// asks for (a missing entry is empty, lines beyond the count are ignored).
/// A count that is not an integer raises the conversion error: the tables
/// before it are filled, its own is empty, the later ones keep their entries.
void LoadTables(const KeyLines& keys, TranslitTables& tables);

/// The lines of the tables file: for CyrList, CyrLongList, LatList and
/// LatLongList in turn, the count line and one line per entry, unchanged.
[[nodiscard]] std::vector<std::string> TablesFileLines(const TranslitTables& tables);

/// Replaces the tables file at `path` whole; raises "Cannot create file %s"
/// and leaves the old file as it was when it cannot be written.
void SaveTables(const std::string& path, const TranslitTables& tables);

} // namespace tollwick
