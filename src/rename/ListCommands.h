// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"
#include "rename/RenameList.h"

namespace tollwick {

/// The list page's row commands, over the shown rows.
void CopyOldNames(RenameList& list, Progress& progress);
void CheckAll(RenameList& list, Progress& progress);
void InvertChecks(RenameList& list, Progress& progress);
void RemoveCheckedRows(RenameList& list, Progress& progress);
void RemoveAllRows(RenameList& list, Progress& progress);

/// The column last clicked and the direction of the sort.
struct SortState {
    int SortColumn = -1; // 0 OldName, 1 NewName, 2 Index, 3 DateText; -1 before the first click
    int SortDirection = 1;
};

/// A click on column `column`: the same column again flips the direction,
/// another one sorts it ascending. Then sorts the shown rows.
void FilterListColumnClick(RenameList& list, SortState& sort, int column);

/// Sorts the shown rows by the column and direction of `sort`, every column
/// as text, case ignored, in the user's locale.
void SortShownRows(RenameList& list, const SortState& sort);

} // namespace tollwick
