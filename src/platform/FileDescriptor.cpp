// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"

#include "platform/SysCall.h"

#include <fcntl.h>
#include <unistd.h>

namespace tollwick {

bool FileDescriptor::Close()
{
    if (fd_ < 0) {
        return false;
    }
    return close(std::exchange(fd_, -1)) == 0;
}

void FileDescriptor::Reset()
{
    if (fd_ >= 0) {
        close(std::exchange(fd_, -1));
    }
}

FileDescriptor OpenFile(const char* path, int flags, unsigned mode)
{
    return FileDescriptor(RetryOnInterrupt([&] { return open(path, flags, static_cast<mode_t>(mode)); }));
}

} // namespace tollwick
