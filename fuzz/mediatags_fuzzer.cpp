// SPDX-License-Identifier: GPL-3.0-or-later
// The photo and audio tag readers. Input: the first byte picks the kind of
// file (0 a JPEG, 1 an MP3, 2 a FLAC, by its value modulo 3), the rest is the
// file. The readers choose their parser by the extension and the contents.
#include "FuzzInput.h"
#include "generators/MediaTags.h"

#include <array>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    constexpr std::array<const char*, 3> names{"input.jpg", "input.mp3", "input.flac"};
    const std::size_t kind = data[0] % names.size();
    const std::string path = tollwick::fuzz::WriteInputFile(tollwick::fuzz::AsText(data + 1, size - 1), names.at(kind));
    if (kind == 0) {
        const tollwick::PhotoTags tags = tollwick::ReadPhotoTags(path);
        if (tags.takenDate && (tags.takenDate->size() != 19 || !tags.Taken())) {
            std::abort(); // a taken date is always a whole date in the Exif form
        }
        if (tags.width == 0U || tags.height == 0U) {
            std::abort(); // no size is better than a size of nothing
        }
    } else {
        const tollwick::AudioTags tags = tollwick::ReadAudioTags(path);
        if (tags.year == 0U || tags.track == 0U || (tags.title && tags.title->empty())) {
            std::abort(); // zero and empty mean "missing"
        }
    }
    return 0;
}
