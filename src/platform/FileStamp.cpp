// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileStamp.h"

#include "platform/SysCall.h"

#include <sys/stat.h>

namespace tollwick {
namespace {

std::int64_t Nanoseconds(const timespec& time)
{
    constexpr std::int64_t perSecond = 1'000'000'000;
    return static_cast<std::int64_t>(time.tv_sec) * perSecond + static_cast<std::int64_t>(time.tv_nsec);
}

} // namespace

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat status {};
    if (RetryOnInterrupt([&] { return stat(path.c_str(), &status); }) != 0) {
        return std::nullopt;
    }
    return FileStamp{.device = static_cast<std::uint64_t>(status.st_dev),
                     .inode = static_cast<std::uint64_t>(status.st_ino),
                     .size = static_cast<std::int64_t>(status.st_size),
                     .modifiedNs = Nanoseconds(status.st_mtim),
                     .changedNs = Nanoseconds(status.st_ctim)};
}

} // namespace tollwick
