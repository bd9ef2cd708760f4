// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaFacts.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <future>
#include <string>

namespace tollwick {
namespace {

template <typename Number> std::optional<std::string> Digits(const std::optional<Number>& number)
{
    return number ? std::optional<std::string>(std::to_string(*number)) : std::nullopt;
}

} // namespace

void MediaFacts::ReadAhead(const std::vector<std::string>& paths, MediaReads reads, Progress& progress) const
{
    if (paths.empty() || (!reads.photo && !reads.audio)) {
        return;
    }
    // One reader thread: exiv2's XMP parser is not safe to start from two at once.
    std::atomic<std::size_t> done = 0;
    auto reading = std::async(std::launch::async, [this, &paths, reads, &done] {
        for (const std::string& path : paths) {
            if (reads.photo) {
                (void)cache_.Photo(path);
            }
            if (reads.audio) {
                (void)cache_.Audio(path);
            }
            done.fetch_add(1, std::memory_order_relaxed);
        }
    });
    progress.ShowProgress(0, BarMaximum(paths.size()));
    while (reading.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        progress.ShowProgress(static_cast<int>(std::min<std::size_t>(done.load(std::memory_order_relaxed), INT_MAX)),
                              0);
    }
    reading.get();
}

std::optional<LocalDateTime> MediaFacts::Taken(const std::string& path) const
{
    return cache_.Photo(path).Taken();
}

std::optional<std::string> MediaFacts::Tag(MediaField field, const std::string& path) const
{
    switch (field) {
    case MediaField::Make:
        return cache_.Photo(path).make;
    case MediaField::Model:
        return cache_.Photo(path).model;
    case MediaField::Lens:
        return cache_.Photo(path).lens;
    case MediaField::Width:
        return Digits(cache_.Photo(path).width);
    case MediaField::Height:
        return Digits(cache_.Photo(path).height);
    case MediaField::Artist:
        return cache_.Audio(path).artist;
    case MediaField::Album:
        return cache_.Audio(path).album;
    case MediaField::Title:
        return cache_.Audio(path).title;
    case MediaField::Genre:
        return cache_.Audio(path).genre;
    case MediaField::Year:
        return Digits(cache_.Audio(path).year);
    case MediaField::Track:
        return Digits(cache_.Audio(path).track);
    }
    return std::nullopt;
}

} // namespace tollwick
