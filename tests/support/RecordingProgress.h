// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Progress.h"

#include <utility>
#include <vector>

namespace tollwick::test {

/// Remembers every bar change and cursor switch, in order.
class RecordingProgressView final : public ProgressView {
public:
    void BarChanged(int position, int maximum) override { bars.emplace_back(position, maximum); }
    void SetHourglass(bool on) override { cursors.push_back(on); }

    std::vector<std::pair<int, int>> bars;
    std::vector<bool> cursors;
};

} // namespace tollwick::test
