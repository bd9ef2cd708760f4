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
    names_.reserve(expected);
}

std::size_t NameIds::Place(Hash hash) const
{
    std::size_t place = hash & mask_;
    while (slots_[place].idPlusOne != 0) {
        place = (place + 1) & mask_;
    }
    return place;
}

std::optional<NameIds::Id> NameIds::Find(std::string_view name) const
{
    const Hash hash = HashOf(name);
    for (std::size_t place = hash & mask_; slots_[place].idPlusOne != 0; place = (place + 1) & mask_) {
        const Slot& slot = slots_[place];
        if (slot.hash == hash && names_[slot.idPlusOne - 1] == name) {
            return slot.idPlusOne - 1;
        }
    }
    return std::nullopt;
}

NameIds::Id NameIds::Intern(std::string_view name, Hash hash)
{
    std::size_t place = hash & mask_;
    for (; slots_[place].idPlusOne != 0; place = (place + 1) & mask_) {
        const Slot& slot = slots_[place];
        if (slot.hash == hash && names_[slot.idPlusOne - 1] == name) {
            return slot.idPlusOne - 1;
        }
    }
    if (names_.size() >= UINT32_MAX - 1) {
        throw std::length_error("too many names for one plan");
    }
    const auto id = static_cast<Id>(names_.size());
    names_.push_back(name);
    slots_[place] = {hash, id + 1};
    if (names_.size() * 2 > slots_.size()) {
        Grow();
    }
    return id;
}

void NameIds::Grow()
{
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.idPlusOne != 0) {
            slots_[Place(slot.hash)] = slot;
        }
    }
}

} // namespace tollwick
