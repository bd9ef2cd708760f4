// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DescriptorOutput.h"

#include "platform/WriteAll.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>

namespace tollwick {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput()
{
    (void)Drain();
}

std::string DescriptorOutput::FailureReason() const
{
    return error_ == 0 ? std::string() : std::string(std::strerror(error_)); // NOLINT(concurrency-mt-unsafe)
}

bool DescriptorOutput::Drain()
{
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (error_ != 0) {
        return false;
    }
    errno = 0;
    if (!pending.empty() && !WriteAll(fd_, pending)) {
        error_ = errno != 0 ? errno : EIO; // a write of nothing sets no errno
        return false;
    }
    return true;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c)
{
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync()
{
    return Drain() ? 0 : -1;
}

void IgnoreBrokenPipe()
{
    (void)std::signal(SIGPIPE, SIG_IGN);
}

} // namespace tollwick
