// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace tollwick {

/// A folder as the system reaches it, or why it cannot be reached.
struct ResolvedFolder {
    /// Absolute, with every symbolic link, "." and ".." resolved as the
    /// kernel resolves them, and a closing "/"; empty on failure.
    std::optional<std::string> folder;
    /// The system's reason when `folder` is empty, as in "Not a directory".
    std::string reason;
};

/// Resolves `path` (relative ones from the working folder) once, so that
/// what is checked is the folder that is later listed and renamed in:
/// "X/link/.." names the parent of the link's target, not X.
[[nodiscard]] ResolvedFolder ResolveFolder(const std::string& path);

} // namespace tollwick
