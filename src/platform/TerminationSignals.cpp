// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>

namespace tollwick {

TerminationSignals::TerminationSignals()
{
    sigemptyset(&watched_);
    sigaddset(&watched_, SIGINT);
    sigaddset(&watched_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &watched_, &previous_);
    watcher_ = std::jthread([this](const std::stop_token& ending) { Watch(ending); });
}

TerminationSignals::~TerminationSignals()
{
    watcher_.request_stop();
    // Woken now rather than at its next timeout: a short run would wait for
    // it. The signal is blocked there and taken by its wait, never acted on.
    (void)pthread_kill(watcher_.native_handle(), SIGINT);
    watcher_.join();
    // A signal that came meanwhile stays pending and would end the process
    // at the unblock: it was answered already, so it is taken here.
    const timespec now{0, 0};
    while (sigtimedwait(&watched_, nullptr, &now) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void TerminationSignals::Watch(const std::stop_token& ending)
{
    // The owner's end wakes it with a signal; the timeout is only a safety net.
    const timespec wait{0, 100'000'000};
    while (!ending.stop_requested()) {
        const int signal = sigtimedwait(&watched_, nullptr, &wait);
        if (signal > 0 && !ending.stop_requested()) {
            int none = 0;
            (void)received_.compare_exchange_strong(none, signal);
            (void)stop_.request_stop();
        }
    }
}

} // namespace tollwick
