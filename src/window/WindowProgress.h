// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Vocabulary.h"

#include <QElapsedTimer>
#include <atomic>
#include <cstdint>
#include <functional>

class QProgressBar;

namespace tollwick {

/// The progress bar and the hourglass of the window. The position follows
/// every step, but the bar takes it at most about 30 times a second and at
/// the end of a step, so a pass over a million rows is not slowed by the bar.
/// Called from a job's thread, it only notes the position and the
/// hourglass, which the window's thread shows with ShowPosted as it paints.
class WindowProgress final : public ProgressView {
public:
    /// `beforePaint` runs each time the bar takes the position, to hand views what they should show.
    WindowProgress(QProgressBar* bar, std::function<void()> beforePaint);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    void BarChanged(int position, int maximum) override;
    void SetHourglass(bool on) override;

    /// Lets the bar and the views show the present state at the next paint;
    /// for the end of a step that did not return the bar to idle.
    void Settle();
    /// Shows what a job's thread noted since the last call; on the window's thread.
    void ShowPosted();

    [[nodiscard]] int Position() const { return position_; }
    [[nodiscard]] int Maximum() const { return maximum_; }

    /// How many times the bar took the position in the middle of a step so far.
    [[nodiscard]] int ShownCount() const { return shown_; }

private:
    void ShowIfDue();
    void ShowOnBar();

    QProgressBar* bar_;
    std::function<void()> beforePaint_;
    QElapsedTimer sinceShown_;
    int position_ = 0;
    int maximum_ = 100;
    int shown_ = 0;
    bool hourglass_ = false;
    // From a job's thread: position and maximum in one word, so they never tear.
    std::atomic<std::uint64_t> postedBar_{0};
    std::atomic<bool> barPosted_{false};
    std::atomic<int> postedHourglass_{-1}; // -1 none, else 0 or 1
};

} // namespace tollwick
