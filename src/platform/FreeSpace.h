// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tollwick {

/// The room a filesystem has for new files, as statvfs reports it.
struct FolderSpace {
    std::uint64_t freeBytes = 0; // what this process may still take
    std::uint64_t blockSize = 1; // files grow by whole blocks of this size
};

/// The room of the filesystem that holds `folder`; none when statvfs fails.
[[nodiscard]] std::optional<FolderSpace> SpaceOf(const std::string& folder);

} // namespace tollwick
