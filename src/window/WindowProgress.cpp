// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowProgress.h"

#include <QApplication>
#include <QProgressBar>
#include <QThread>

namespace tollwick {
namespace {

constexpr qint64 ShowIntervalMs = 33;

bool OnThreadOf(const QObject* object)
{
    return QThread::currentThread() == object->thread();
}

std::uint64_t PackBar(int position, int maximum)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(position)) << 32U) |
           static_cast<std::uint32_t>(maximum);
}

} // namespace

WindowProgress::WindowProgress(QProgressBar* bar, std::function<void()> beforePaint)
    : bar_(bar), beforePaint_(std::move(beforePaint))
{
    sinceShown_.start();
}

WindowProgress::~WindowProgress()
{
    if (hourglass_) {
        QApplication::restoreOverrideCursor();
    }
}

void WindowProgress::BarChanged(int position, int maximum)
{
    if (!OnThreadOf(bar_)) {
        postedBar_.store(PackBar(position, maximum));
        barPosted_.store(true);
        return;
    }
    position_ = position;
    maximum_ = maximum;
    const bool idle = position == 0 && maximum == 100;
    if (idle) {
        Settle();
        return;
    }
    ShowIfDue();
}

void WindowProgress::ShowIfDue()
{
    if (sinceShown_.elapsed() < ShowIntervalMs) {
        return;
    }
    Settle();
    ++shown_;
    sinceShown_.restart();
}

void WindowProgress::Settle()
{
    ShowOnBar();
    if (beforePaint_) {
        beforePaint_();
    }
}

void WindowProgress::ShowOnBar()
{
    // Setting the bar formats its text and tells accessibility, so it is done once a paint.
    if (bar_->maximum() != maximum_) {
        bar_->setMaximum(maximum_);
    }
    bar_->setValue(position_);
    // A step that keeps the window painting without moving the bar still repaints it.
    bar_->update();
}

void WindowProgress::ShowPosted()
{
    if (const int hourglass = postedHourglass_.exchange(-1); hourglass >= 0) {
        SetHourglass(hourglass == 1);
    }
    if (barPosted_.exchange(false)) {
        const std::uint64_t bar = postedBar_.load();
        position_ = static_cast<int>(static_cast<std::uint32_t>(bar >> 32U));
        maximum_ = static_cast<int>(static_cast<std::uint32_t>(bar));
    }
    Settle();
    ++shown_;
}

void WindowProgress::SetHourglass(bool on)
{
    if (!OnThreadOf(bar_)) {
        postedHourglass_.store(on ? 1 : 0);
        return;
    }
    if (on == hourglass_) {
        return;
    }
    hourglass_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace tollwick
