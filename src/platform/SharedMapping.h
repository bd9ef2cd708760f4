// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <utility>

namespace tollwick {

/// The first bytes of a file mapped MAP_SHARED for writing: a store into it
/// is in the page cache at once, so it outlives a kill of the process.
/// Unmapped when the object goes.
class SharedMapping {
public:
    SharedMapping() = default;
    SharedMapping(SharedMapping&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), length_(std::exchange(other.length_, 0))
    {
    }
    SharedMapping& operator=(SharedMapping&& other) noexcept
    {
        if (this != &other) {
            Unmap();
            data_ = std::exchange(other.data_, nullptr);
            length_ = std::exchange(other.length_, 0);
        }
        return *this;
    }
    SharedMapping(const SharedMapping&) = delete;
    SharedMapping& operator=(const SharedMapping&) = delete;
    ~SharedMapping() { Unmap(); }

    /// Maps the first `length` bytes of the file `fd`, or widens the mapping
    /// to them (the bytes may move); false, errno set and the old mapping
    /// kept, when the system refuses. The file must already be that long.
    [[nodiscard]] bool Cover(int fd, std::size_t length);
    void Unmap();

    [[nodiscard]] char* Data() const { return data_; }
    [[nodiscard]] std::size_t Length() const { return length_; }

private:
    char* data_ = nullptr;
    std::size_t length_ = 0;
};

} // namespace tollwick
