// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <utime.h>

namespace tollwick::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "tollwick-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern + "/";
}

TempDir::~TempDir()
{
    std::error_code error;
    // Folders a test made unreadable must become readable to be removed.
    for (auto it = fs::recursive_directory_iterator(path_, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

void TempDir::WriteFile(const std::string& name, const std::string& bytes, std::time_t modified) const
{
    const std::string path = path_ + name;
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        if (!out) {
            throw std::runtime_error("cannot write " + path);
        }
    }
    if (modified != 0) {
        const utimbuf times{modified, modified};
        utime(path.c_str(), &times);
    }
}

std::string TempDir::ReadFile(const std::string& name) const
{
    std::ifstream in(path_ + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> CrLfLinesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find("\r\n", start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool TempDir::Exists(const std::string& name) const
{
    struct stat status {};
    return lstat((path_ + name).c_str(), &status) == 0;
}

void TempDir::MakeFolder(const std::string& name) const
{
    fs::create_directories(path_ + name);
}

std::vector<std::string> TempDir::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

} // namespace tollwick::test
