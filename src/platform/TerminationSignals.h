// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <csignal>
#include <stop_token>
#include <thread>

namespace tollwick {

/// SIGINT and SIGTERM turned into a stop request: while this object lives
/// they no longer end the process but ask the work to stop where it can,
/// so a run in progress ends whole, with its record. Blocks both signals in
/// the calling thread, which must start no thread before it: the threads it
/// starts later inherit the mask. Further signals change nothing.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;
    TerminationSignals(TerminationSignals&&) = delete;
    TerminationSignals& operator=(TerminationSignals&&) = delete;

    [[nodiscard]] std::stop_token Token() const { return stop_.get_token(); }
    /// The first signal that arrived; 0 for none.
    [[nodiscard]] int Received() const { return received_.load(); }
    /// The exit status of a process ended by the first signal: 128 + its number.
    [[nodiscard]] int ExitStatus() const { return 128 + Received(); }

private:
    void Watch(const std::stop_token& ending);

    sigset_t watched_{};
    sigset_t previous_{};
    std::stop_source stop_;
    std::atomic<int> received_{0};
    std::jthread watcher_; // last: it stops and is joined before the rest goes
};

} // namespace tollwick
