// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tollwick {

/// Numbers the distinct names of a plan 0, 1, 2, ... by their bytes, so the
/// plan keeps its per-name state in plain vectors. An open-addressing table
/// of four-byte slots over views of the names: the names must outlive it,
/// and nothing is copied. A plan of a million rows numbers two million
/// names, so each byte a name takes here counts.
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
    [[nodiscard]] std::size_t Size() const { return starts_.size(); }
    [[nodiscard]] std::string_view NameOf(Id id) const { return {starts_[id], sizes_[id]}; }

private:
    // A slot holds the id plus one in its low bits (0: empty) and the top
    // bits of the name's hash above them, which tell most other names
    // apart without a look at their bytes.
    using Slot = std::uint32_t;
    static constexpr int IdBits = 26;
    static constexpr Slot IdMask = (Slot{1} << IdBits) - 1;
    [[nodiscard]] static Slot TagOf(Hash hash) { return hash & ~IdMask; }
    [[nodiscard]] std::optional<Id> IdAt(std::size_t place, std::string_view name, Hash hash) const;
    void Grow();

    std::vector<Slot> slots_;
    std::vector<const char*> starts_;
    std::vector<std::uint32_t> sizes_;
    std::size_t mask_ = 0;
};

} // namespace tollwick
