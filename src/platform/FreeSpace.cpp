// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreeSpace.h"

#include "platform/SysCall.h"

#include <sys/statvfs.h>
#include <unistd.h>

namespace tollwick {

std::optional<FolderSpace> SpaceOf(const std::string& folder)
{
    struct statvfs status {};
    if (RetryOnInterrupt([&] { return statvfs(folder.c_str(), &status); }) != 0) {
        return std::nullopt;
    }
    // The blocks kept back for the superuser are open to it alone.
    const std::uint64_t blocks = geteuid() == 0 ? status.f_bfree : status.f_bavail;
    const std::uint64_t unit = status.f_frsize != 0 ? status.f_frsize : status.f_bsize;
    return FolderSpace{blocks * unit, unit != 0 ? unit : 1};
}

} // namespace tollwick
