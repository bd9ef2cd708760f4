// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NaturalOrder.h"

#include <algorithm>
#include <cstdint>

namespace tollwick {
namespace {

// A sort key in the shared buffer, with its first eight bytes as a number:
// most comparisons end there, without a look into the buffer.
struct Keyed {
    std::uint64_t head;
    std::size_t offset;
    std::size_t length;
    std::size_t position;
};

std::uint64_t HeadOf(std::string_view key)
{
    std::uint64_t head = 0;
    for (std::size_t k = 0; k < 8; ++k) {
        head = (head << 8U) | (k < key.size() ? static_cast<unsigned char>(key[k]) : 0U);
    }
    return head;
}

} // namespace

NaturalOrder::NaturalOrder() : collator_(DigitOrder::ByValue) {}

void NaturalOrder::AppendSortKey(std::string& out, std::string_view name) const
{
    collator_.AppendSortKey(out, name);
    // A collation key holds no NUL, so the NUL ends it before the raw bytes
    // that break its ties; keys compare as unsigned bytes.
    out += '\0';
    out += name;
}

std::string NaturalOrder::SortKey(std::string_view name) const
{
    std::string key;
    AppendSortKey(key, name);
    return key;
}

std::vector<std::size_t> NaturalOrder::SortedPositions(std::span<const std::string_view> names) const
{
    // About three bytes of collation key per byte of name, then the name itself.
    std::size_t bytes = 0;
    for (const std::string_view name : names) {
        bytes += 4 * name.size() + 8;
    }
    std::string keys;
    keys.reserve(bytes);
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::size_t offset = keys.size();
        AppendSortKey(keys, names[k]);
        keyed.push_back({0, offset, keys.size() - offset, k});
    }
    const std::string_view all(keys);
    for (Keyed& key : keyed) {
        key.head = HeadOf(all.substr(key.offset, key.length));
    }
    std::sort(keyed.begin(), keyed.end(), [all](const Keyed& a, const Keyed& b) {
        if (a.head != b.head) {
            return a.head < b.head;
        }
        const std::size_t skipA = std::min<std::size_t>(a.length, 8);
        const std::size_t skipB = std::min<std::size_t>(b.length, 8);
        return all.substr(a.offset + skipA, a.length - skipA) < all.substr(b.offset + skipB, b.length - skipB);
    });
    std::vector<std::size_t> positions;
    positions.reserve(keyed.size());
    for (const Keyed& key : keyed) {
        positions.push_back(key.position);
    }
    return positions;
}

} // namespace tollwick
