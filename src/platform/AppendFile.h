// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/SystemCalls.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// What stopped a record: the first fault, which ends every write after it.
struct RecordFault {
    enum class Kind {
        None,
        Write,   // a line could not be written (a full disk, say)
        Sync,    // the file or its folder could not be synced to disk
        Changed, // another program cut the file short, grew it or put another file in its place
    };
    Kind What = Kind::None;
    int Error = 0;    // the system's errno; 0 for Changed
    std::string Path; // the file, or its folder when the folder's sync failed
};

/// A record that grows line by line while work goes on, so that a crash or
/// a kill loses at most the line being written. It never replaces another
/// file: the name is taken by an exclusive create. Each line reaches the
/// kernel at once, by one pwrite() at the place the record's own lines
/// end: never a store into a mapping, which another program cutting the
/// file short would turn into a SIGBUS. Before each line the file's length
/// is compared with the lines written, so a file cut short or grown by
/// someone else stops the record at the next line instead of being
/// written on with a hole before; every 64 lines, at each sync and at the
/// end it is also checked to be still the file under its name.
class AppendFile {
public:
    /// Creates stem + extension, or stem + "_2" + extension, "_3", ... when
    /// the name is taken. Empty, errno set, when no file could be made there.
    [[nodiscard]] static std::optional<AppendFile>
    CreateUnique(const std::string& stem, const std::string& extension, SystemCalls& calls = RealSystemCalls(),
                 std::chrono::milliseconds syncInterval = std::chrono::seconds(1));

    AppendFile(AppendFile&& other) noexcept = default;
    AppendFile& operator=(AppendFile&& other) noexcept = default;
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    /// Closes without the final sync; what was written stays in the kernel's hands.
    ~AppendFile() = default;

    /// Writes the line, which holds no line break, and CR LF; false when it
    /// is not in the file. A line that is not written whole is cut off
    /// again, so the file ends with its last whole line.
    bool AppendLine(std::string_view line);
    /// Syncs when `syncInterval` has passed since the last sync; false when
    /// that sync failed or the file is no longer ours.
    bool SyncWhenDue();
    /// Syncs the file now, and its folder the first time, so that the
    /// record's name survives a power loss too.
    bool Sync();
    /// Syncs and closes. False when anything failed since the file was made.
    bool Finish();

    /// Cuts off the line written last; false when it cannot be cut (then
    /// nothing more is written).
    bool DropLastLine();
    /// Closes and removes the file: a record that holds nothing worth keeping.
    void Discard();

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] bool Failed() const { return fault_.What != RecordFault::Kind::None; }
    [[nodiscard]] const RecordFault& Fault() const { return fault_; }

private:
    AppendFile(FileDescriptor fd, std::string path, SystemCalls& calls, std::chrono::milliseconds syncInterval);
    bool Fail(RecordFault::Kind what, int error, const std::string& path);
    [[nodiscard]] bool LengthIsOurs();
    [[nodiscard]] bool StillUnderItsName();
    bool SyncFolder();

    FileDescriptor fd_;
    std::string path_;
    SystemCalls* calls_;
    std::chrono::milliseconds syncInterval_;
    std::chrono::steady_clock::time_point lastSync_;
    std::size_t wholeSize_ = 0; // bytes of the whole lines written
    std::size_t lastLineStart_ = 0;
    unsigned linesSinceCheck_ = 0;
    bool folderSynced_ = false;
    RecordFault fault_;
    std::string buffer_;
};

} // namespace tollwick
