// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NaturalOrder.h"

#include <algorithm>

namespace tollwick {

NaturalOrder::NaturalOrder() : collator_(DigitOrder::ByValue) {}

std::string NaturalOrder::SortKey(std::string_view name) const
{
    std::string key;
    key.reserve(2 * name.size() + 8);
    collator_.AppendSortKey(key, name);
    // A collation key holds no NUL, so the NUL ends it before the raw bytes
    // that break its ties; std::string compares bytes as unsigned.
    key += '\0';
    key += name;
    return key;
}

std::vector<std::size_t> NaturalOrder::SortedPositions(std::span<const std::string_view> names) const
{
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const std::string_view name : names) {
        keys.push_back(SortKey(name));
    }
    std::vector<std::size_t> positions(names.size());
    for (std::size_t k = 0; k < positions.size(); ++k) {
        positions[k] = k;
    }
    std::sort(positions.begin(), positions.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return positions;
}

} // namespace tollwick
