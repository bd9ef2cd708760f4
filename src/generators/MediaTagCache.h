// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/MediaTags.h"
#include "platform/FileStamp.h"

#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

namespace tollwick {

/// How the cache reads a file it has not seen in this state.
struct MediaTagReaders {
    std::function<PhotoTags(const std::string&)> photo = ReadPhotoTags;
    std::function<AudioTags(const std::string&)> audio = ReadAudioTags;
};

/// The tags of files by path, read again only when the file has changed
/// (another size, modification or change time, or another file under the
/// name). Safe to use from several threads; a file is read outside the lock,
/// so one slow file holds up no other thread.
class MediaTagCache {
public:
    MediaTagCache() = default;
    explicit MediaTagCache(MediaTagReaders readers) : readers_(std::move(readers)) {}

    /// A file that cannot be found gives no values and is not kept.
    [[nodiscard]] PhotoTags Photo(const std::string& path);
    [[nodiscard]] AudioTags Audio(const std::string& path);
    /// Forgets every file, as after the list folder has changed.
    void Clear();

private:
    template <typename Tags> struct Entry {
        FileStamp stamp;
        Tags tags;
    };
    template <typename Tags> using Entries = std::unordered_map<std::string, Entry<Tags>>;

    template <typename Tags>
    Tags Lookup(Entries<Tags>& entries, const std::function<Tags(const std::string&)>& read, const std::string& path);

    const MediaTagReaders readers_{};
    std::mutex mutex_;
    Entries<PhotoTags> photos_;
    Entries<AudioTags> audio_;
};

} // namespace tollwick
