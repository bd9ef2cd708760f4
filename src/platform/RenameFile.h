// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tollwick {

enum class RenameOutcome {
    Renamed,
    TargetTaken,   // another entry holds the new name; nothing was changed
    SourceMissing, // the old name is not there
    Refused,       // a name that could leave the folder, or the system said no
};

/// False for names that must never reach a file call: empty, ".", "..",
/// or holding "/" or a NUL byte.
[[nodiscard]] bool IsPlainFileName(std::string_view name);

/// Renames folder+oldName to folder+newName without ever replacing an
/// existing entry. A change of letter case alone works also where both
/// spellings reach the same file. `folder` ends with "/".
[[nodiscard]] RenameOutcome RenameNoReplace(const std::string& folder, const std::string& oldName,
                                            const std::string& newName);

} // namespace tollwick
