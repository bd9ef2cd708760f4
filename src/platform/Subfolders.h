// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DirectoryWalk.h"
#include "platform/NameSet.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace tollwick {

/// The names in `folder` that EntryExists does not take for files: folders
/// and links to folders, hidden ones included. One pass over the folder,
/// so a long run can tell a folder from a file without a call per row.
/// Empty when the folder cannot be listed.
[[nodiscard]] std::optional<std::unordered_set<std::string>> SubfolderNames(const std::string& folder);

/// Every name in a folder, hidden ones included, told apart as the run's
/// existence test does: folders (links to folders included) and the rest.
struct FolderNames {
    NameSet files;
    NameSet folders;
};

/// Whether a listed entry is a folder or a link to one, as FolderNames tells them.
[[nodiscard]] bool IsFolderEntry(const DirectoryEntry& entry);

/// One pass over the folder; empty when it cannot be listed whole.
[[nodiscard]] std::optional<FolderNames> ListFolderNames(const std::string& folder);

/// What the run's existence test finds at a path: nothing, a file (any
/// entry but a folder) or a folder (a link to one included).
enum class EntryKind { None, File, Folder };
[[nodiscard]] EntryKind KindOfEntry(const std::string& path);

} // namespace tollwick
