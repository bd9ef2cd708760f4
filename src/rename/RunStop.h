// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/TextLookup.h"

#include <string>

namespace tollwick {

/// What stopped a run before its last row, or left its undo file unsure
/// at the end. The rows after the stop get StatusNotReached.
struct RunStop {
    enum class Cause {
        None,
        UndoNotMade, // the undo file could not be made in its folder
        UndoRecord,  // the undo file could not be written or synced, or another program changed it
        Folder,      // a rename failed in a way that no other file of the list folder escapes
        Cancelled,   // the user asked the run to stop
    };
    Cause Why = Cause::None;
    std::string Path; // the undo folder, the undo file (or its folder), or the list folder
    int Error = 0;    // the system's errno; 0 when another program changed the undo file
    [[nodiscard]] bool Stopped() const { return Why != Cause::None; }
};

/// Whether a rename's errno tells of the folder rather than of one file
/// (EIO, EROFS, ENOSPC, EDQUOT): no later rename there can succeed.
[[nodiscard]] bool FailsTheWholeFolder(int error);

/// The message a stopped run is shown with: "Msg7" with the undo folder,
/// "UndoFault" with the undo file and the system's reason, "RunStopped"
/// with the list folder and the reason, or "RunCancelled" with the list
/// folder. Empty when nothing stopped the run.
[[nodiscard]] std::string StopMessage(const RunStop& stop, const TextLookup& lookup);

/// `text` with "%1" and "%2" replaced by `first` and `second`, in one pass,
/// so a path holding "%2" stays as it is.
[[nodiscard]] std::string FillIn(std::string_view text, std::string_view first, std::string_view second = {});

} // namespace tollwick
