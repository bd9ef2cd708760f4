// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryWalk.h"

#include <cerrno>
#include <dirent.h>
#include <memory>

namespace tollwick {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

WalkResult WalkDirectory(const std::string& folder, const std::function<void(const DirectoryEntry&)>& visit)
{
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        return errno == ENOENT || errno == ENOTDIR ? WalkResult::Missing : WalkResult::Unreadable;
    }
    const int folderFd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            break;
        }
        const int seen = errno;
        visit({folderFd, entry->d_name, entry->d_type});
        errno = seen;
    }
    return errno == 0 ? WalkResult::Complete : WalkResult::Unreadable;
}

} // namespace tollwick
