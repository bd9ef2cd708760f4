// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tollwick {

/// What changes when a file's contents may have changed. The change time is
/// there because taggers often put the modification time back after writing.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

/// The stamp of the file at `path`, links followed; empty when it cannot be read.
[[nodiscard]] std::optional<FileStamp> StampOf(const std::string& path);

} // namespace tollwick
