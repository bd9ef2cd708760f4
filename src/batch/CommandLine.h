// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"

#include <string>
#include <vector>

namespace tollwick::batch {

/// Reads and checks the whole command line (the arguments after the
/// program's name); raises UsageError at the first fault, before anything runs.
[[nodiscard]] Invocation ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace tollwick::batch
