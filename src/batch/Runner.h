// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"
#include "platform/SystemCalls.h"
#include "platform/TerminationSignals.h"

#include <ostream>

namespace tollwick::batch {

/// Exit statuses of tollwick-batch.
inline constexpr int ExitOk = 0;
inline constexpr int ExitStepFailed = 1;
inline constexpr int ExitUsage = 2;
/// Every step ran, but a run (or the forecast of --preview) left a checked
/// row not renamed: missing, name taken, refused or not reached.
inline constexpr int ExitRowsNotRenamed = 3;

/// Finds the home, reads its data files and runs the steps in order. A data
/// file or step that raises, or a run that an error stopped, ends the
/// invocation: its message goes to `err`, later steps do not run. A step
/// that finds a value it cannot use ends with ExitUsage. The runs rename
/// and sync through `calls`. After a signal of `signals` a run ends after
/// the rename in progress, no later step runs, and the status is 128 plus
/// the signal's number.
[[nodiscard]] int RunInvocation(const Invocation& invocation, std::ostream& out, std::ostream& err,
                                SystemCalls& calls = RealSystemCalls(), const TerminationSignals* signals = nullptr);

} // namespace tollwick::batch
