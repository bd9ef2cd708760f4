// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// What a photo says about itself. Texts are UTF-8 as the file holds them,
/// with trailing blanks and NULs cut; an empty text counts as missing.
struct PhotoTags {
    /// "YYYY:MM:DD HH:MM:SS" in the camera's own local time, never moved to
    /// another time zone: DateTimeOriginal, else the creation date.
    std::optional<std::string> takenDate;
    std::optional<std::string> make;
    std::optional<std::string> model;
    std::optional<std::string> lens;
    /// The pixels of the image itself, else what the tags claim.
    std::optional<std::uint32_t> width;
    std::optional<std::uint32_t> height;

    /// The taken date as a date and time; empty when there is none.
    [[nodiscard]] std::optional<LocalDateTime> Taken() const;
    friend bool operator==(const PhotoTags&, const PhotoTags&) = default;
};

/// What an audio file's tags say (ID3, Vorbis comments, MP4 atoms...).
struct AudioTags {
    std::optional<std::string> artist;
    std::optional<std::string> album;
    std::optional<std::string> title;
    std::optional<std::string> genre;
    std::optional<unsigned> year;
    std::optional<unsigned> track;
    friend bool operator==(const AudioTags&, const AudioTags&) = default;
};

/// A date as Exif ("2005:11:30 11:30:18") or XMP ("2005-11-30T11:30:18+01:00",
/// "2005-11-30") writes it, the zone dropped; empty for blanks ("    :  :  ",
/// what cameras without a clock write), zeros and impossible dates.
[[nodiscard]] std::optional<LocalDateTime> MediaDateValue(std::string_view text);
/// The Exif form of a date: "2005:11:30 11:30:18".
[[nodiscard]] std::string ExifDateText(const LocalDateTime& time);

/// The tags of a photo (JPEG, TIFF, PNG, WebP, HEIF, camera raw...). A file
/// that is missing, unreadable, truncated or not an image gives no values;
/// nothing is thrown and nothing is printed.
[[nodiscard]] PhotoTags ReadPhotoTags(const std::string& path);
/// The tags of an MP3, FLAC, Ogg Vorbis, Opus or M4A file (and whatever else
/// TagLib knows), with the same promise as ReadPhotoTags.
[[nodiscard]] AudioTags ReadAudioTags(const std::string& path);

} // namespace tollwick
