// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/MediaTagCache.h"
#include "generators/RowFacts.h"

namespace tollwick {

/// The files' status and their photo and audio tags, through a cache so the
/// sample and later passes read a file again only when it has changed.
class MediaFacts final : public FileSystemFacts {
public:
    explicit MediaFacts(MediaTagCache& cache) : cache_(cache) {}

    [[nodiscard]] std::optional<LocalDateTime> Taken(const std::string& path) const override;
    [[nodiscard]] std::optional<std::string> Tag(MediaField field, const std::string& path) const override;
    /// Reads on a thread of its own while this one keeps the window painting.
    void ReadAhead(const std::vector<std::string>& paths, MediaReads reads, Progress& progress) const override;

private:
    MediaTagCache& cache_;
};

} // namespace tollwick
