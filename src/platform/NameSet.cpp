// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NameSet.h"

#include <functional>
#include <limits>
#include <stdexcept>

namespace tollwick {
namespace {

std::uint32_t HashOf(std::string_view name)
{
    const std::size_t full = std::hash<std::string_view>{}(name);
    return static_cast<std::uint32_t>(full ^ (full >> 32U));
}

} // namespace

void NameSet::Insert(std::string_view name)
{
    if (name.size() > std::numeric_limits<std::uint32_t>::max() ||
        entries_.size() >= std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::length_error("name set too large");
    }
    // At most half the slots in use keeps the probes short.
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        Grow();
    }
    const std::uint32_t hash = HashOf(name);
    const std::size_t slot = SlotOf(name, hash);
    if (slots_[slot] != 0) {
        return;
    }
    entries_.push_back({bytes_.size(), static_cast<std::uint32_t>(name.size()), hash});
    bytes_.append(name);
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
}

bool NameSet::Contains(std::string_view name) const
{
    return !slots_.empty() && slots_[SlotOf(name, HashOf(name))] != 0;
}

std::string_view NameSet::NameOf(const Entry& entry) const
{
    return std::string_view(bytes_).substr(entry.offset, entry.length);
}

std::size_t NameSet::SlotOf(std::string_view name, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t held = slots_[slot];
        if (held == 0) {
            return slot;
        }
        const Entry& entry = entries_[held - 1];
        if (entry.hash == hash && NameOf(entry) == name) {
            return slot;
        }
    }
}

void NameSet::Grow()
{
    std::vector<std::uint32_t> slots(slots_.empty() ? 64 : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        std::size_t slot = entries_[index].hash & mask;
        while (slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = static_cast<std::uint32_t>(index + 1);
    }
    slots_ = std::move(slots);
}

} // namespace tollwick
