// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace tollwick::batch {

/// A command line that cannot be run as given; nothing has been done yet.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A value that turns out wrong only when its step runs (a regular
/// expression too costly for a name): the step stops before it changes
/// anything and tollwick-batch ends as for a wrong command line, though
/// the steps before it have run.
class BadValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tollwick::batch
