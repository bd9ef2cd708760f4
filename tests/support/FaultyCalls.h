// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemCalls.h"

#include <cerrno>
#include <string>
#include <vector>

namespace tollwick::test {

/// The system's calls, each of which can be made to fail with a given
/// errno from its k-th call on (1-based; 0 never). Keeps the order of
/// the calls that reached it.
class FaultyCalls final : public SystemCalls {
public:
    /// When a call starts failing, and with which errno.
    struct Fault {
        int fromCall = 0;
        int error = EIO;
        int onlyCalls = 0; // how many calls fail; 0: every one from fromCall on
    };
    Fault rename; // RenameAt2
    Fault syncData;
    Fault syncFolder;
    std::vector<std::string> calls; // "rename", "syncData", "syncFolder", in order

    int RenameAt2(int folder, const char* from, const char* to, unsigned flags) override
    {
        return Fails(rename, "rename", renames_) ? -1 : SystemCalls::RenameAt2(folder, from, to, flags);
    }
    int SyncData(int fd) override { return Fails(syncData, "syncData", dataSyncs_) ? -1 : SystemCalls::SyncData(fd); }
    int Sync(int fd) override { return Fails(syncFolder, "syncFolder", folderSyncs_) ? -1 : SystemCalls::Sync(fd); }

private:
    bool Fails(const Fault& fault, const char* name, int& count)
    {
        calls.emplace_back(name);
        ++count;
        const bool failing = fault.fromCall > 0 && count >= fault.fromCall &&
                             (fault.onlyCalls == 0 || count < fault.fromCall + fault.onlyCalls);
        if (failing) {
            errno = fault.error;
        }
        return failing;
    }

    int renames_ = 0;
    int dataSyncs_ = 0;
    int folderSyncs_ = 0;
};

} // namespace tollwick::test
