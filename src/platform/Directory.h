// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/PackedDateTime.h"

#include <optional>
#include <string>
#include <vector>

namespace tollwick {

struct FolderEntry {
    std::string name;
    /// Local modification time at two-second resolution; empty when the entry could not be read.
    PackedDateTime modified;
};

/// Whether a listing reads each file's date: one call a file more.
enum class FileDates { Read, Skip };

/// The files of a folder as the scan takes them: no hidden names, no
/// folders (links to folders included), nothing but regular files and
/// links; in the natural order of their names (NaturalOrder.h).
/// A folder that is not there gives an empty list; one that is there but
/// cannot be read whole raises "Cannot list folder %s: reason".
/// With FileDates::Skip no entry has a date, and only entries whose type
/// the listing does not tell are examined.
[[nodiscard]] std::vector<FolderEntry> ListFolderFiles(const std::string& folder, FileDates dates = FileDates::Read);

[[nodiscard]] bool IsExistingDirectory(const std::string& path);
/// A folder this process may create files in.
[[nodiscard]] bool IsWritableFolder(const std::string& path);
/// The run's existence test: the entry is there and is not a folder.
[[nodiscard]] bool EntryExists(const std::string& path);
/// Why the entry at `path` cannot be reached (the errno of lstat), or 0.
[[nodiscard]] int EntryError(const std::string& path);
/// The modification time of a file as the scan would take it; empty for a
/// missing, hidden or non-file entry.
[[nodiscard]] std::optional<LocalDateTime> FileModifiedTime(const std::string& folder, const std::string& name);

} // namespace tollwick
