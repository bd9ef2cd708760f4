// SPDX-License-Identifier: GPL-3.0-or-later
// The mask's photo and audio tokens, read through the tag cache in a pass.
#include "generators/MediaFacts.h"

#include "generators/GenerationPass.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <thread>

namespace tollwick {
namespace {

void WritePhoto(const test::TempDir& dir, const std::string& name)
{
    dir.WriteFile(name, test::TinyJpeg());
    const std::unique_ptr<Exiv2::Image> image(Exiv2::ImageFactory::open(dir.Path() + name).release());
    image->readMetadata();
    image->exifData()["Exif.Photo.DateTimeOriginal"] = "2021:03:04 05:06:07";
    image->exifData()["Exif.Image.Model"] = "EOS 5D";
    image->writeMetadata();
}

void WriteSong(const test::TempDir& dir, const std::string& name)
{
    dir.WriteFile(name, test::SilentMp3());
    const std::string path = dir.Path() + name;
    TagLib::MPEG::File file(path.c_str(), false);
    TagLib::ID3v2::Tag& tag = *file.ID3v2Tag(true);
    tag.setTitle("Frost/Thaw");
    tag.setTrack(7);
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2));
}

RenameList ListOf(const std::vector<std::string>& names)
{
    RenameList list;
    for (const std::string& name : names) {
        list.AddMasterRow(name, name, RowDate()).Checked = true;
    }
    list.FilterList = list.TotalList;
    return list;
}

TEST(MediaTokens, APassWritesTheTagsAndCountsTheFilesWithout)
{
    const test::TempDir dir;
    WritePhoto(dir, "p.jpg");
    WriteSong(dir, "s.mp3");
    dir.WriteFile("plain.jpg", "not an image");
    int photoReads = 0;
    MediaTagCache cache(MediaTagReaders{[&photoReads](const std::string& path) {
                                            ++photoReads;
                                            return ReadPhotoTags(path);
                                        },
                                        ReadAudioTags});
    const MediaFacts facts(cache);
    const TranslitTables tables;
    const PassContext context(false, tables, dir.Path(), &facts);
    Progress progress;

    RenameList photos = ListOf({"p.jpg", "plain.jpg"});
    const CleanedTexts cleaned = GenerateNewNames(
        photos, MaskStep{"<date:taken|%Y-%m-%d_%H.%M>_<exif:model>_<exif:width>", "*", false}, context, progress);
    EXPECT_EQ(photos.FilterList[0].NewName, "2021-03-04_05.06_EOS 5D_8.jpg");
    EXPECT_EQ(photos.FilterList[1].NewName, "__.jpg");
    ASSERT_EQ(cleaned.missing.size(), 3U);
    for (const MissingValue& missing : cleaned.missing) {
        EXPECT_EQ(missing.rows, 1U) << missing.token;
    }
    // Three fields of two photos, each file read once.
    EXPECT_EQ(photoReads, 2);

    // A tag's forbidden characters go; its number is padded.
    RenameList songs = ListOf({"s.mp3"});
    (void)GenerateNewNames(songs, MaskStep{"<audio:track|2> <audio:title>", "*", false}, context, progress);
    EXPECT_EQ(songs.FilterList[0].NewName, "07 FrostThaw.mp3");
}

// The tags are read ahead on another thread, so the window keeps painting;
// the pass itself then reads nothing, and a photo mask opens no file as audio.
TEST(MediaTokens, TheTagsAreReadAheadOnAnotherThreadOnceAFile)
{
    const test::TempDir dir;
    WritePhoto(dir, "a.jpg");
    WritePhoto(dir, "b.jpg");
    std::set<std::thread::id> readers;
    int photoReads = 0;
    int audioReads = 0;
    MediaTagCache cache(MediaTagReaders{[&](const std::string& path) {
                                            readers.insert(std::this_thread::get_id());
                                            ++photoReads;
                                            return ReadPhotoTags(path);
                                        },
                                        [&audioReads](const std::string& path) {
                                            ++audioReads;
                                            return ReadAudioTags(path);
                                        }});
    const MediaFacts facts(cache);
    const TranslitTables tables;
    const PassContext context(false, tables, dir.Path(), &facts);
    Progress progress;

    RenameList photos = ListOf({"a.jpg", "b.jpg"});
    (void)GenerateNewNames(photos, MaskStep{"<date:taken?mtime|%Y>", "*", false}, context, progress);
    EXPECT_EQ(photos.FilterList[1].NewName, "2021.jpg");
    EXPECT_EQ(photoReads, 2);
    EXPECT_EQ(audioReads, 0);
    ASSERT_EQ(readers.size(), 1U);
    EXPECT_NE(*readers.begin(), std::this_thread::get_id());
    EXPECT_EQ(progress.Maximum(), 100);
}

} // namespace
} // namespace tollwick
