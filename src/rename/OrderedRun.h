// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RunOutcome.h"
#include "rename/RunPlan.h"
#include "rename/Undo.h"

#include <functional>
#include <stop_token>
#include <vector>

namespace tollwick {

/// Hears a checked row (its slot in the plan) once its status is final.
using RowDone = std::function<void(std::size_t slot, const RowResult& result)>;

/// What an ordered run works from.
struct PlannedRun {
    const std::vector<Row>& Shown;
    const RunPlan& Plan;
    const std::string& DirName;
    const FolderDescriptor& Folder; // the list folder, every move made relative to it
    UndoRecorder* Undo = nullptr;   // null without an undo file
    const RunTexts& Texts;
    /// Hears of every move instead of Undo, for a test that stands in for
    /// another program; null: Undo.
    MoveJournal* Journal = nullptr;
    /// Asked to stop: no move is made after the one in progress, once no
    /// file waits under a temporary name.
    std::stop_token StopRequest;
};

/// Makes the moves of an ordered plan, each through the rename layer, so a
/// file that turned up since the plan is never replaced. Rows are reported
/// in shown order, each as soon as it and every row before it are final.
/// At a fault every later move would meet (see NoteStop) the run stops:
/// a file left under its temporary name goes back to its old name where it
/// can, and each row with a move not made gets StatusNotReached. A file
/// that can go neither on to its new name nor back to its old one (another
/// program took both) stays under its temporary name, which the row's
/// reason names.
void RunPlannedMoves(const PlannedRun& run, RunStop& stop, const RowDone& onDone);

} // namespace tollwick
