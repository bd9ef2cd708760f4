// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces both plans share: the checked rows with their names numbered,
// and the checks that need no look at the folder's state.
#include "rename/NameIds.h"
#include "rename/RunPlan.h"

#include <optional>
#include <vector>

namespace tollwick {

/// One checked shown row of a plan.
struct PlanRow {
    NameIds::Id OldId = 0;
    NameIds::Id NewId = 0;     // equal to OldId exactly when the names are equal
    bool OldPlain = false;     // a name the run hands to the system
    bool NewRefused = false;   // not a plain name, or the undo file cannot record the rename
    bool MayBeRefused = false; // longer than the system takes, or the folder may not be written
};

struct PlanRows {
    std::vector<PlanRow> Rows; // by slot of the plan
    /// What the folder holds under each numbered name before the run; None
    /// for names the run never looks up.
    std::vector<EntryKind> FolderKinds;
};

/// Numbers the names of the rows at `positions` and looks each distinct
/// plain name up in the folder once.
[[nodiscard]] PlanRows PrepareRows(const std::vector<Row>& shown, const std::vector<std::size_t>& positions,
                                   const PlanOptions& options, const FolderView& folder);

/// A row's status when no move of it is due, from the names as the run has left them so far.
[[nodiscard]] std::optional<RunStatus> StatusBeforeMove(const PlanRow& row, const std::vector<EntryKind>& kinds);

/// What a taken new name gives when nobody frees it.
[[nodiscard]] RunStatus TakenStatus(const Row& row, EntryKind holder);

/// The order of dependencies, filling `plan`'s statuses and moves.
void PlanInDependencyOrder(const std::vector<Row>& shown, const PlanRows& rows, RunPlan& plan);

} // namespace tollwick
