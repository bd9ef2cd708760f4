// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Errors.h"
#include "platform/FolderLock.h"
#include "rename/Run.h"

#include <optional>
#include <string>

namespace tollwick {

/// "%s: folder is being renamed by another Tollwick run", with the folder.
[[nodiscard]] TollwickError FolderBusy(const std::string& dirName);

/// The lock a run holds on its folder, taken before the run lists it. A
/// folder another run holds is waited for, or raises FolderBusy, as
/// `whenBusy` says. None for a folder that cannot be locked (not runnable,
/// not readable, or a filesystem without flock): the run goes on as it
/// would without the lock.
[[nodiscard]] std::optional<FolderLock> LockFolderForRun(const std::string& dirName, const FolderWait& whenBusy);

} // namespace tollwick
