// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileDescriptor.h"
#include "platform/SystemCalls.h"

#include <string>

namespace tollwick {

/// A folder opened once, so that every call on its entries names them
/// relative to it instead of walking its whole path again. Opened for
/// naming only (O_PATH): a folder that may be written but not listed
/// still works as it does by path. The calls on its entries go through
/// `calls`, which must outlive it.
class FolderDescriptor {
public:
    /// Opens `path`; when that fails, every call on the folder gives the errno of the open.
    explicit FolderDescriptor(const std::string& path, SystemCalls& calls = RealSystemCalls());

    [[nodiscard]] bool IsOpen() const { return fd_.IsOpen(); }
    /// The descriptor for the *at calls; only while IsOpen.
    [[nodiscard]] int Fd() const { return fd_.Get(); }
    /// Why the open failed; 0 while open.
    [[nodiscard]] int OpenError() const { return openError_; }
    [[nodiscard]] SystemCalls& Calls() const { return *calls_; }

private:
    SystemCalls* calls_;
    FileDescriptor fd_;
    int openError_ = 0;
};

} // namespace tollwick
