// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"

#include <QElapsedTimer>
#include <functional>

class QProgressBar;

namespace tollwick {

/// The progress bar and the hourglass of the window. The bar follows every
/// step, but the window paints at most about 30 times a second, so a pass
/// over a million rows is not slowed by painting. While it paints it takes
/// no user input.
class WindowProgress final : public ProgressView {
public:
    /// `beforePaint` runs just before each paint, to hand views what they should show.
    WindowProgress(QProgressBar* bar, std::function<void()> beforePaint);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    void BarChanged(int position, int maximum) override;
    void SetHourglass(bool on) override;

    /// Lets the bar and the views show the present state at the next paint;
    /// for the end of a step that did not return the bar to idle.
    void Settle();

    /// How many times the window was painted by progress so far.
    [[nodiscard]] int PaintCount() const { return paints_; }

private:
    QProgressBar* bar_;
    std::function<void()> beforePaint_;
    QElapsedTimer sincePaint_;
    int paints_ = 0;
    bool hourglass_ = false;
};

} // namespace tollwick
