// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"

#include <ostream>

namespace tollwick::batch {

/// Exit statuses of tollwick-batch.
inline constexpr int ExitOk = 0;
inline constexpr int ExitStepFailed = 1;
inline constexpr int ExitUsage = 2;

/// Finds the home, reads its data files and runs the steps in order. A data
/// file or step that raises ends the run: its message goes to `err`, later
/// steps do not run. A step that finds a value it cannot use ends with ExitUsage.
[[nodiscard]] int RunInvocation(const Invocation& invocation, std::ostream& out, std::ostream& err);

} // namespace tollwick::batch
