// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/TextLookup.h"
#include "rename/Undo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// What the run did with one checked row, in the order the run decides them.
enum class RunStatus {
    StatusDontExist, // no file of the old name in the list folder
    StatusCancel,    // the new name equals the old one exactly
    StatusExist,     // another file holds the new name
    StatusRenamed,   // done
    StatusCanNot,    // the system refused, or a name the run will not hand to it
};
inline constexpr std::size_t RunStatusCount = 5;

/// The language key of a status word, which is also its name: "StatusRenamed", ...
[[nodiscard]] std::string_view StatusKey(RunStatus status);

/// What the preview page shows.
struct PreviewInfo {
    std::string PreviewDirLabel;  // the list folder
    std::string PreviewCtyLabel;  // number of checked shown rows, decimal
    std::string PreviewUndoLabel; // text of "PreviewUndoLabel1" with UndoCheck, else "PreviewUndoLabel2"
    std::string ResultTotalLabel; // the same number, for the result page
};

/// Counts the checked shown rows for the preview page.
[[nodiscard]] PreviewInfo PreparePreview(const RenameList& list, const std::string& dirName, bool undoCheck,
                                         const TextLookup& lookup, Progress& progress);

/// The five counters of a run, one per status.
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
    std::string DateText;
    RunStatus Status = RunStatus::StatusCanNot;
    /// Why a StatusCanNot row was refused: the system's text ("Permission
    /// denied") or one of the language's reason texts; empty otherwise.
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
    bool UndoCheck = false;                          // keep an undo file of the run
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
};

/// What the run leaves for the window once it is over.
struct RunSummary {
    RunCounts Counts;
    /// The undo file, when one was made.
    std::string UndoPath;
    UndoOutcome Undo = UndoOutcome::NotDue;
};

/// Called after each checked row with its result line and the counters so far.
using ResultSink = std::function<void(const ResultRow& row, const RunCounts& counts)>;

/// Whether a list folder can be run: absolute and closed by "/". Any
/// other (an empty one, above all) would reach files wherever the program
/// was started, so the run renames nothing then.
[[nodiscard]] bool IsRunnableFolder(std::string_view dirName);

/// Renames the file of every checked shown row from OldName to NewName in
/// shown order, never replacing another file. With UndoCheck the undo file
/// is made before the first rename and names each rename before it is
/// made; when it cannot be made, or a line cannot be written whole, the
/// rows from there on are refused, so nothing is renamed without its
/// record. The rows are not changed. With Ordered, the renames follow
/// PlanRun's order, temporary steps included, and the undo file holds
/// every move in the order made; the result rows still come in shown order.
/// The run holds its folder's FolderLock from before its listing to the
/// end; a folder another run holds is waited for or raises FolderBusy, as
/// WhenBusy says, before anything is done.
RunSummary RunRename(const RenameList& list, const RunOptions& options, const TextLookup& lookup, Progress& progress,
                     const ResultSink& onResult = {});

} // namespace tollwick
