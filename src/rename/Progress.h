// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
