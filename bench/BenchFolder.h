// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folders the run benchmarks rename in: a list folder of empty files
// and an undo folder, made fresh under a parent folder.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace tollwick::bench {

inline std::string PhotoName(char prefix, int k)
{
    char name[32];
    std::snprintf(name, sizeof name, "%c-photo-%07d.jpg", prefix, k);
    return name;
}

struct BenchFolders {
    std::string Base; // holds both; removed by the benchmark at its end
    std::string List; // holds a-photo-0000000.jpg ... , ending with "/"
    std::string Undo; // empty, ending with "/"
};

/// Empty when a folder or a file could not be made; the reason is printed.
inline std::optional<BenchFolders> MakeBenchFolders(const std::filesystem::path& parent, const std::string& stem,
                                                    int rows)
{
    std::string base = (parent / (stem + "-XXXXXX")).string();
    if (mkdtemp(base.data()) == nullptr) {
        std::perror("mkdtemp");
        return std::nullopt;
    }
    BenchFolders folders{base, base + "/list/", base + "/undo/"};
    std::filesystem::create_directories(folders.List);
    std::filesystem::create_directories(folders.Undo);
    std::printf("creating %d files in %s\n", rows, folders.List.c_str());
    for (int k = 0; k < rows; ++k) {
        std::FILE* file = std::fopen((folders.List + PhotoName('a', k)).c_str(), "w");
        if (file == nullptr) {
            std::perror("fopen");
            return std::nullopt;
        }
        std::fclose(file);
    }
    // Let the creation reach the disk first, so its writeback does not
    // slow whichever loop comes first.
    sync();
    return folders;
}

} // namespace tollwick::bench
