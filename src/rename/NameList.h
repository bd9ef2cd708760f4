// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Filter.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The six layouts of a name list file, one entry per line.
enum class NameListLayout {
    OldThenNew = 1, // two lines per row: old name, new name
    NewThenOld = 2, // two lines per row: new name, old name
    OldOnly = 3,    // old names, matched to the rows by master order
    NewOnly = 4,    // new names, matched to the rows by master order
    OldSepNew = 5,  // old name, separator, new name on one line
    NewSepOld = 6,  // new name, separator, old name on one line
};

/// The layout of an import tab ("Kind1".."Kind6") or export tab
/// ("SKind1".."SKind6"), compared exactly; empty for any other name.
[[nodiscard]] std::optional<NameListLayout> ImportLayoutOfTab(std::string_view tabName);
[[nodiscard]] std::optional<NameListLayout> ExportLayoutOfTab(std::string_view tabName);

/// What the export page gives.
struct ExportOptions {
    std::string Path; // chosen in the save dialog
    NameListLayout Layout = NameListLayout::OldThenNew;
    std::string separator; // separator of layouts 5 and 6, exactly as typed
};

/// Writes the names of every shown row, in shown order, checked or not, as
/// they stand. An empty shown list writes nothing, not even over an
/// existing file. The file is replaced whole or not at all; raises
/// "Cannot create file %s".
void ExportNameList(const RenameList& list, const ExportOptions& options, Progress& progress);

/// What the import page gives.
struct ImportOptions {
    std::string Path; // chosen in the open dialog
    NameListLayout Layout = NameListLayout::OldThenNew;
    std::string separator; // separator of layouts 5 and 6, found with case ignored
    std::string DirName;   // the list folder, where the dates of the names are looked up
};

/// Reads a name list into the rename list and ends with a filter pass,
/// whose settings it returns. Layouts 1, 2, 5 and 6 start a new list;
/// layouts 3 and 4 change the present one in master order. Every name is
/// cleaned of the nine forbidden characters. A file that cannot be read
/// raises "Cannot open file %s" before the lists are touched.
FilterSettings ImportNameList(RenameList& list, const ImportOptions& options, const FilterSettings& filter,
                              Progress& progress);

} // namespace tollwick
