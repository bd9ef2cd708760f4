// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaTagCache.h"

namespace tollwick {

template <typename Tags>
Tags MediaTagCache::Lookup(Entries<Tags>& entries, const std::function<Tags(const std::string&)>& read,
                           const std::string& path)
{
    const std::optional<FileStamp> stamp = StampOf(path);
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries.find(path);
        if (found != entries.end()) {
            if (stamp && found->second.stamp == *stamp) {
                return found->second.tags;
            }
            entries.erase(found);
        }
    }
    if (!stamp) {
        return {};
    }
    // Stamped before the read: a file written meanwhile is read again next time.
    Tags tags = read(path);
    const std::lock_guard lock(mutex_);
    entries.insert_or_assign(path, Entry<Tags>{*stamp, tags});
    return tags;
}

PhotoTags MediaTagCache::Photo(const std::string& path)
{
    return Lookup(photos_, readers_.photo, path);
}

AudioTags MediaTagCache::Audio(const std::string& path)
{
    return Lookup(audio_, readers_.audio, path);
}

void MediaTagCache::Clear()
{
    const std::lock_guard lock(mutex_);
    photos_.clear();
    audio_.clear();
}

} // namespace tollwick
