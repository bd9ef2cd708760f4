// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/SharedMapping.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tollwick {

/// A record that grows line by line while work goes on, so that a crash or
/// a kill loses at most the line being written. It never replaces another
/// file: the name is taken by an exclusive create. Each line reaches the
/// kernel at once, without a system call of its own: the file is mapped
/// into memory and grown in large steps that reserve their disk space, so
/// a full disk shows when the file grows. Until Finish trims it, the file
/// ends in NUL bytes after its last line, as it stays after a kill;
/// readers take the text up to the first NUL and drop a last line without
/// its line end. Where the file cannot be mapped, each line is written by
/// one write() instead. The disk is synced at most once per
/// `syncInterval` and when the record is finished.
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

    /// Writes the line, which holds no line break, and CR LF; false when it
    /// did not reach the kernel. A line that is not written whole is cut
    /// off again and nothing more is written, so the file ends with its
    /// last whole line.
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
    bool MapLine(std::string_view line);
    bool WriteLine(std::string_view line);
    [[nodiscard]] bool GrowFor(std::size_t needed);
    void StopMapping();
    bool TrimToWholeLines();
    void SyncWhenDue();
    void SyncToDisk();

    FileDescriptor fd_;
    std::string path_;
    std::chrono::milliseconds syncInterval_;
    std::chrono::steady_clock::time_point lastSync_;
    SharedMapping mapping_;
    bool mapped_ = true;        // lines go into the mapping; false once it failed
    std::size_t size_ = 0;      // the file's length, reserved bytes included
    std::size_t wholeSize_ = 0; // bytes of the whole lines written
    std::size_t lastLineStart_ = 0;
    unsigned linesSinceClock_ = 0;
    bool writeFailed_ = false; // no more lines may follow
    bool syncFailed_ = false;  // the lines may not be on disk
    bool folderSynced_ = false;
    std::string buffer_;
};

} // namespace tollwick
