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
    // The bar would repaint itself at every visible change; it waits for the window's paint instead.
    bar_->setUpdatesEnabled(false);
    if (bar_->maximum() != maximum) {
        bar_->setMaximum(maximum);
    }
    bar_->setValue(position);
    const bool idle = position == 0 && maximum == 100;
    if (idle) {
        Settle();
        return;
    }
    if (sincePaint_.elapsed() < PaintIntervalMs) {
        return;
    }
    if (beforePaint_) {
        beforePaint_();
    }
    bar_->setUpdatesEnabled(true);
    // Paint events and deferred layouts run; clicks and keys wait for the step to end.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++paints_;
    sincePaint_.restart();
}

void WindowProgress::Settle()
{
    if (beforePaint_) {
        beforePaint_();
    }
    bar_->setUpdatesEnabled(true);
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
