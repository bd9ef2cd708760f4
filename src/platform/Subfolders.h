// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <unordered_set>

namespace tollwick {

/// The names in `folder` that EntryExists does not take for files: folders
/// and links to folders, hidden ones included. One pass over the folder,
/// so a long run can tell a folder from a file without a call per row.
/// Empty when the folder cannot be listed.
[[nodiscard]] std::optional<std::unordered_set<std::string>> SubfolderNames(const std::string& folder);

} // namespace tollwick
