// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "session/Vocabulary.h"
#endif
#include "window/ResultModel.h"

#include <mutex>
#include <vector>

namespace tollwick {

/// Where a run on a job's thread leaves each result until the window's
/// thread takes them into the result list.
class ResultInbox {
public:
    void Put(const ResultRow& row, const RunCounts& counts)
    {
        const std::scoped_lock lock(mutex_);
        rows_.push_back(row);
        counts_ = counts;
    }

    /// Appends what arrived since the last call to `model`; `counts` takes the latest counts.
    void TakeInto(ResultModel& model, RunCounts& counts)
    {
        std::vector<ResultRow> arrived;
        {
            const std::scoped_lock lock(mutex_);
            arrived.swap(rows_);
            if (!arrived.empty()) {
                counts = counts_;
            }
        }
        for (const ResultRow& row : arrived) {
            model.Append(row);
        }
    }

private:
    std::mutex mutex_;
    std::vector<ResultRow> rows_;
    RunCounts counts_;
};

} // namespace tollwick
