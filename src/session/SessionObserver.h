// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tollwick {
struct RunPlan;
}

namespace tollwick {

/// Hears of every change the session makes to its rows, after the change,
/// also when the change ended by an error. The calls must not throw: they
/// may come while an error leaves the session.
class SessionObserver {
public:
    SessionObserver() = default;
    SessionObserver(const SessionObserver&) = delete;
    SessionObserver& operator=(const SessionObserver&) = delete;
    SessionObserver(SessionObserver&&) = delete;
    SessionObserver& operator=(SessionObserver&&) = delete;
    virtual ~SessionObserver() = default;

    /// The shown and master lists were rebuilt: rows may be new, gone or moved.
    virtual void RowsReset() = 0;
    /// Shown rows [first, first + count) kept their places; some of their fields changed.
    virtual void RowsChanged(std::size_t first, std::size_t count) = 0;
    /// The list page's forecast was made anew; an observer that shows none ignores it.
    virtual void ForecastReady(const RunPlan& plan) { static_cast<void>(plan); }
};

} // namespace tollwick
