// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/SystemCalls.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/RunStop.h"
#include "rename/TextLookup.h"
#include "rename/Undo.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// What the run did with one checked row, in the order the run decides them.
enum class RunStatus {
    StatusDontExist,  // no file of the old name in the list folder
    StatusCancel,     // the new name equals the old one exactly
    StatusExist,      // another file holds the new name
    StatusRenamed,    // done
    StatusCanNot,     // the system refused, or a name the run will not hand to it
    StatusNotReached, // the run stopped before it came to the row
};
inline constexpr std::size_t RunStatusCount = 6;

/// The language key of a status word, which is also its name: "StatusRenamed", ...
[[nodiscard]] std::string_view StatusKey(RunStatus status);

/// What the preview page shows.
struct PreviewInfo {
    std::string folder;       // the list folder
    std::string checkedCount; // number of checked shown rows, decimal
    std::string undoLine;     // text of "PreviewUndoLabel1" with UndoCheck, else "PreviewUndoLabel2"
    std::string totalCount;   // the same number, for the result page
};

/// Counts the checked shown rows for the preview page.
[[nodiscard]] PreviewInfo PreparePreview(const RenameList& list, const std::string& dirName, bool undoCheck,
                                         const TextLookup& lookup, Progress& progress);

/// The counters of a run, one per status.
struct RunCounts {
    std::array<std::int32_t, RunStatusCount> ByStatus{};
    [[nodiscard]] std::int32_t Of(RunStatus status) const { return ByStatus[static_cast<std::size_t>(status)]; }
    friend bool operator==(const RunCounts&, const RunCounts&) = default;
};

/// One line of the result page.
struct ResultRow {
    std::string OldName;
    std::string NewName;
    std::string StatusText; // the language text of the status
    RowDate Date;           // made a text only where it is shown
    RunStatus Status = RunStatus::StatusCanNot;
    /// Why a StatusCanNot row was refused: the system's text ("Permission
    /// denied") or one of the language's reason texts; why the run stopped
    /// before a StatusNotReached row; empty otherwise.
    std::string Reason;
};

/// What a run does when another Tollwick run renames in its folder.
struct FolderWait {
    /// Wait until the other run ends; else raise FolderBusy at once.
    bool Wait = false;
    /// Told as the wait begins (true) and as it ends (false).
    std::function<void(bool waiting)> OnWait;
};

/// What the run reads besides the rows.
struct RunOptions {
    std::string DirName;                             // the list folder, ending with "/"
    bool writeUndo = false;                          // keep an undo file of the run
    std::string UndoFolder;                          // the application home's "undo/"
    std::function<LocalDateTime()> Clock = NowLocal; // names the undo file
    /// Rename in an order that lets chains, shifts, swaps and cycles
    /// succeed: a row waits for the row that frees its new name, and each
    /// cycle goes through a temporary name. Off, the rows run strictly in
    /// shown order.
    bool Ordered = false;
    FolderWait WhenBusy;
    /// Of an undo file loaded: removed before the rows run, where a stopped
    /// run left them (RemoveLeftReservations).
    std::vector<UndoReservation> Reservations;
    /// The renames and the syncs of the undo file go through these.
    SystemCalls* Calls = &RealSystemCalls();
    /// The least time between two syncs of the undo file during the run.
    std::chrono::milliseconds UndoSyncInterval = std::chrono::seconds(1);
    /// A stop asked for (Stop in the window, SIGINT in tollwick-batch): the
    /// run ends after the rename in progress, and never while a file of a
    /// cycle waits under its temporary name.
    std::stop_token stopRequest;
};

/// What the run leaves for the window once it is over.
struct RunSummary {
    RunCounts Counts;
    /// The undo file, when one was made.
    std::string UndoPath;
    UndoOutcome Undo = UndoOutcome::NotDue;
    /// What stopped the run, or left its undo file unsure at the end.
    RunStop Stop;
};

/// Whether a run, or a forecast, of these counts leaves a checked row not
/// renamed: missing, taken, refused or not reached. Unchanged rows are no failure.
[[nodiscard]] bool LeavesRowsUnrenamed(const RunCounts& counts);

/// Called after each checked row with its result line and the counters so far.
using ResultSink = std::function<void(const ResultRow& row, const RunCounts& counts)>;

/// Whether a list folder can be run: absolute and closed by "/". Any
/// other (an empty one, above all) would reach files wherever the program
/// was started, so the run renames nothing then.
[[nodiscard]] bool IsRunnableFolder(std::string_view dirName);

/// Renames the file of every checked shown row from OldName to NewName in
/// shown order, never replacing another file. With writeUndo the undo file
/// is made before the first rename and names each rename before it is
/// made, and reaches the disk, with its folder entry, before the first
/// rename and then at most a second apart. When it cannot be made, written
/// or synced, the run stops before the next rename, so nothing is renamed
/// without its record; a rename that fails for the whole folder (EIO,
/// EROFS, ENOSPC, EDQUOT) stops it too. The rows after a stop get
/// StatusNotReached and the summary says why. The rows are not changed.
/// With Ordered, the renames follow PlanRun's order, temporary steps
/// included, and the undo file holds every move in the order made; the
/// result rows still come in shown order. The run holds its folder's
/// FolderLock from before its listing to the end; a folder another run
/// holds is waited for or raises FolderBusy, as WhenBusy says, before
/// anything is done.
RunSummary RunRename(const RenameList& list, const RunOptions& options, const TextLookup& lookup, Progress& progress,
                     const ResultSink& onResult = {});

} // namespace tollwick
