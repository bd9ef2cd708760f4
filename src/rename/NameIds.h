// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tollwick {

/// Numbers the distinct names of a plan 0, 1, 2, ... by their bytes, so the
/// plan keeps its per-name state in plain vectors. An open-addressing table
/// of views: the names must outlive it, and nothing is copied.
class NameIds {
public:
    using Id = std::uint32_t;
    using Hash = std::uint32_t;

    [[nodiscard]] static Hash HashOf(std::string_view name);

    /// Room for `expected` names before the table grows.
    explicit NameIds(std::size_t expected);

    /// The number of `name`, a new one when it was not seen before.
    [[nodiscard]] Id Intern(std::string_view name) { return Intern(name, HashOf(name)); }
    /// The same with the name's HashOf.
    [[nodiscard]] Id Intern(std::string_view name, Hash hash);
    /// The number of `name`, if it has one.
    [[nodiscard]] std::optional<Id> Find(std::string_view name) const;
    /// Asks the memory for the slot of `hash` ahead of its Intern.
    void Prefetch(Hash hash) const { __builtin_prefetch(&slots_[hash & mask_]); }
    [[nodiscard]] std::size_t Size() const { return names_.size(); }
    [[nodiscard]] std::string_view NameOf(Id id) const { return names_[id]; }

private:
    struct Slot {
        Hash hash = 0;
        Id idPlusOne = 0; // 0: empty
    };
    void Grow();
    [[nodiscard]] std::size_t Place(Hash hash) const;

    std::vector<Slot> slots_;
    std::vector<std::string_view> names_;
    std::size_t mask_ = 0;
};

} // namespace tollwick
