// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Errors.h"

namespace tollwick {

/// A long step that the user stopped. It leaves what it would have changed
/// as it was, so the front end has nothing to show but the old state.
class StepStopped : public TollwickError {
public:
    StepStopped() : TollwickError("stopped") {}
};

} // namespace tollwick
