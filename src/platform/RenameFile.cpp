// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RenameFile.h"

#include "platform/FileDescriptor.h"
#include "platform/SysCall.h"
#include "platform/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

// Random names rarely meet; a folder where a thousand do is no place to work.
constexpr int MaxReservationAttempts = 1000;
// A reservation another process keeps removing is given up on soon.
constexpr int MaxVanishedReservations = 3;

// Creates `name` in the folder empty and keeps it open, failing when any
// entry holds it; errno tells why.
FileDescriptor OpenExclusive(const FolderDescriptor& folder, const std::string& name, mode_t mode = 0600)
{
    if (!folder.IsOpen()) {
        errno = folder.OpenError();
        return {};
    }
    return FileDescriptor(RetryOnInterrupt(
        [&] { return openat(folder.Fd(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode); }));
}

// Creates `name` in the folder empty, failing when any entry holds it: 0 or the errno.
int CreateExclusive(const FolderDescriptor& folder, const std::string& name, mode_t mode = 0600)
{
    return OpenExclusive(folder, name, mode).IsOpen() ? 0 : errno;
}

void RemoveEntry(const FolderDescriptor& folder, const std::string& name)
{
    if (folder.IsOpen()) {
        (void)folder.Calls().UnlinkAt(folder.Fd(), name.c_str());
    }
}

// A plain rename, for a name that only our own reservation holds: 0 or the errno.
int MoveReplacing(const FolderDescriptor& folder, const std::string& from, const std::string& to)
{
    if (!folder.IsOpen()) {
        return folder.OpenError();
    }
    return folder.Calls().RenameAt(folder.Fd(), from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// 0 on success, else the errno of the attempt that decided it.
int MoveNoReplace(const FolderDescriptor& folder, const std::string& from, const std::string& to)
{
    if (!folder.IsOpen()) {
        return folder.OpenError();
    }
    const int fd = folder.Fd();
    SystemCalls& calls = folder.Calls();
    if (calls.RenameAt2(fd, from.c_str(), to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // The filesystem knows no RENAME_NOREPLACE: link refuses a taken name too.
    if (calls.LinkAt(fd, from.c_str(), to.c_str()) == 0) {
        if (calls.UnlinkAt(fd, from.c_str()) == 0) {
            return 0;
        }
        const int error = errno;
        RemoveEntry(folder, to); // one name, as before
        return error;
    }
    if (errno == EEXIST || errno == ENOENT) {
        return errno;
    }
    return detail::MoveByReservation(folder, from, to);
}

RenameOutcome OutcomeOf(int error)
{
    switch (error) {
    case 0:
        return RenameOutcome::Renamed;
    case EEXIST:
    case ENOTEMPTY:
        return RenameOutcome::TargetTaken;
    case ENOENT:
        return RenameOutcome::SourceMissing;
    default:
        return RenameOutcome::Refused;
    }
}

RenameResult ResultOf(int error)
{
    return {OutcomeOf(error), error, {}, false};
}

bool SameFile(const FolderDescriptor& folder, const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return folder.IsOpen() && fstatat(folder.Fd(), a.c_str(), &first, AT_SYMLINK_NOFOLLOW) == 0 &&
           fstatat(folder.Fd(), b.c_str(), &second, AT_SYMLINK_NOFOLLOW) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Whether the folder lists an entry spelled exactly `name`. A folder that
// cannot be read counts as holding it, which keeps the file where it is.
bool FolderListsExactly(const FolderDescriptor& folder, const std::string& name)
{
    if (!folder.IsOpen()) {
        return true;
    }
    // The folder is held for naming only; listing needs a descriptor of its own.
    FileDescriptor listing(
        RetryOnInterrupt([&] { return openat(folder.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (!listing.IsOpen()) {
        return true;
    }
    const std::unique_ptr<DIR, DirCloser> dir(fdopendir(listing.Get()));
    if (!dir) {
        return true;
    }
    (void)listing.Release(); // the listing owns it now
    while (const dirent* entry = readdir(dir.get())) {
        if (name == entry->d_name) {
            return true;
        }
    }
    return false;
}

// Announces the move, makes it and takes the announcement back when it fails.
int JournaledMove(const FolderDescriptor& folder, const std::string& from, const std::string& to, MoveJournal* journal,
                  bool& unrecorded)
{
    if (journal != nullptr && !journal->BeforeMove(from, to)) {
        unrecorded = true;
        return EPERM;
    }
    const int error = MoveNoReplace(folder, from, to);
    if (error != 0 && journal != nullptr) {
        journal->MoveFailed();
    }
    return error;
}

// Both spellings reach one file (a case-blind filesystem, or two links):
// step aside through a temporary name so the change really happens.
RenameResult RenameThroughTemporary(const FolderDescriptor& folder, const std::string& oldName,
                                    const std::string& newName, MoveJournal* journal)
{
    const std::optional<std::string> temporary = ReserveTemporaryName(folder, journal);
    if (!temporary) {
        return ResultOf(errno);
    }
    RenameResult result = MoveOntoReservation(folder, oldName, *temporary, journal);
    if (result.Outcome != RenameOutcome::Renamed) {
        return result;
    }
    bool unrecorded = false;
    result = ResultOf(JournaledMove(folder, *temporary, newName, journal, unrecorded));
    result.Detour = *temporary;
    result.Unrecorded = unrecorded;
    if (result.Outcome != RenameOutcome::Renamed) {
        bool backUnrecorded = false;
        int back = JournaledMove(folder, *temporary, oldName, journal, backUnrecorded);
        if (backUnrecorded) {
            // A record that stopped names the temporary name; the old name is still better.
            back = MoveNoReplace(folder, *temporary, oldName);
        }
        if (back != 0) {
            // The file stays findable: the journal heard of the temporary name.
            result.LeftInDetour = true;
        }
    }
    return result;
}

enum class Reservation { Held, Taken, Vanished };

// A name taken with an empty file, which a path descriptor holds: the inode
// cannot go to another file while it is held, and the file is not open,
// which a FUSE driver answers by keeping a replaced file under a hidden name.
struct HeldReservation {
    FileDescriptor Pin;
    struct stat Identity {};
    int Error = 0; // why the name could not be taken
};

HeldReservation Reserve(const FolderDescriptor& folder, const std::string& name)
{
    HeldReservation held;
    const FileDescriptor created = OpenExclusive(folder, name);
    if (!created.IsOpen() || fstat(created.Get(), &held.Identity) != 0) {
        held.Error = errno;
        return held;
    }
    held.Pin = FileDescriptor(
        RetryOnInterrupt([&] { return openat(folder.Fd(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC); }));
    return held;
}

// Whether `name` is still the empty file of the reservation: another process
// may have renamed its file onto the name, written into ours, or removed it.
Reservation StateOf(const FolderDescriptor& folder, const HeldReservation& held, const std::string& name)
{
    const auto isOurs = [&](const struct stat& found) {
        return found.st_dev == held.Identity.st_dev && found.st_ino == held.Identity.st_ino && S_ISREG(found.st_mode) &&
               found.st_size == 0;
    };
    struct stat pinned {};
    if (fstat(held.Pin.Get(), &pinned) != 0 || !isOurs(pinned)) {
        return held.Pin.IsOpen() ? Reservation::Taken : Reservation::Vanished;
    }
    struct stat named {};
    if (fstatat(folder.Fd(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? Reservation::Vanished : Reservation::Taken;
    }
    return isOurs(named) ? Reservation::Held : Reservation::Taken;
}

} // namespace

namespace detail {

int MoveByReservation(const FolderDescriptor& folder, const std::string& from, const std::string& to,
                      const std::function<void()>& afterReserving)
{
    // The reservation is ours alone, so replacing it replaces nothing else;
    // a test of the name followed by a rename could lose a file that
    // turned up in between.
    for (int attempt = 0; attempt < MaxVanishedReservations; ++attempt) {
        const HeldReservation held = Reserve(folder, to);
        if (held.Error != 0) {
            return held.Error;
        }
        if (afterReserving) {
            afterReserving();
        }
        // Another process may have put its own file under the name since:
        // looked at last thing before the rename, which narrows the loss to
        // a file that arrives between these two calls.
        const Reservation state = StateOf(folder, held, to);
        if (state == Reservation::Vanished) {
            continue;
        }
        if (state == Reservation::Taken) {
            return EEXIST;
        }
        const int error = MoveReplacing(folder, from, to);
        if (error != 0 && StateOf(folder, held, to) == Reservation::Held) {
            RemoveEntry(folder, to);
        }
        return error;
    }
    return EEXIST;
}

} // namespace detail

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

RenameResult RenameNoReplace(const FolderDescriptor& folder, const std::string& oldName, const std::string& newName,
                             MoveJournal* journal)
{
    if (!IsPlainFileName(oldName) || !IsPlainFileName(newName)) {
        return {};
    }
    bool unrecorded = false;
    const int error = JournaledMove(folder, oldName, newName, journal, unrecorded);
    if (unrecorded) {
        RenameResult result = ResultOf(error);
        result.Unrecorded = true;
        return result;
    }
    // Where case is ignored, the new spelling is "taken" by the file itself.
    if (error == EEXIST && oldName != newName && EqualIgnoringCase(oldName, newName) &&
        (SameFile(folder, oldName, newName) || !FolderListsExactly(folder, newName))) {
        return RenameThroughTemporary(folder, oldName, newName, journal);
    }
    return ResultOf(error);
}

std::optional<std::string> ReserveTemporaryName(const FolderDescriptor& folder, MoveJournal* journal)
{
    std::random_device random;
    for (int attempt = 0; attempt < MaxReservationAttempts; ++attempt) {
        char number[17];
        (void)std::snprintf(number, sizeof number, "%08x%08x", random(), random());
        std::string name = ".tollwick-" + std::to_string(getpid()) + "-" + number;
        if (journal != nullptr && !journal->BeforeReserve(name)) {
            errno = EPERM;
            return std::nullopt;
        }
        // No permission at all: a reservation left by a kill is told from
        // any file of the user's, which the undo must never remove.
        const int error = CreateExclusive(folder, name, 0);
        if (error == 0) {
            return name;
        }
        if (journal != nullptr) {
            journal->MoveFailed();
        }
        if (error != EEXIST) {
            errno = error;
            return std::nullopt;
        }
    }
    errno = EEXIST;
    return std::nullopt;
}

RenameResult MoveOntoReservation(const FolderDescriptor& folder, const std::string& oldName,
                                 const std::string& reservedName, MoveJournal* journal)
{
    if (!IsPlainFileName(oldName)) {
        RemoveEntry(folder, reservedName);
        return {};
    }
    if (journal != nullptr && !journal->BeforeMove(oldName, reservedName)) {
        RemoveEntry(folder, reservedName);
        RenameResult result;
        result.Unrecorded = true;
        return result;
    }
    const int error = MoveReplacing(folder, oldName, reservedName);
    if (error == 0) {
        return ResultOf(0);
    }
    RemoveEntry(folder, reservedName);
    if (journal != nullptr) {
        journal->MoveFailed();
    }
    return ResultOf(error);
}

void ReleaseReservation(const FolderDescriptor& folder, const std::string& reservedName)
{
    RemoveEntry(folder, reservedName);
}

bool RemoveLeftReservation(const FolderDescriptor& folder, const std::string& reservedName, bool anyMode)
{
    struct stat status {};
    if (!folder.IsOpen() || !IsPlainFileName(reservedName) ||
        fstatat(folder.Fd(), reservedName.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return false;
    }
    const bool permissionless = (status.st_mode & 07777U) == 0;
    if (!S_ISREG(status.st_mode) || status.st_size != 0 || !(anyMode || permissionless)) {
        return false;
    }
    return unlinkat(folder.Fd(), reservedName.c_str(), 0) == 0;
}

std::string SystemErrorText(int error)
{
    char buffer[256];
    // The GNU strerror_r gives back a pointer that may or may not be the buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

} // namespace tollwick
