// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Collation.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick {

/// The order in which Linux file managers list names: the user's locale,
/// case ignored, runs of digits by their value ("img2" before "img10"), and
/// the raw bytes breaking every tie, so that the order is total.
class NaturalOrder {
public:
    NaturalOrder();

    /// A byte string whose plain order is the natural order of the names.
    [[nodiscard]] std::string SortKey(std::string_view name) const;
    /// The positions of `names` in natural order.
    [[nodiscard]] std::vector<std::size_t> SortedPositions(std::span<const std::string_view> names) const;

private:
    void AppendSortKey(std::string& out, std::string_view name) const;

    LocaleCollator collator_;
};

/// Sorts `items` into the natural order of their names (`nameOf(item)`).
template <typename Item, typename NameOf> void SortNaturally(std::vector<Item>& items, NameOf nameOf)
{
    std::vector<std::string_view> names;
    names.reserve(items.size());
    for (const Item& item : items) {
        names.emplace_back(nameOf(item));
    }
    const std::vector<std::size_t> positions = NaturalOrder().SortedPositions(names);
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (const std::size_t position : positions) {
        sorted.push_back(std::move(items[position]));
    }
    items = std::move(sorted);
}

} // namespace tollwick
