// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaTags.h"

#include "generators/MediaTagCache.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <exiv2/exiv2.hpp>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/xiphcomment.h>
#include <utility>
#include <vector>

namespace tollwick {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

/// Writes the tags into the photo as a photo program would, through exiv2.
void TagPhoto(const std::string& path, const Keys& exif, const Keys& xmp = {})
{
    const std::unique_ptr<Exiv2::Image> image(Exiv2::ImageFactory::open(path).release());
    image->readMetadata();
    for (const auto& [key, value] : exif) {
        image->exifData()[key] = value;
    }
    for (const auto& [key, value] : xmp) {
        image->xmpData()[key] = value;
    }
    image->writeMetadata();
}

void SetTags(TagLib::Tag& tag)
{
    tag.setArtist(TagLib::String("Лёд и пламя", TagLib::String::UTF8));
    tag.setAlbum("Winter");
    tag.setTitle("Frost");
    tag.setGenre("Folk");
    tag.setYear(1987);
    tag.setTrack(12);
}

const AudioTags ExpectedAudio{
    .artist = "Лёд и пламя", .album = "Winter", .title = "Frost", .genre = "Folk", .year = 1987U, .track = 12U};

std::string TaggedPhoto(const test::TempDir& dir, const std::string& name, const Keys& exif, const Keys& xmp = {})
{
    dir.WriteFile(name, test::TinyJpeg());
    TagPhoto(dir.Path() + name, exif, xmp);
    return dir.Path() + name;
}

std::string TaggedMp3(const test::TempDir& dir)
{
    dir.WriteFile("song.mp3", test::SilentMp3());
    const std::string path = dir.Path() + "song.mp3";
    TagLib::MPEG::File file(path.c_str(), false);
    SetTags(*file.ID3v2Tag(true));
    EXPECT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
    return path;
}

TEST(MediaDate, ReadsExifAndXmpFormsWithoutMovingTheZone)
{
    const LocalDateTime evening{2005, 11, 30, 23, 30, 18};
    struct Case {
        const char* text;
        std::optional<LocalDateTime> value;
    };
    const Case cases[] = {
        {"2005:11:30 23:30:18", evening},
        {"2005:11:30 23:30:18   ", evening},    // padded by the camera
        {"2005-11-30T23:30:18+09:00", evening}, // the zone is not applied
        {"2005-11-30T23:30:18.250Z", evening},
        {"2005-11-30T23:30:18-0500", evening},
        {"2005-11-30T23:30", LocalDateTime{2005, 11, 30, 23, 30, 0}},
        {"2005-11-30", LocalDateTime{2005, 11, 30, 0, 0, 0}},
        {"2004:02:29 00:00:00", LocalDateTime{2004, 2, 29, 0, 0, 0}},
        {"    :  :     :  :  ", std::nullopt}, // a camera without a clock
        {"0000:00:00 00:00:00", std::nullopt},
        {"2005:02:29 10:00:00", std::nullopt},
        {"2005:11:31 10:00:00", std::nullopt},
        {"2005:11:30 24:00:00", std::nullopt},
        {"2005:11:30 23:30:18 extra", std::nullopt},
        {"2005:11:30 23:30:1", std::nullopt},
        {"2005", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MediaDateValue(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ExifDateText({987, 1, 2, 3, 4, 5}), "0987:01:02 03:04:05");
}

TEST(PhotoTags, PreferTheOriginalDateAndCutThePadding)
{
    const test::TempDir dir;
    const std::string path = TaggedPhoto(dir, "a.jpg",
                                         {{"Exif.Photo.DateTimeOriginal", "2021:03:04 05:06:07"},
                                          {"Exif.Photo.DateTimeDigitized", "2022:01:01 00:00:00"},
                                          {"Exif.Image.Make", "Canon   "},
                                          {"Exif.Image.Model", "EOS 5D"},
                                          {"Exif.Photo.LensModel", "EF50mm f/1.8 II"},
                                          {"Exif.Photo.PixelXDimension", "4000"}});
    const PhotoTags tags = ReadPhotoTags(path);
    EXPECT_EQ(tags.takenDate, "2021:03:04 05:06:07");
    EXPECT_EQ(tags.Taken(), (LocalDateTime{2021, 3, 4, 5, 6, 7}));
    EXPECT_EQ(tags.make, "Canon");
    EXPECT_EQ(tags.model, "EOS 5D");
    EXPECT_EQ(tags.lens, "EF50mm f/1.8 II");
    // The pixels count, not a size the tags still claim after a crop.
    EXPECT_EQ(tags.width, 8U);
    EXPECT_EQ(tags.height, 8U);
}

TEST(PhotoTags, FallBackToTheCreationDate)
{
    const test::TempDir dir;
    const std::string digitized = TaggedPhoto(dir, "b.jpg",
                                              {{"Exif.Photo.DateTimeOriginal", "    :  :     :  :  "},
                                               {"Exif.Photo.DateTimeDigitized", "2022:01:02 03:04:05"}});
    EXPECT_EQ(ReadPhotoTags(digitized).takenDate, "2022:01:02 03:04:05");

    const std::string xmp =
        TaggedPhoto(dir, "c.jpg", {{"Exif.Image.Model", "X"}},
                    {{"Xmp.xmp.CreateDate", "2019-07-01T23:30:00+09:00"}, {"Xmp.tiff.Make", "FUJIFILM"}});
    const PhotoTags tags = ReadPhotoTags(xmp);
    EXPECT_EQ(tags.takenDate, "2019:07:01 23:30:00");
    EXPECT_EQ(tags.make, "FUJIFILM");
    EXPECT_EQ(tags.model, "X");
    EXPECT_FALSE(tags.lens);
}

TEST(PhotoTags, MissingTagsAreEmpty)
{
    const test::TempDir dir;
    dir.WriteFile("plain.jpg", test::TinyJpeg());
    const PhotoTags tags = ReadPhotoTags(dir.Path() + "plain.jpg");
    PhotoTags sizeOnly;
    sizeOnly.width = 8U;
    sizeOnly.height = 8U;
    EXPECT_EQ(tags, sizeOnly);
}

TEST(PhotoTags, DamagedOrForeignFilesGiveNothing)
{
    const test::TempDir dir;
    const std::string tagged = TaggedPhoto(
        dir, "a.jpg", {{"Exif.Photo.DateTimeOriginal", "2021:03:04 05:06:07"}, {"Exif.Image.Make", "Canon"}});
    const std::string bytes = dir.ReadFile("a.jpg");
    const std::size_t tagsEnd = bytes.find("\xFF\xDB");
    ASSERT_NE(tagsEnd, std::string::npos);
    // Cut anywhere before the tags end, the file gives no values at all.
    for (std::size_t length = 0; length < tagsEnd; ++length) {
        dir.WriteFile("cut.jpg", bytes.substr(0, length));
        EXPECT_EQ(ReadPhotoTags(dir.Path() + "cut.jpg"), PhotoTags{}) << length;
    }
    for (std::size_t length = tagsEnd; length < bytes.size(); ++length) {
        dir.WriteFile("cut.jpg", bytes.substr(0, length));
        static_cast<void>(ReadPhotoTags(dir.Path() + "cut.jpg"));
    }
    dir.WriteFile("notes.jpg", "not a photo");
    // A damaged ASF video that exiv2's video reader never returns from.
    const std::string video("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C\x80\x80\x80\xFF"
                            "\xFF\xFF\xFF\xFF\xFF\x01\x00\x00\x00\x00\x00\x06\x27\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                            "\x20\x00\x00\x04\x00\x00\x05\x00\x00\x00\x31\x39\x38\x37\x54\x43\x20\x20\x4F\x4E"
                            "\x00\x00\x00\x04\x00\x20\x00\x54\x43\x20\x20\x4F\x4E\x00\x00\x00\x04\x00\x20\x00",
                            80);
    dir.WriteFile("video.jpg", video);
    dir.MakeFolder("folder.jpg");
    for (const char* name : {"notes.jpg", "video.jpg", "folder.jpg", "missing.jpg"}) {
        EXPECT_EQ(ReadPhotoTags(dir.Path() + name), PhotoTags{}) << name;
    }
}

TEST(AudioTags, ReadWhatTagLibWrote)
{
    const test::TempDir dir;
    EXPECT_EQ(ReadAudioTags(TaggedMp3(dir)), ExpectedAudio);

    dir.WriteFile("song.flac", test::MinimalFlac());
    const std::string flac = dir.Path() + "song.flac";
    {
        TagLib::FLAC::File file(flac.c_str(), false);
        TagLib::Ogg::XiphComment& comment = *file.xiphComment(true);
        SetTags(comment);
        // Vorbis comments write the track as the player shows it.
        comment.addField("TRACKNUMBER", "3/12", true);
        ASSERT_TRUE(file.save());
    }
    AudioTags expected = ExpectedAudio;
    expected.track = 3U;
    EXPECT_EQ(ReadAudioTags(flac), expected);
}

TEST(AudioTags, MissingTagsAndZeroNumbersAreEmpty)
{
    const test::TempDir dir;
    dir.WriteFile("plain.mp3", test::SilentMp3());
    EXPECT_EQ(ReadAudioTags(dir.Path() + "plain.mp3"), AudioTags{});

    const std::string path = dir.Path() + "plain.mp3";
    {
        TagLib::MPEG::File file(path.c_str(), false);
        file.ID3v2Tag(true)->setTitle("Only a title");
        ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
    }
    AudioTags titleOnly;
    titleOnly.title = "Only a title";
    EXPECT_EQ(ReadAudioTags(path), titleOnly);
}

TEST(AudioTags, DamagedFilesGiveNothing)
{
    const test::TempDir dir;
    const std::string bytes = dir.ReadFile(std::filesystem::path(TaggedMp3(dir)).filename());
    const std::size_t sound = bytes.find("\xFF\xFB\x90\xC4");
    ASSERT_NE(sound, std::string::npos);
    // Cut anywhere in the tag, the file gives no values: not the fields
    // that happen to come before the cut.
    for (std::size_t length = 0; length < sound; length += 3) {
        dir.WriteFile("cut.mp3", bytes.substr(0, length));
        EXPECT_EQ(ReadAudioTags(dir.Path() + "cut.mp3"), AudioTags{}) << length;
    }
    for (std::size_t length = sound; length < bytes.size(); length += 7) {
        dir.WriteFile("cut.mp3", bytes.substr(0, length));
        static_cast<void>(ReadAudioTags(dir.Path() + "cut.mp3"));
    }
    dir.WriteFile("noise.flac", "fLaC and then nothing a decoder knows");
    for (const char* name : {"noise.flac", "missing.ogg"}) {
        EXPECT_EQ(ReadAudioTags(dir.Path() + name), AudioTags{}) << name;
    }
}

struct CountingReaders {
    int photoReads = 0;
    int audioReads = 0;
    MediaTagReaders Readers()
    {
        return {.photo =
                    [this](const std::string& path) {
                        ++photoReads;
                        return ReadPhotoTags(path);
                    },
                .audio =
                    [this](const std::string& path) {
                        ++audioReads;
                        return ReadAudioTags(path);
                    }};
    }
};

TEST(MediaTagCache, ReadsAFileOnceUntilItChanges)
{
    const test::TempDir dir;
    const std::string photo = TaggedPhoto(dir, "a.jpg", {{"Exif.Image.Make", "Canon"}});
    const std::string song = TaggedMp3(dir);
    CountingReaders counts;
    MediaTagCache cache(counts.Readers());

    EXPECT_EQ(cache.Photo(photo).make, "Canon");
    EXPECT_EQ(cache.Photo(photo).make, "Canon");
    EXPECT_EQ(cache.Audio(song), ExpectedAudio);
    EXPECT_EQ(cache.Audio(song), ExpectedAudio);
    EXPECT_EQ(counts.photoReads, 1);
    EXPECT_EQ(counts.audioReads, 1);

    // Retagged and its modification time put back, as taggers can do.
    const auto modified = std::filesystem::last_write_time(photo);
    TagPhoto(photo, {{"Exif.Image.Make", "Nikon"}});
    std::filesystem::last_write_time(photo, modified);
    EXPECT_EQ(cache.Photo(photo).make, "Nikon");
    EXPECT_EQ(counts.photoReads, 2);

    cache.Clear();
    EXPECT_EQ(cache.Audio(song), ExpectedAudio);
    EXPECT_EQ(counts.audioReads, 2);
}

TEST(MediaTagCache, ForgetsAFileThatIsGone)
{
    const test::TempDir dir;
    const std::string photo = TaggedPhoto(dir, "a.jpg", {{"Exif.Image.Make", "Canon"}});
    CountingReaders counts;
    MediaTagCache cache(counts.Readers());
    EXPECT_EQ(cache.Photo(photo).make, "Canon");
    std::filesystem::remove(photo);
    EXPECT_EQ(cache.Photo(photo), PhotoTags{});
    // The same name with other contents is another file.
    dir.WriteFile("a.jpg", test::TinyJpeg());
    EXPECT_FALSE(cache.Photo(photo).make);
    EXPECT_EQ(counts.photoReads, 2);
}

} // namespace
} // namespace tollwick
