// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <streambuf>
#include <string>

namespace tollwick {

/// A stream buffer over a file descriptor that remembers why a write
/// failed (a reader that went away, a full disk), so the program can name
/// the reason. After a failure it takes no more output.
class DescriptorOutput final : public std::streambuf {
public:
    explicit DescriptorOutput(int fd);
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;
    DescriptorOutput(DescriptorOutput&&) = delete;
    DescriptorOutput& operator=(DescriptorOutput&&) = delete;
    /// Writes what is still buffered.
    ~DescriptorOutput() override;

    /// The system's reason of the first failed write; empty while all went well.
    [[nodiscard]] std::string FailureReason() const;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

/// A write to a pipe whose reader is gone then fails with "Broken pipe"
/// instead of ending the process, so work under way is never cut off.
void IgnoreBrokenPipe();

} // namespace tollwick
