// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"

#include <string>

namespace tollwick {

/// The exclusive lock of one Tollwick run on its folder: flock on a
/// descriptor of the folder itself, so that two runs never rename in one
/// folder at once, whichever program, process or path reached it. It
/// goes with the object, or with the process however that ends.
class FolderLock {
public:
    /// Opens `folder` for the lock; takes nothing yet.
    explicit FolderLock(const std::string& folder);

    enum class Attempt {
        Taken,      // the lock is ours until the object goes
        Busy,       // another holds it; try again later
        NotLockable // the folder cannot be opened or locked here: nothing to wait for
    };
    /// Tries to take the lock without waiting.
    [[nodiscard]] Attempt TryTake();

private:
    FileDescriptor fd_;
};

} // namespace tollwick
