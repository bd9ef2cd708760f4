// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderLock.h"

#include "platform/SysCall.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace tollwick {

// flock needs a descriptor opened for reading; one for naming only (O_PATH) will not do.
FolderLock::FolderLock(const std::string& folder) : fd_(OpenFile(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

FolderLock::Attempt FolderLock::TryTake()
{
    if (!fd_.IsOpen()) {
        return Attempt::NotLockable;
    }
    if (RetryOnInterrupt([&] { return flock(fd_.Get(), LOCK_EX | LOCK_NB); }) == 0) {
        return Attempt::Taken;
    }
    return errno == EWOULDBLOCK ? Attempt::Busy : Attempt::NotLockable;
}

} // namespace tollwick
