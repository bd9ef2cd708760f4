// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>

namespace tollwick {

/// Runs a system call again while it is interrupted by a signal; errno is
/// left as the last attempt set it.
template <typename Call> auto RetryOnInterrupt(Call call)
{
    auto result = call();
    while (result == -1 && errno == EINTR) {
        result = call();
    }
    return result;
}

} // namespace tollwick
