// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RunOutcome.h"
#include "rename/RunPlan.h"
#include "rename/Undo.h"

#include <functional>
#include <vector>

namespace tollwick {

/// Hears a checked row (its slot in the plan) once its status is final.
using RowDone = std::function<void(std::size_t slot, const RowResult& result)>;

/// Makes the moves of an ordered plan, each through the rename layer, so a
/// file that turned up since the plan is never replaced. Rows are reported
/// in shown order, each as soon as it and every row before it are final.
/// A file that can go neither on to its new name nor back to its old one
/// (another program took both) stays under its temporary name, which the
/// row's reason names. `undo` hears of every move: the run's undo file.
void RunPlannedMoves(const std::vector<Row>& shown, const RunPlan& plan, const std::string& dirName, MoveJournal* undo,
                     const RunTexts& texts, const RowDone& onDone);

} // namespace tollwick
