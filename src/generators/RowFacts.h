// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/FileStatus.h"
#include "rename/Progress.h"

#include <optional>
#include <string>
#include <vector>

namespace tollwick {

/// The tags of photos and audio files the name mask can write.
enum class MediaField { Make, Model, Lens, Width, Height, Artist, Album, Title, Year, Genre, Track };

/// Which kinds of tags a mask's tokens read.
struct MediaReads {
    bool photo = false;
    bool audio = false;
};

/// What the name mask's tokens know of a row's file. A pass asks only for
/// the rows it processes and only what its tokens need, each at most once
/// a row; the time of the pass once a pass.
class RowFacts {
public:
    RowFacts() = default;
    RowFacts(const RowFacts&) = delete;
    RowFacts& operator=(const RowFacts&) = delete;
    virtual ~RowFacts() = default;

    [[nodiscard]] virtual LocalDateTime Now() const = 0;
    [[nodiscard]] virtual std::optional<FileStatus> Status(const std::string& path) const = 0;
    /// When the photo was taken.
    [[nodiscard]] virtual std::optional<LocalDateTime> Taken(const std::string& path) const = 0;
    /// A numeric field (width, height, year, track) gives its digits alone.
    [[nodiscard]] virtual std::optional<std::string> Tag(MediaField field, const std::string& path) const = 0;
    /// Before a pass: reads what `reads` names of every file in `paths`, so
    /// the rows' values come without waiting; the bar runs through the files.
    /// Facts that keep nothing do nothing.
    virtual void ReadAhead(const std::vector<std::string>& paths, MediaReads reads, Progress& progress) const;
};

/// The clock and the files' own status; no media tags, which a reader of
/// photos and audio files adds by deriving from it.
class FileSystemFacts : public RowFacts {
public:
    [[nodiscard]] LocalDateTime Now() const override;
    [[nodiscard]] std::optional<FileStatus> Status(const std::string& path) const override;
    [[nodiscard]] std::optional<LocalDateTime> Taken(const std::string& path) const override;
    [[nodiscard]] std::optional<std::string> Tag(MediaField field, const std::string& path) const override;
};

} // namespace tollwick
