// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WriteAll.h"

#include "platform/SysCall.h"

#include <unistd.h>

namespace tollwick {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = RetryOnInterrupt([&] { return write(fd, bytes.data(), bytes.size()); });
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool WriteAllAt(int fd, std::string_view bytes, std::size_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written =
            RetryOnInterrupt([&] { return pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)); });
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace tollwick
