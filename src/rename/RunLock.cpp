// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RunLock.h"

#include <chrono>
#include <thread>

namespace tollwick {
namespace {

// Often enough that a waiting run starts at once; seldom enough to cost nothing.
constexpr std::chrono::milliseconds RetryInterval{50};

} // namespace

TollwickError FolderBusy(const std::string& dirName)
{
    return TollwickError{dirName + ": folder is being renamed by another Tollwick run"};
}

std::optional<FolderLock> LockFolderForRun(const std::string& dirName, const FolderWait& whenBusy)
{
    if (!IsRunnableFolder(dirName)) {
        return std::nullopt;
    }
    std::optional<FolderLock> lock(std::in_place, dirName);
    FolderLock::Attempt attempt = lock->TryTake();
    if (attempt == FolderLock::Attempt::Busy) {
        if (!whenBusy.Wait) {
            throw FolderBusy(dirName);
        }
        if (whenBusy.OnWait) {
            whenBusy.OnWait(true);
        }
        // Tried again each interval until the other run lets go.
        while ((attempt = lock->TryTake()) == FolderLock::Attempt::Busy) {
            std::this_thread::sleep_for(RetryInterval);
        }
        if (whenBusy.OnWait) {
            whenBusy.OnWait(false);
        }
    }
    if (attempt == FolderLock::Attempt::NotLockable) {
        lock.reset();
    }
    return lock;
}

} // namespace tollwick
