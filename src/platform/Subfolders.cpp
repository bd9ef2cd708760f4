// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Subfolders.h"

#include "platform/SysCall.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>

namespace tollwick {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

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

std::optional<FolderNames> ListFolderNames(const std::string& folder)
{
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    FolderNames names;
    const int dirFd = dirfd(dir.get());
    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            (IsFolderAt(dirFd, entry->d_name, entry->d_type) ? names.folders : names.files).emplace(name);
        }
        errno = 0;
    }
    if (errno != 0) {
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
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    std::unordered_set<std::string> names;
    const int dirFd = dirfd(dir.get());
    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (IsFolderAt(dirFd, entry->d_name, entry->d_type)) {
            names.insert(entry->d_name);
        }
        errno = 0;
    }
    // A listing cut short by an error could miss a folder.
    if (errno != 0) {
        return std::nullopt;
    }
    return names;
}

} // namespace tollwick
