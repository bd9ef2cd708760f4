// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tollwick::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

/// A folder of this process for the files the loaders read, made once.
inline const std::string& WorkFolder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tollwick-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern + "/";
    }();
    return folder;
}

/// Writes the bytes to the file `name` of the work folder; its path.
inline std::string WriteInputFile(std::string_view bytes, const std::string& name = "input")
{
    const std::string path = WorkFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::abort();
    }
    return path;
}

/// Cuts the text at the first `separator` into what is before and what is after.
inline std::pair<std::string_view, std::string_view> CutAt(std::string_view text, char separator)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

} // namespace tollwick::fuzz
