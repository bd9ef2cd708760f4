// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemCalls.h"

#include "platform/SysCall.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tollwick {

int SystemCalls::RenameAt2(int folder, const char* from, const char* to, unsigned flags)
{
    return RetryOnInterrupt([&] { return renameat2(folder, from, folder, to, flags); });
}

int SystemCalls::RenameAt(int folder, const char* from, const char* to)
{
    return RetryOnInterrupt([&] { return renameat(folder, from, folder, to); });
}

int SystemCalls::LinkAt(int folder, const char* from, const char* to)
{
    return RetryOnInterrupt([&] { return linkat(folder, from, folder, to, 0); });
}

int SystemCalls::UnlinkAt(int folder, const char* name)
{
    return RetryOnInterrupt([&] { return unlinkat(folder, name, 0); });
}

int SystemCalls::SyncData(int fd)
{
    return RetryOnInterrupt([&] { return fdatasync(fd); });
}

int SystemCalls::Sync(int fd)
{
    return RetryOnInterrupt([&] { return fsync(fd); });
}

SystemCalls& RealSystemCalls()
{
    static SystemCalls calls;
    return calls;
}

} // namespace tollwick
