// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tollwick {

/// What the name mask's tokens read of a file, times in local time to the second.
struct FileStatus {
    LocalDateTime modified;
    LocalDateTime changed; // the status change
    std::uint64_t size = 0;
};

/// The status of the file at `path`; a link counts by what it points to, a
/// dangling one by itself. None when neither can be read.
[[nodiscard]] std::optional<FileStatus> ReadFileStatus(const std::string& path);

} // namespace tollwick
