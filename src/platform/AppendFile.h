// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tollwick {

/// A record that grows line by line while work goes on, so that a crash or
/// a kill loses at most the line being written. It never replaces another
/// file: the name is taken by an exclusive create. Each line reaches the
/// kernel at once; the disk is synced at most once per `syncInterval` and
/// when the record is finished.
class AppendFile {
public:
    /// Creates stem + extension, or stem + "_2" + extension, "_3", ... when
    /// the name is taken. Empty when no file could be made there.
    [[nodiscard]] static std::optional<AppendFile>
    CreateUnique(const std::string& stem, const std::string& extension,
                 std::chrono::milliseconds syncInterval = std::chrono::seconds(1));

    AppendFile(AppendFile&& other) noexcept = default;
    AppendFile& operator=(AppendFile&& other) noexcept = default;
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    /// Closes without the final sync; what was written stays in the kernel's hands.
    ~AppendFile() = default;

    /// Writes the line and CR LF; false when it did not reach the kernel.
    /// A line that is not written whole is cut off again and nothing more
    /// is written, so the file ends with its last whole line.
    bool AppendLine(std::string_view line);
    /// Syncs the file and its folder to disk and closes it. False when any
    /// write, sync or the close failed.
    bool Finish();

    /// Cuts off the line written last; false when it cannot be cut (then
    /// nothing more is written).
    bool DropLastLine();
    /// Closes and removes the file: a record that holds nothing worth keeping.
    void Discard();

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] bool Failed() const { return writeFailed_ || syncFailed_; }

private:
    AppendFile(FileDescriptor fd, std::string path, std::chrono::milliseconds syncInterval);
    void SyncToDisk();

    FileDescriptor fd_;
    std::string path_;
    std::chrono::milliseconds syncInterval_;
    std::chrono::steady_clock::time_point lastSync_;
    off_t wholeSize_ = 0; // bytes of the whole lines written
    off_t lastLineStart_ = 0;
    bool writeFailed_ = false; // no more lines may follow
    bool syncFailed_ = false;  // the lines may not be on disk
    bool folderSynced_ = false;
    std::string buffer_;
};

} // namespace tollwick
