// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <future>
#include <mutex>
#include <stop_token>
#include <utility>
#include <vector>

class QAbstractButton;
class QWidget;

namespace tollwick {

class WindowProgress;

/// Runs one long step of the session on a thread of its own while the
/// window goes on painting. Meanwhile the window takes no input that could
/// change the list: only the stop button and Esc reach it, and they ask the
/// step to stop.
class WindowJob final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowJob)

public:
    /// `hold` is called with true before each job starts and with false
    /// once it has ended, on the window's thread, to put views on hold.
    WindowJob(QWidget& window, QAbstractButton& stopButton, WindowProgress& progress, std::function<void(bool)> hold);
    ~WindowJob() override = default;

    /// Runs `work(stop)` and gives back what it gives, or raises what it raises.
    template <typename Work> auto Run(Work work)
    {
        stop_ = std::stop_source();
        auto result = std::async(std::launch::async, [&work, stop = stop_.get_token()] { return work(stop); });
        WaitFor([&result] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return result.get();
    }

    [[nodiscard]] bool Running() const { return running_; }
    /// Whether the last job was asked to stop.
    [[nodiscard]] bool StopAsked() const { return stop_.stop_requested(); }
    /// Asks the running job to stop; nothing when none runs.
    void Stop();
    /// Runs `task` on the window's thread soon, at the latest before Run returns:
    /// how a job hands over what the window shows.
    void Post(std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WaitFor(const std::function<bool()>& done);
    /// Runs what the job posted so far, on the window's thread.
    void RunPosted();

    QWidget& window_;
    QAbstractButton& stopButton_;
    WindowProgress& progress_;
    std::function<void(bool)> hold_;
    std::stop_source stop_{std::nostopstate};
    bool running_ = false;
    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;
};

} // namespace tollwick
