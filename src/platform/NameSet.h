// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// A set of names held in one buffer: a folder of a million files costs
/// a few bytes a name beyond the names' own, and no allocation per name.
class NameSet {
public:
    void Insert(std::string_view name);
    [[nodiscard]] bool Contains(std::string_view name) const;
    [[nodiscard]] std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        std::size_t offset;
        std::uint32_t length;
        std::uint32_t hash;
    };
    [[nodiscard]] std::string_view NameOf(const Entry& entry) const;
    /// The slot holding `name`, or the empty slot where it belongs.
    [[nodiscard]] std::size_t SlotOf(std::string_view name, std::uint32_t hash) const;
    void Grow();

    std::string bytes_;
    std::vector<Entry> entries_;
    std::vector<std::uint32_t> slots_; // an entry's index + 1; 0 is free
};

} // namespace tollwick
