// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Directory.h"

#include "platform/DirectoryWalk.h"
#include "platform/Errors.h"
#include "platform/FileDescriptor.h"
#include "platform/NaturalOrder.h"
#include "platform/SysCall.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

// The two-second resolution of file dates.
LocalDateTime FileTimeOf(const struct stat& status)
{
    LocalDateTime local = ToLocalDateTime(status.st_mtim.tv_sec);
    local.second -= local.second % 2;
    return local;
}

bool StatAt(int dirFd, const char* name, int flags, struct stat& status)
{
    return RetryOnInterrupt([&] { return fstatat(dirFd, name, &status, flags); }) == 0;
}

// Decides whether an entry is a file the scan takes, and finds its date.
// Links count by what they point to; a dangling link keeps its own date.
bool ExamineEntry(int dirFd, const char* name, unsigned char type, PackedDateTime& modified)
{
    struct stat status {};
    if (type == DT_UNKNOWN) {
        if (!StatAt(dirFd, name, AT_SYMLINK_NOFOLLOW, status)) {
            modified.reset();
            return true;
        }
        type = S_ISLNK(status.st_mode)   ? DT_LNK
               : S_ISREG(status.st_mode) ? DT_REG
               : S_ISDIR(status.st_mode) ? DT_DIR
                                         : DT_FIFO;
        if (type == DT_REG) {
            modified = FileTimeOf(status);
            return true;
        }
    }
    if (type == DT_REG) {
        // Removed between listing and dating: listed without a date.
        modified.reset();
        if (StatAt(dirFd, name, AT_SYMLINK_NOFOLLOW, status)) {
            modified = FileTimeOf(status);
        }
        return true;
    }
    if (type != DT_LNK) {
        return false;
    }
    if (StatAt(dirFd, name, 0, status)) {
        if (S_ISDIR(status.st_mode)) {
            return false;
        }
        modified = FileTimeOf(status);
        return true;
    }
    modified.reset();
    if (StatAt(dirFd, name, AT_SYMLINK_NOFOLLOW, status)) {
        modified = FileTimeOf(status);
    }
    return true;
}

} // namespace

std::vector<FolderEntry> ListFolderFiles(const std::string& folder, FileDates dates)
{
    std::vector<FolderEntry> entries;
    const WalkResult walked = WalkDirectory(folder, [&](const DirectoryEntry& entry) {
        if (entry.name[0] == '.') {
            return;
        }
        if (dates == FileDates::Skip && entry.type == DT_REG) {
            entries.push_back({entry.name, {}});
            return;
        }
        PackedDateTime modified;
        if (ExamineEntry(entry.folderFd, entry.name, entry.type, modified)) {
            if (dates == FileDates::Skip) {
                modified.reset();
            }
            entries.push_back({entry.name, modified});
        }
    });
    if (walked == WalkResult::Unreadable) {
        // An empty or partial list would look like a folder with fewer files.
        throw CannotListFolder(folder, std::strerror(errno));
    }
    if (walked == WalkResult::Missing) {
        entries.clear();
    }
    SortNaturally(entries, [](const FolderEntry& entry) -> std::string_view { return entry.name; });
    return entries;
}

bool IsExistingDirectory(const std::string& path)
{
    struct stat status {};
    return RetryOnInterrupt([&] { return stat(path.c_str(), &status); }) == 0 && S_ISDIR(status.st_mode);
}

bool IsWritableFolder(const std::string& path)
{
    return IsExistingDirectory(path) && access(path.c_str(), W_OK | X_OK) == 0;
}

bool EntryExists(const std::string& path)
{
    struct stat status {};
    if (RetryOnInterrupt([&] { return lstat(path.c_str(), &status); }) != 0) {
        return false;
    }
    if (S_ISLNK(status.st_mode)) {
        return !IsExistingDirectory(path);
    }
    return !S_ISDIR(status.st_mode);
}

int EntryError(const std::string& path)
{
    struct stat status {};
    return RetryOnInterrupt([&] { return lstat(path.c_str(), &status); }) == 0 ? 0 : errno;
}

std::optional<LocalDateTime> FileModifiedTime(const std::string& folder, const std::string& name)
{
    if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    const FileDescriptor dir = OpenFile(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!dir.IsOpen()) {
        return std::nullopt;
    }
    PackedDateTime modified;
    struct stat status {};
    bool taken = false;
    if (StatAt(dir.Get(), name.c_str(), AT_SYMLINK_NOFOLLOW, status)) {
        const unsigned char type = S_ISREG(status.st_mode) ? DT_REG : S_ISLNK(status.st_mode) ? DT_LNK : DT_DIR;
        taken = ExamineEntry(dir.Get(), name.c_str(), type, modified);
    }
    return taken && modified ? std::optional(*modified) : std::nullopt;
}

} // namespace tollwick
