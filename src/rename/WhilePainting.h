// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"

#include <chrono>
#include <future>
#include <utility>

namespace tollwick {

/// Runs `work` on a thread of its own while this thread keeps the window
/// painting, and gives back what it gives (or raises what it raises).
/// For a long step that reads the list at most and writes nothing the
/// window shows: the window takes no user input meanwhile, so nothing
/// changes what the work reads.
template <typename Work> auto WhilePainting(Progress& progress, Work work)
{
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        progress.KeepPainting();
    }
    return result.get();
}

} // namespace tollwick
