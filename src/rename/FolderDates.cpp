// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/FolderDates.h"

#include "platform/Directory.h"
#include "platform/Errors.h"
#include "rename/DateText.h"

namespace tollwick {
namespace {

// Below this a lookup per name costs less than listing a large folder.
constexpr std::size_t ListingFrom = 256;

} // namespace

FolderDates::FolderDates(std::string folder, std::size_t nameCount) : folder_(std::move(folder))
{
    if (nameCount < ListingFrom) {
        return;
    }
    std::vector<FolderEntry> entries;
    try {
        entries = ListFolderFiles(folder_);
    } catch (const TollwickError&) {
        return; // an unreadable folder: single lookups find what they can
    }
    // Nothing listed: a folder that is empty or gone, where single lookups
    // find the same.
    if (entries.empty()) {
        return;
    }
    listed_.emplace();
    listed_->reserve(entries.size());
    for (FolderEntry& entry : entries) {
        listed_->emplace(std::move(entry.name), entry.modified);
    }
}

RowDate FolderDates::DateOf(const std::string& name) const
{
    if (!listed_) {
        return FileDate(folder_, name);
    }
    const auto found = listed_->find(name);
    return found == listed_->end() ? RowDate() : found->second;
}

} // namespace tollwick
