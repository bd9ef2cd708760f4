// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"
#include "rename/Row.h"
#include "rename/ShownList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tollwick {

/// The rename list: every row in the master list, the rows that pass the
/// filter in the shown list, and the filter's term lists of the last pass.
struct RenameList {
    std::vector<Row> TotalList; // master rows, in the order they were added
    ShownList FilterList;       // shown rows: copies of master rows, possibly newer, or the master rows
    std::int32_t NextIndex = 0; // Index of the next row added to the master list
    std::vector<std::string> OldNameTerms;
    std::vector<std::string> NewNameTerms;

    RenameList() : FilterList(TotalList) {}
    // A copy's shown rows share the copy's own master rows.
    RenameList(const RenameList& other);
    RenameList(RenameList&& other) noexcept;
    RenameList& operator=(const RenameList& other);
    RenameList& operator=(RenameList&& other) noexcept;
    ~RenameList() = default;

    /// Empties both lists and starts the numbering again.
    void StartNewList();
    /// Appends an unchecked master row numbered NextIndex.
    Row& AddMasterRow(std::string oldName, std::string newName, RowDate date);
};

/// Position of the first master row whose Index is exactly `index`.
/// Rows are added with rising numbers, so a binary search finds it; a list
/// out of that order falls back to a walk from the first row.
[[nodiscard]] std::optional<std::size_t> FindMasterRow(const RenameList& list, std::uint32_t index);

/// Deletes shown row `shownPosition` and its master row.
void DeleteRow(RenameList& list, std::size_t shownPosition);

/// Deletes the shown rows that `doomed` picks, and their master rows, as
/// DeleteRow from the last shown row to the first would, with one (-1, 0)
/// progress step per shown row; costs one pass over each list.
template <typename Pred> void DeleteShownRowsWhere(RenameList& list, Progress& progress, Pred doomed);

/// Writes NewName and Checked of every shown row back to its master row.
void StoreShownRows(RenameList& list, Progress& progress);

// Implementation of the template.
void DeleteRowsByFlags(RenameList& list, Progress& progress, const std::vector<bool>& doomedShown);

template <typename Pred> void DeleteShownRowsWhere(RenameList& list, Progress& progress, Pred doomed)
{
    std::vector<bool> flags(list.FilterList.size());
    for (std::size_t k = 0; k < flags.size(); ++k) {
        flags[k] = doomed(list.FilterList[k]);
    }
    DeleteRowsByFlags(list, progress, flags);
}

} // namespace tollwick
