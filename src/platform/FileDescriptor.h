// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

namespace tollwick {

/// An open file descriptor, closed when the object goes.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Reset(); }

    [[nodiscard]] int Get() const { return fd_; }
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    /// Closes now and reports the close's result: a late write error shows only here.
    bool Close();
    /// Closes without asking how it went.
    void Reset();
    /// Gives the descriptor up to a new owner, which closes it.
    [[nodiscard]] int Release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
};

/// Opens a path with open(2), retried on interruption; not open on failure, errno kept.
[[nodiscard]] FileDescriptor OpenFile(const char* path, int flags, unsigned mode = 0);

} // namespace tollwick
