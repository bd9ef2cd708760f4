// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tollwick {

/// What shows progress: the window's bar and cursor, or a test's recorder.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    /// The bar changed; the view repaints (it may throttle painting).
    virtual void BarChanged(int position, int maximum) = 0;
    virtual void SetHourglass(bool on) = 0;
};

/// The progress bar's state with the ShowProgress rules: (0, N) starts a
/// bar of N steps, (k, 0) is step k, (-1, 0) one more step wrapping to 0 at
/// the maximum, (0, 100) the idle bar; the hourglass comes at position 90.
class Progress {
public:
    explicit Progress(ProgressView* view = nullptr) : view_(view) {}

    void ShowProgress(int position, int maximum);

    [[nodiscard]] int Position() const { return position_; }
    [[nodiscard]] int Maximum() const { return maximum_; }
    [[nodiscard]] bool Hourglass() const { return hourglass_; }
    void SetHourglass(bool on);

private:
    ProgressView* view_;
    int position_ = 0;
    int maximum_ = 100;
    bool hourglass_ = false;
};

/// The bar's maximum for a count of steps that may exceed what it can hold.
[[nodiscard]] int BarMaximum(std::size_t steps);

/// One long operation on the bar: (0, maximum) and the cursor saved at its
/// start; the cursor put back and (0, 100), the idle bar, at its end, also
/// when an error leaves it, so a failed step never leaves the bar half way.
class ProgressPass {
public:
    ProgressPass(Progress& progress, int maximum);
    ProgressPass(const ProgressPass&) = delete;
    ProgressPass& operator=(const ProgressPass&) = delete;
    ~ProgressPass();

    /// A stage of the operation with a count of its own: (0, maximum).
    void Restart(int maximum) { progress_.ShowProgress(0, maximum); }
    /// Step k: (k, 0).
    void Step(int position) { progress_.ShowProgress(position, 0); }
    /// One more step of a bar that cannot count its steps: (-1, 0).
    void StepOn() { progress_.ShowProgress(-1, 0); }

private:
    Progress& progress_;
    bool savedHourglass_;
};

/// Saves the cursor at construction and puts it back at destruction, also
/// when the operation ends by an error.
class SavedCursor {
public:
    explicit SavedCursor(Progress& progress) : progress_(progress), saved_(progress.Hourglass()) {}
    SavedCursor(const SavedCursor&) = delete;
    SavedCursor& operator=(const SavedCursor&) = delete;
    ~SavedCursor() { progress_.SetHourglass(saved_); }

private:
    Progress& progress_;
    bool saved_;
};

} // namespace tollwick
