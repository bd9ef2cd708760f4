// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Progress.h"

#include <algorithm>
#include <climits>

namespace tollwick {

void Progress::ShowProgress(int position, int maximum)
{
    if (position == 0) {
        maximum_ = std::max(maximum, 0);
        position_ = std::min(position_, maximum_);
    }
    if (position < 0) {
        ++position_;
        if (position_ >= maximum_) {
            position_ = 0;
        }
    } else {
        position_ = std::clamp(position, 0, maximum_);
    }
    if (position_ == 90) {
        SetHourglass(true);
    }
    if (view_ != nullptr) {
        view_->BarChanged(position_, maximum_);
    }
}

void Progress::SetHourglass(bool on)
{
    if (hourglass_ == on) {
        return;
    }
    hourglass_ = on;
    if (view_ != nullptr) {
        view_->SetHourglass(on);
    }
}

int BarMaximum(std::size_t steps)
{
    return static_cast<int>(std::min<std::size_t>(steps, INT_MAX));
}

ProgressPass::ProgressPass(Progress& progress, int maximum) : progress_(progress), savedHourglass_(progress.Hourglass())
{
    progress_.ShowProgress(0, maximum);
}

ProgressPass::~ProgressPass()
{
    progress_.SetHourglass(savedHourglass_);
    progress_.ShowProgress(0, 100);
}

} // namespace tollwick
