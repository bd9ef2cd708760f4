// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RenameFile.h"

#include "platform/SysCall.h"
#include "platform/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

// 0 on success, else the errno of the attempt that decided it.
int MoveNoReplace(const std::string& from, const std::string& to)
{
    if (RetryOnInterrupt([&] { return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE); }) ==
        0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // The filesystem knows no RENAME_NOREPLACE: link refuses a taken name too.
    if (RetryOnInterrupt([&] { return link(from.c_str(), to.c_str()); }) == 0) {
        return RetryOnInterrupt([&] { return unlink(from.c_str()); }) == 0 ? 0 : errno;
    }
    if (errno == EEXIST || errno == ENOENT) {
        return errno;
    }
    struct stat status {};
    if (lstat(to.c_str(), &status) == 0) {
        return EEXIST;
    }
    return RetryOnInterrupt([&] { return rename(from.c_str(), to.c_str()); }) == 0 ? 0 : errno;
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

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return lstat(a.c_str(), &first) == 0 && lstat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// Both spellings reach one file (a case-blind filesystem, or two links):
// step aside through a temporary name so the change really happens.
RenameOutcome RenameThroughTemporary(const std::string& folder, const std::string& from, const std::string& to)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary =
            folder + ".tollwick-case-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int aside = MoveNoReplace(from, temporary);
        if (aside == EEXIST) {
            continue;
        }
        if (aside != 0) {
            return OutcomeOf(aside);
        }
        const int done = MoveNoReplace(temporary, to);
        if (done == 0) {
            return RenameOutcome::Renamed;
        }
        // Leave the file as it was found.
        if (MoveNoReplace(temporary, from) != 0) {
            (void)std::fprintf(stderr, "tollwick: %s could not be put back from %s\n", from.c_str(), temporary.c_str());
        }
        return done == EEXIST ? RenameOutcome::TargetTaken : RenameOutcome::Refused;
    }
    return RenameOutcome::Refused;
}

} // namespace

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

RenameOutcome RenameNoReplace(const std::string& folder, const std::string& oldName, const std::string& newName)
{
    if (!IsPlainFileName(oldName) || !IsPlainFileName(newName)) {
        return RenameOutcome::Refused;
    }
    const std::string from = folder + oldName;
    const std::string to = folder + newName;
    const int error = MoveNoReplace(from, to);
    if (error == EEXIST && oldName != newName && EqualIgnoringCase(oldName, newName) && SameFile(from, to)) {
        return RenameThroughTemporary(folder, from, to);
    }
    return OutcomeOf(error);
}

} // namespace tollwick
