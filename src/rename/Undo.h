// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AppendFile.h"
#include "platform/Clock.h"
#include "platform/RenameFile.h"
#include "platform/SystemCalls.h"
#include "rename/Filter.h"
#include "rename/RunStop.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The undo line of a renamed file: its present name, ">", its earlier name.
[[nodiscard]] std::string UndoLine(std::string_view newName, std::string_view oldName);
/// The line of a temporary name reserved in the folder, written before the
/// empty file that holds it is made: the name and ">" with no earlier name
/// (no file ever had an empty name). Loaders that know no such line load
/// it as a row that no run can carry out, so such a file loads anywhere.
[[nodiscard]] std::string ReservationLine(std::string_view reservedName);

/// A temporary name an undo file says was reserved.
struct UndoReservation {
    std::string Name;
    /// A later line moves a file onto the name: an empty file there may be
    /// the user's, unless it has no permission at all, as reservations do.
    bool FileMovedThere = false;
    friend bool operator==(const UndoReservation&, const UndoReservation&) = default;
};

/// Whether a rename in `dirName` can be written to an undo file so that
/// loading it reads back the same folder and names: no line break in any
/// of them and no ">" in the new name, which loading would split at.
[[nodiscard]] bool UndoCanRecord(std::string_view dirName, std::string_view oldName, std::string_view newName);

/// How the undo file of a run ended.
enum class UndoOutcome {
    NotDue,     // no undo file was asked for, or nothing was renamed
    Written,    // the file is there, whole
    NotWritten, // it could not be made, written or synced: renaming stopped there
};

/// How an undo load ended.
enum class UndoLoadOutcome {
    Loaded,
    NoRenaming, // the file records no renaming: the lists are empty and no filter pass ran
};

/// The language key of the message each outcome is shown with: "Msg6" for
/// a written undo file, "Msg7" for one that is not (its "%s" stands for the
/// undo folder), "Msg1" for an undo file without renamings; empty where
/// nothing is shown.
[[nodiscard]] std::string_view MessageKeyOf(UndoOutcome outcome);
[[nodiscard]] std::string_view MessageKeyOf(UndoLoadOutcome outcome);

/// Whether undo files can be made in `undoFolder`: it is there and may be written.
[[nodiscard]] bool UndoFolderReady(const std::string& undoFolder);

/// The undo file of one run, and the journal of its moves: each move, and
/// each temporary name reserved, is written down before it is made and
/// taken back when it fails, so the file names every file the run moved or
/// made, wherever a kill stops it. The file
/// is made before the first move, named by the local time then
/// ("2005-11-30_11-30-19.twu", or "_2", "_3", ... before ".twu" when that
/// name is taken), CR LF after every line. It is synced, with its folder,
/// before the first move is made, then at most a second apart. Once the
/// file cannot be made, a line cannot be written whole, a sync fails or
/// another program changes the file, every further move is refused.
class UndoRecorder final : public MoveJournal {
public:
    UndoRecorder(std::string dirName, std::string undoFolder, std::function<LocalDateTime()> clock,
                 SystemCalls& calls = RealSystemCalls(),
                 std::chrono::milliseconds syncInterval = std::chrono::seconds(1));

    bool BeforeMove(const std::string& from, const std::string& to) override;
    bool BeforeReserve(const std::string& name) override;
    void MoveFailed() override;

    /// True once moves are refused.
    [[nodiscard]] bool Stopped() const override { return stopped_; }
    /// Why moves are refused, or why the finished file is not whole.
    [[nodiscard]] RunStop Fault() const;

    struct Outcome {
        std::string Path; // the file, when one was made and holds a renaming
        UndoOutcome Result = UndoOutcome::NotDue;
    };
    /// Syncs the file to disk and reports on it; a file that records no
    /// move is removed again.
    [[nodiscard]] Outcome Finish();

private:
    bool Open();
    bool Append(const std::string& line, bool move);

    std::string dirName_; // the file's first line
    std::string undoFolder_;
    std::function<LocalDateTime()> clock_;
    SystemCalls& calls_;
    std::chrono::milliseconds syncInterval_;
    std::size_t lines_ = 0; // lines after the folder's
    std::size_t moves_ = 0; // of them, undo lines of moves
    bool lastIsMove_ = false;
    std::optional<AppendFile> file_;
    bool opened_ = false;  // the file was asked for
    bool stopped_ = false; // it could not be made, or a line did not fit
};

/// The list page after an undo load.
struct UndoLoad {
    /// NoRenaming when the file holds fewer than two lines, or a first line
    /// that is no absolute folder: both lists are empty then, the list
    /// folder stays as it was and no filter pass ran.
    UndoLoadOutcome Outcome = UndoLoadOutcome::Loaded;
    std::string DirName;   // the list folder afterwards
    FilterSettings Filter; // the filter settings as the closing pass left them
    /// The temporary names the file says were reserved, for the undo run to
    /// remove where a stopped run left them; they make no rows.
    std::vector<UndoReservation> Reservations;
};

/// Replaces the rename list by one unchecked row per undo line, newest
/// first (the file's last line is row 0), each leading a file back to its
/// earlier name, so that running the rows takes back the renames in the
/// reverse of the order they were made. A last line without its line end
/// (a record cut short) is not loaded, nor are reservation lines, which go
/// to Reservations. Ends with a filter pass.
/// A file that cannot be read raises "Cannot open file %s" before anything
/// is touched.
UndoLoad LoadUndoFile(RenameList& list, const std::string& path, const std::string& dirName,
                      const FilterSettings& filter, Progress& progress);

/// Removes from `dirName` the empty files of reservations a stopped run
/// left (RemoveLeftReservation); files moved there stay for the rows.
void RemoveLeftReservations(const std::string& dirName, const std::vector<UndoReservation>& reservations);

} // namespace tollwick
