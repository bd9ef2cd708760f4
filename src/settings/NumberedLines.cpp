// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/NumberedLines.h"

#include <algorithm>

namespace tollwick {

std::vector<std::string> NumberedLines(const KeyLines& keys, const TextFamily& family)
{
    const std::int32_t count = std::min(keys.LookupNumber(family.countKey), MaxNumberedLines);
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(keys.LookupText(LineKey(family, k)));
    }
    return lines;
}

} // namespace tollwick
