// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Subfolders.h"

#include "platform/DirectoryWalk.h"
#include "platform/SysCall.h"

#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>

namespace tollwick {
namespace {

bool IsFolderAt(int dirFd, const char* name, unsigned char type)
{
    if (type == DT_DIR) {
        return true;
    }
    if (type != DT_LNK && type != DT_UNKNOWN) {
        return false;
    }
    // Links count by what they point to, as in EntryExists.
    struct stat status {};
    return RetryOnInterrupt([&] { return fstatat(dirFd, name, &status, 0); }) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

bool IsFolderEntry(const DirectoryEntry& entry)
{
    return IsFolderAt(entry.folderFd, entry.name, entry.type);
}

std::optional<FolderNames> ListFolderNames(const std::string& folder)
{
    FolderNames names;
    const WalkResult walked = WalkDirectory(folder, [&names](const DirectoryEntry& entry) {
        const std::string_view name = entry.name;
        if (name != "." && name != "..") {
            (IsFolderAt(entry.folderFd, entry.name, entry.type) ? names.folders : names.files).Insert(name);
        }
    });
    if (walked != WalkResult::Complete) {
        return std::nullopt;
    }
    return names;
}

EntryKind KindOfEntry(const std::string& path)
{
    struct stat status {};
    if (RetryOnInterrupt([&] { return lstat(path.c_str(), &status); }) != 0) {
        return EntryKind::None;
    }
    if (S_ISLNK(status.st_mode) && RetryOnInterrupt([&] { return stat(path.c_str(), &status); }) != 0) {
        return EntryKind::File; // a dangling link is a file to the run
    }
    return S_ISDIR(status.st_mode) ? EntryKind::Folder : EntryKind::File;
}

std::optional<std::unordered_set<std::string>> SubfolderNames(const std::string& folder)
{
    std::unordered_set<std::string> names;
    const WalkResult walked = WalkDirectory(folder, [&names](const DirectoryEntry& entry) {
        if (IsFolderAt(entry.folderFd, entry.name, entry.type)) {
            names.insert(entry.name);
        }
    });
    // A listing cut short could miss a folder.
    if (walked != WalkResult::Complete) {
        return std::nullopt;
    }
    return names;
}

} // namespace tollwick
