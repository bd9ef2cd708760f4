// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace tollwick {

/// One entry of a folder as readdir reports it.
struct DirectoryEntry {
    int folderFd;       // the open folder, for *at() calls on the name
    const char* name;   // without folder
    unsigned char type; // DT_REG, DT_DIR, DT_LNK, ..., or DT_UNKNOWN
};

/// How a walk over a folder ended.
enum class WalkResult {
    Complete,
    Missing,    // there is no folder of that name (or it is no folder)
    Unreadable, // the folder is there but could not be read whole; errno tells why
};

/// Calls `visit` for every entry of `folder`, "." and ".." included, in the
/// order the system gives them. A walk that ends early by an error says so,
/// with errno kept, so no caller mistakes a part for the whole.
[[nodiscard]] WalkResult WalkDirectory(const std::string& folder,
                                       const std::function<void(const DirectoryEntry&)>& visit);

} // namespace tollwick
