// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowProgress.h"

#include <QApplication>
#include <QProgressBar>

namespace tollwick {
namespace {

constexpr qint64 PaintIntervalMs = 33;

} // namespace

WindowProgress::WindowProgress(QProgressBar* bar, std::function<void()> beforePaint)
    : bar_(bar), beforePaint_(std::move(beforePaint))
{
    sincePaint_.start();
}

WindowProgress::~WindowProgress()
{
    if (hourglass_) {
        QApplication::restoreOverrideCursor();
    }
}

void WindowProgress::BarChanged(int position, int maximum)
{
    position_ = position;
    maximum_ = maximum;
    const bool idle = position == 0 && maximum == 100;
    if (idle) {
        Settle();
        return;
    }
    PaintIfDue();
}

void WindowProgress::KeepPainting()
{
    PaintIfDue();
}

void WindowProgress::PaintIfDue()
{
    if (sincePaint_.elapsed() < PaintIntervalMs) {
        return;
    }
    Settle();
    // Paint events and deferred layouts run; clicks and keys wait for the step to end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++paints_;
    sincePaint_.restart();
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

void WindowProgress::SetHourglass(bool on)
{
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
