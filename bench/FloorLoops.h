// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The floors the scan and the run are measured against: what a program
// that does nothing but the system calls would cost.

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tollwick::bench {

/// One readdir of the folder and an fstatat per entry: the regular files' names.
inline std::vector<std::string> ScanLoop(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        std::perror(folder.c_str());
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        struct stat status {};
        if (fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode)) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(dir);
    return names;
}

/// One renameat2(RENAME_NOREPLACE) per name, to newName(position); the failures.
template <typename NewName>
std::size_t RenameLoop(const std::string& folder, const std::vector<std::string>& names, NewName newName)
{
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::size_t failed = dir < 0 ? names.size() : 0;
    for (std::size_t k = 0; dir >= 0 && k < names.size(); ++k) {
        const std::string target = newName(k);
        failed += renameat2(dir, names[k].c_str(), dir, target.c_str(), RENAME_NOREPLACE) == 0 ? 0 : 1;
    }
    if (dir >= 0) {
        close(dir);
    }
    return failed;
}

} // namespace tollwick::bench
