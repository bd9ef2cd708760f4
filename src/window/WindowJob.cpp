// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowJob.h"

#include "window/WindowProgress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace tollwick {
namespace {

// Often enough that the bar and the result list follow the job smoothly.
constexpr int TickMs = 10;

bool IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

WindowJob::WindowJob(QWidget& window, QAbstractButton& stopButton, WindowProgress& progress,
                     std::function<void(bool)> hold)
    : QObject(&window), window_(window), stopButton_(stopButton), progress_(progress), hold_(std::move(hold))
{
}

void WindowJob::Stop()
{
    if (running_) {
        stop_.request_stop();
    }
}

void WindowJob::Post(std::function<void()> task)
{
    const std::scoped_lock lock(postedMutex_);
    posted_.push_back(std::move(task));
}

void WindowJob::RunPosted()
{
    std::vector<std::function<void()>> tasks;
    {
        const std::scoped_lock lock(postedMutex_);
        tasks.swap(posted_);
    }
    for (const std::function<void()>& task : tasks) {
        task();
    }
}

void WindowJob::WaitFor(const std::function<bool()>& done)
{
    // Whatever the job handed over is shown before the step goes on, also when it failed.
    struct Hold {
        explicit Hold(WindowJob& owner) : job(owner), stopWasEnabled(owner.stopButton_.isEnabled())
        {
            job.running_ = true;
            job.hold_(true);
            job.stopButton_.setEnabled(true);
            QCoreApplication::instance()->installEventFilter(&job);
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold()
        {
            QCoreApplication::instance()->removeEventFilter(&job);
            job.RunPosted();
            job.progress_.ShowPosted();
            job.running_ = false;
            job.stopButton_.setEnabled(stopWasEnabled);
            job.hold_(false);
        }
        WindowJob& job;
        bool stopWasEnabled;
    } const hold(*this);

    QEventLoop loop;
    QTimer tick;
    tick.setInterval(TickMs);
    connect(&tick, &QTimer::timeout, &loop, [this, &done, &loop] {
        RunPosted();
        progress_.ShowPosted();
        if (done()) {
            loop.quit();
        }
    });
    tick.start();
    if (!done()) {
        loop.exec();
    }
}

bool WindowJob::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == &window_) {
        // Closing would tear the step down mid-way: it is asked to stop instead.
        Stop();
        event->ignore();
        return true;
    }
    if (!IsUserInput(event)) {
        return false;
    }
    if (event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Stop();
        return true;
    }
    if (watched == &stopButton_ && event->type() == QEvent::MouseButtonRelease) {
        Stop();
    }
    return true;
}

} // namespace tollwick
