// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FolderDescriptor.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

enum class RenameOutcome {
    Renamed,
    TargetTaken,   // another entry holds the new name; nothing was changed
    SourceMissing, // the old name is not there
    Refused,       // a name that could leave the folder, or the system said no
};

/// What one rename did.
struct RenameResult {
    RenameOutcome Outcome = RenameOutcome::Refused;
    /// The system's errno of a refusal; 0 when renamed or when the name was
    /// refused before any call.
    int Error = 0;
    /// The temporary name a change of letter case went through, when it did.
    std::string Detour;
    /// True when the file is still under Detour (the move back failed).
    bool LeftInDetour = false;
    /// True when the journal forbade a move.
    bool Unrecorded = false;
};

/// Hears of each move before it is made, so that a record names the
/// file's new place before the file gets there.
class MoveJournal {
public:
    MoveJournal() = default;
    MoveJournal(const MoveJournal&) = delete;
    MoveJournal& operator=(const MoveJournal&) = delete;
    MoveJournal(MoveJournal&&) = delete;
    MoveJournal& operator=(MoveJournal&&) = delete;
    virtual ~MoveJournal() = default;
    /// Before `from` moves to `to` in the folder; false forbids the move.
    virtual bool BeforeMove(const std::string& from, const std::string& to) = 0;
    /// Before the empty file that reserves a temporary name is made, so
    /// that a record names it even when a kill comes before the move onto
    /// it; false forbids it.
    virtual bool BeforeReserve(const std::string& /*name*/) { return true; }
    /// The move or reservation announced last did not happen.
    virtual void MoveFailed() = 0;
    /// True once the journal forbids every further move.
    [[nodiscard]] virtual bool Stopped() const { return false; }
};

/// False for names that must never reach a file call: empty, ".", "..",
/// or holding "/" or a NUL byte.
[[nodiscard]] bool IsPlainFileName(std::string_view name);

/// Renames oldName to newName in `folder` without ever replacing an
/// existing entry, on any filesystem. A change of letter case alone works
/// also where both spellings reach the same file, or where the filesystem
/// ignores case while reporting each spelling as a file of its own: it goes
/// through a temporary name then.
[[nodiscard]] RenameResult RenameNoReplace(const FolderDescriptor& folder, const std::string& oldName,
                                           const std::string& newName, MoveJournal* journal = nullptr);

/// A recognisable name in `folder` (".tollwick-<pid>-<random hex>") that nothing
/// else can take: an empty file without any permission holds it until
/// MoveOntoReservation or ReleaseReservation. The journal hears of the name
/// before the file is made. Empty when no such file could be made or the
/// journal forbade it.
[[nodiscard]] std::optional<std::string> ReserveTemporaryName(const FolderDescriptor& folder,
                                                              MoveJournal* journal = nullptr);

/// Moves oldName in `folder` onto a name that ReserveTemporaryName gave,
/// replacing the empty file that holds it; the reservation goes when the
/// move fails or the journal forbids it.
[[nodiscard]] RenameResult MoveOntoReservation(const FolderDescriptor& folder, const std::string& oldName,
                                               const std::string& reservedName, MoveJournal* journal = nullptr);

/// Removes the empty file of a reservation that was not used.
void ReleaseReservation(const FolderDescriptor& folder, const std::string& reservedName);

/// Removes `reservedName` where a run that was stopped left its reservation:
/// an empty regular file, and one without any permission (as
/// ReserveTemporaryName makes it) unless `anyMode`, for a name no file was
/// ever moved onto. True when it was removed.
bool RemoveLeftReservation(const FolderDescriptor& folder, const std::string& reservedName, bool anyMode);

/// The system's text for an errno ("Permission denied").
[[nodiscard]] std::string SystemErrorText(int error);

namespace detail {
/// The last way of renaming without replacing, for filesystems that know
/// neither RENAME_NOREPLACE nor hard links: 0 or the errno. afterReserving
/// runs where another process could step in, between taking the new name
/// and moving onto it.
[[nodiscard]] int MoveByReservation(const FolderDescriptor& folder, const std::string& from, const std::string& to,
                                    const std::function<void()>& afterReserving = {});
} // namespace detail

} // namespace tollwick
