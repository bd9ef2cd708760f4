// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tollwick {

/// The system calls whose failure decides how a run ends: the renames and
/// the syncs of the undo record and its folder. Each returns what the
/// system call returns (0, or -1 with errno set) and retries EINTR. A run
/// holds one and hands it to the folder it renames in and to its record,
/// so a test can make any of them fail without root or an outside tool.
class SystemCalls {
public:
    SystemCalls() = default;
    SystemCalls(const SystemCalls&) = delete;
    SystemCalls& operator=(const SystemCalls&) = delete;
    SystemCalls(SystemCalls&&) = delete;
    SystemCalls& operator=(SystemCalls&&) = delete;
    virtual ~SystemCalls() = default;

    /// renameat2 within one folder.
    virtual int RenameAt2(int folder, const char* from, const char* to, unsigned flags);
    /// renameat within one folder: replaces `to`.
    virtual int RenameAt(int folder, const char* from, const char* to);
    /// linkat within one folder.
    virtual int LinkAt(int folder, const char* from, const char* to);
    virtual int UnlinkAt(int folder, const char* name);
    /// fdatasync.
    virtual int SyncData(int fd);
    /// fsync, as a folder needs for its entries.
    virtual int Sync(int fd);
};

/// The system's own calls. It holds no state.
[[nodiscard]] SystemCalls& RealSystemCalls();

} // namespace tollwick
