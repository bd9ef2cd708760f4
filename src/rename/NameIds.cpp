// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameIds.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <stdexcept>

namespace tollwick {
namespace {

// At most half full: probes stay short and a miss ends soon.
std::size_t SlotsFor(std::size_t names)
{
    return std::bit_ceil(std::max<std::size_t>(16, names * 2));
}

} // namespace

NameIds::Hash NameIds::HashOf(std::string_view name)
{
    const std::size_t full = std::hash<std::string_view>{}(name);
    return static_cast<Hash>(full ^ (full >> 32U));
}

NameIds::NameIds(std::size_t expected) : slots_(SlotsFor(expected)), mask_(slots_.size() - 1)
{
    starts_.reserve(expected);
    sizes_.reserve(expected);
}

// The id of the name in the slot at `place` when it is `name`.
std::optional<NameIds::Id> NameIds::IdAt(std::size_t place, std::string_view name, Hash hash) const
{
    const Slot slot = slots_[place];
    if ((slot & ~IdMask) != TagOf(hash)) {
        return std::nullopt;
    }
    const Id id = (slot & IdMask) - 1;
    return NameOf(id) == name ? std::optional(id) : std::nullopt;
}

std::optional<NameIds::Id> NameIds::Find(std::string_view name) const
{
    const Hash hash = HashOf(name);
    for (std::size_t place = hash & mask_; slots_[place] != 0; place = (place + 1) & mask_) {
        if (const std::optional<Id> id = IdAt(place, name, hash)) {
            return id;
        }
    }
    return std::nullopt;
}

NameIds::Id NameIds::Intern(std::string_view name, Hash hash)
{
    std::size_t place = hash & mask_;
    for (; slots_[place] != 0; place = (place + 1) & mask_) {
        if (const std::optional<Id> id = IdAt(place, name, hash)) {
            return *id;
        }
    }
    if (Size() >= IdMask - 1 || name.size() > UINT32_MAX) {
        throw std::length_error("too many names for one plan");
    }
    const auto id = static_cast<Id>(Size());
    starts_.push_back(name.data());
    sizes_.push_back(static_cast<std::uint32_t>(name.size()));
    slots_[place] = TagOf(hash) | (id + 1);
    if (Size() * 2 > slots_.size()) {
        Grow();
    }
    return id;
}

void NameIds::Grow()
{
    slots_.assign(slots_.size() * 2, 0);
    mask_ = slots_.size() - 1;
    for (Id id = 0; id < Size(); ++id) {
        const Hash hash = HashOf(NameOf(id));
        std::size_t place = hash & mask_;
        while (slots_[place] != 0) {
            place = (place + 1) & mask_;
        }
        slots_[place] = TagOf(hash) | (id + 1);
    }
}

} // namespace tollwick
