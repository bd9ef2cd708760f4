// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/ShownList.h"

namespace tollwick {

ShownList& ShownList::operator=(const ShownList& other)
{
    if (this != &other) {
        own_ = other.own_;
        sharesMaster_ = other.sharesMaster_;
    }
    return *this;
}

ShownList& ShownList::operator=(ShownList&& other) noexcept
{
    if (this != &other) {
        own_ = std::move(other.own_);
        sharesMaster_ = other.sharesMaster_;
    }
    return *this;
}

ShownList& ShownList::operator=(std::vector<Row> rows)
{
    own_ = std::move(rows);
    sharesMaster_ = false;
    return *this;
}

// Assigning {} would keep the capacity: a million rows' worth of memory.
void ShownList::ShareMaster()
{
    own_ = std::vector<Row>();
    sharesMaster_ = true;
}

void ShownList::clear()
{
    own_ = std::vector<Row>();
    sharesMaster_ = false;
}

ShownList::iterator ShownList::erase(const_iterator position)
{
    if (!sharesMaster_) {
        return own_.erase(position);
    }
    const auto offset = position - master_->cbegin();
    std::vector<Row>& rows = Own();
    return rows.erase(rows.begin() + offset);
}

std::vector<Row>& ShownList::Own()
{
    if (sharesMaster_) {
        own_ = *master_;
        sharesMaster_ = false;
    }
    return own_;
}

} // namespace tollwick
