// SPDX-License-Identifier: GPL-3.0-or-later
// ReadPhotoTags against the exiv2 program over 10,000 small JPEGs that carry
// a DateTimeOriginal; prints both times and their ratio (the aim: ours at
// most twice the program's). Needs the exiv2 program: apt-get install exiv2.
// Usage: mediatags_bench [FILES]
#include "../tests/support/MediaSamples.h"
#include "generators/MediaTags.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exiv2/exiv2.hpp>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t FilesPerCall = 500;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string DateOf(int k)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "2020:%02d:%02d %02d:%02d:%02d", k % 12 + 1, k % 28 + 1, k % 24, k % 60,
                  (k / 60) % 60);
    return text.data();
}

std::vector<std::string> WritePhotos(const std::string& folder, int count)
{
    const std::string jpeg = tollwick::test::TinyJpeg();
    std::vector<std::string> paths;
    for (int k = 0; k < count; ++k) {
        std::array<char, 32> name{};
        std::snprintf(name.data(), name.size(), "IMG_%05d.jpg", k);
        paths.push_back(folder + name.data());
        std::ofstream(paths.back(), std::ios::binary) << jpeg;
        const std::unique_ptr<Exiv2::Image> image(Exiv2::ImageFactory::open(paths.back()).release());
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = DateOf(k);
        image->exifData()["Exif.Image.Make"] = "Canon";
        image->writeMetadata();
    }
    return paths;
}

/// The dates the exiv2 program prints, FilesPerCall files a call; -1 when it could not run.
long ProgramDates(const std::vector<std::string>& paths)
{
    long lines = 0;
    for (std::size_t first = 0; first < paths.size(); first += FilesPerCall) {
        std::string command = "exiv2 -q -g Exif.Photo.DateTimeOriginal -Pv";
        for (std::size_t k = first; k < paths.size() && k < first + FilesPerCall; ++k) {
            command += " '" + paths[k] + "'";
        }
        std::FILE* const output = popen(command.c_str(), "r");
        if (output == nullptr) {
            return -1;
        }
        std::array<char, 256> line{};
        while (std::fgets(line.data(), static_cast<int>(line.size()), output) != nullptr) {
            ++lines;
        }
        if (pclose(output) != 0) {
            return -1;
        }
    }
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10'000;
    std::string folder = (std::filesystem::temp_directory_path() / "tollwick-mediatags-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    folder += "/";
    std::printf("writing %d photos in %s\n", count, folder.c_str());
    const std::vector<std::string> paths = WritePhotos(folder, count);

    auto start = Clock::now();
    long ours = 0;
    for (const std::string& path : paths) {
        ours += tollwick::ReadPhotoTags(path).takenDate ? 1 : 0;
    }
    const double oursSeconds = SecondsSince(start);

    start = Clock::now();
    const long theirs = ProgramDates(paths);
    const double programSeconds = SecondsSince(start);
    std::filesystem::remove_all(folder);

    if (theirs < 0) {
        std::fprintf(stderr, "the exiv2 program did not run: apt-get install exiv2\n");
        return 1;
    }
    std::printf("ReadPhotoTags: %ld dates in %.3f s\n", ours, oursSeconds);
    std::printf("exiv2 -g -Pv:  %ld dates in %.3f s (%zu files a call)\n", theirs, programSeconds, FilesPerCall);
    std::printf("ratio ours/program: %.2f\n", oursSeconds / programSeconds);
    return ours == count && theirs == count ? 0 : 1;
}
