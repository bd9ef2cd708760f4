// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileStatus.h"

#include "platform/SysCall.h"

#include <sys/stat.h>

namespace tollwick {

std::optional<FileStatus> ReadFileStatus(const std::string& path)
{
    struct stat status {};
    if (RetryOnInterrupt([&] { return stat(path.c_str(), &status); }) != 0 &&
        RetryOnInterrupt([&] { return lstat(path.c_str(), &status); }) != 0) {
        return std::nullopt;
    }
    return FileStatus{ToLocalDateTime(status.st_mtim.tv_sec), ToLocalDateTime(status.st_ctim.tv_sec),
                      static_cast<std::uint64_t>(status.st_size)};
}

} // namespace tollwick
