// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaTags.h"

#include <algorithm>
#include <array>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>
#include <initializer_list>
#include <limits>
#include <memory>
#include <mutex>

namespace tollwick {
namespace {

// The XMP toolkit may take its lock again while it holds it.
void LockXmp(void* mutex, bool lock)
{
    auto* const held = static_cast<std::recursive_mutex*>(mutex);
    if (lock) {
        held->lock();
    } else {
        held->unlock();
    }
}

/// Sets exiv2 up once, before the first read on any thread: no messages to
/// stderr, the XMP toolkit made safe for threads, HEIF and CR3 files read.
void PrepareExiv2()
{
    static std::recursive_mutex xmpMutex;
    static const bool prepared = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::enableBMFF(true);
        return Exiv2::XmpParser::initialize(LockXmp, &xmpMutex);
    }();
    static_cast<void>(prepared);
}

/// exiv2 also parses videos, and loops without end on some damaged ones:
/// only the still image formats are opened.
bool IsPhotoType(int type)
{
    namespace Type = Exiv2::ImageType;
    constexpr std::array photos{Type::jpeg, Type::exv, Type::crw, Type::tiff, Type::mrw,  Type::png,
                                Type::cr2,  Type::raf, Type::orf, Type::gif,  Type::psd,  Type::tga,
                                Type::bmp,  Type::jp2, Type::rw2, Type::pgf,  Type::bmff, Type::webp};
    return std::find(photos.begin(), photos.end(), type) != photos.end();
}

std::optional<std::string> Trimmed(std::string text)
{
    const std::size_t end = text.find_last_not_of(std::string_view(" \0", 2));
    if (end == std::string::npos) {
        return std::nullopt;
    }
    text.resize(end + 1);
    return text;
}

template <typename Key, typename Data> std::optional<std::string> TextOf(const Data& data, const char* key)
{
    const auto found = data.findKey(Key(key));
    if (found == data.end() || found->count() == 0) {
        return std::nullopt;
    }
    return Trimmed(found->toString());
}

std::optional<std::string> FirstText(std::initializer_list<std::optional<std::string>> texts)
{
    for (const auto& text : texts) {
        if (text) {
            return text;
        }
    }
    return std::nullopt;
}

/// The first of the texts that is a date, in the Exif form.
std::optional<std::string> FirstDate(std::initializer_list<std::optional<std::string>> texts)
{
    for (const auto& text : texts) {
        if (const auto date = text ? MediaDateValue(*text) : std::nullopt) {
            return ExifDateText(*date);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Dimension(long value)
{
    if (value <= 0 || static_cast<unsigned long>(value) > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> DimensionOf(const Exiv2::ExifData& exif, const char* key)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    if (found == exif.end() || found->count() == 0) {
        return std::nullopt;
    }
    return Dimension(found->toLong(0));
}

PhotoTags TagsOf(const Exiv2::Image& image)
{
    const Exiv2::ExifData& exif = image.exifData();
    const Exiv2::XmpData& xmp = image.xmpData();
    using Exiv2::ExifKey;
    using Exiv2::XmpKey;
    PhotoTags tags;
    tags.takenDate = FirstDate(
        {TextOf<ExifKey>(exif, "Exif.Photo.DateTimeOriginal"), TextOf<XmpKey>(xmp, "Xmp.exif.DateTimeOriginal"),
         TextOf<ExifKey>(exif, "Exif.Photo.DateTimeDigitized"), TextOf<XmpKey>(xmp, "Xmp.xmp.CreateDate")});
    tags.make = FirstText({TextOf<ExifKey>(exif, "Exif.Image.Make"), TextOf<XmpKey>(xmp, "Xmp.tiff.Make")});
    tags.model = FirstText({TextOf<ExifKey>(exif, "Exif.Image.Model"), TextOf<XmpKey>(xmp, "Xmp.tiff.Model")});
    tags.lens = FirstText({TextOf<ExifKey>(exif, "Exif.Photo.LensModel"), TextOf<XmpKey>(xmp, "Xmp.exifEX.LensModel"),
                           TextOf<XmpKey>(xmp, "Xmp.aux.Lens")});
    // The image's own size outlives an edit that left the tags behind.
    tags.width = Dimension(image.pixelWidth());
    tags.height = Dimension(image.pixelHeight());
    if (!tags.width || !tags.height) {
        tags.width = DimensionOf(exif, "Exif.Photo.PixelXDimension");
        tags.height = DimensionOf(exif, "Exif.Photo.PixelYDimension");
    }
    return tags;
}

} // namespace

PhotoTags ReadPhotoTags(const std::string& path)
{
    PrepareExiv2();
    // exiv2 reads "-" as stdin and "http://..." from the network: a relative
    // path is made to look like the local file it is.
    const std::string local = path.starts_with('/') ? path : "./" + path;
    try {
        if (!IsPhotoType(Exiv2::ImageFactory::getType(local))) {
            return {};
        }
        const std::unique_ptr<Exiv2::Image> image(Exiv2::ImageFactory::open(local, false).release());
        if (!image) {
            return {};
        }
        image->readMetadata();
        return TagsOf(*image);
    } catch (const std::exception&) {
        // A damaged file: exiv2 says so with Exiv2::AnyError, or with a
        // standard exception when a length in it cannot be allocated.
        return {};
    }
}

} // namespace tollwick
