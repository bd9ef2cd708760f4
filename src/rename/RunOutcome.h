// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two ways of running share: the words shown and how a rename's
// result becomes a row's status.

#include "platform/RenameFile.h"
#include "rename/Row.h"
#include "rename/Run.h"
#include "rename/RunStop.h"
#include "rename/Undo.h"

#include <array>
#include <string>

namespace tollwick {

/// The words a run shows: the status words and its own reasons of refusal.
struct RunTexts {
    std::array<std::string, RunStatusCount> Status;
    std::string NoFolder;     // "ReasonNoFolder"
    std::string BadName;      // "ReasonBadName"
    std::string UndoName;     // "ReasonUndoName"
    std::string UndoStopped;  // "ReasonUndoStopped"
    std::string LeftAside;    // "ReasonLeftAside"
    std::string RunStopped;   // "ReasonRunStopped", "%s" the system's reason
    std::string RunCancelled; // "ReasonRunCancelled"
};

[[nodiscard]] RunTexts TextsOf(const TextLookup& lookup);

struct RowResult {
    RunStatus Status = RunStatus::StatusCanNot;
    std::string Reason;
    int Error = 0; // the system's errno of a refused rename
};

[[nodiscard]] RowResult Refused(std::string reason);

/// Why a file is under `temporaryName` after the run: "ReasonLeftAside" with the name.
[[nodiscard]] std::string LeftAside(const RunTexts& texts, const std::string& temporaryName);

/// The result of a row that a stopped run never came to.
[[nodiscard]] RowResult NotReached(const RunStop& stop, const RunTexts& texts);

/// Stops the run at a fault that every later row would meet: the undo
/// file's, or a rename failing for the whole folder. Keeps the first stop.
void NoteStop(const RowResult& done, const UndoRecorder* undo, const std::string& dirName, RunStop& stop);

/// The status of a row after the rename of its file.
[[nodiscard]] RowResult ResultOfRename(const std::string& dirName, const Row& row, const RenameResult& result,
                                       const RunTexts& texts);

/// Why a row that a plan refuses without any file call is refused.
[[nodiscard]] std::string PlannedRefusal(const std::string& dirName, const Row& row, bool undoCheck,
                                         const RunTexts& texts);

} // namespace tollwick
