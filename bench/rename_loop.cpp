// SPDX-License-Identifier: GPL-3.0-or-later
// The floor a batch renamer is measured against: one readdir of the folder,
// then one renameat2(RENAME_NOREPLACE) per file whose name holds FROM,
// every occurrence (ASCII letter case ignored) replaced by TO. No plan,
// no undo, no checks beyond the kernel's own.
//
//   rename_loop FOLDER FROM TO
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Replaced(std::string_view name, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t pos = 0; pos < name.size();) {
        if (name.size() - pos >= from.size() && SameIgnoringCase(name.substr(pos, from.size()), from)) {
            out += to;
            pos += from.size();
        } else {
            out += name[pos++];
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || argv[2][0] == '\0') {
        std::fprintf(stderr, "usage: %s FOLDER FROM TO\n", argv[0]);
        return 2;
    }
    const int folder = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = folder < 0 ? nullptr : fdopendir(dup(folder));
    if (listing == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(listing)) {
        if (entry->d_type == DT_REG) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(listing);
    int failed = 0;
    for (const std::string& name : names) {
        const std::string target = Replaced(name, argv[2], argv[3]);
        if (target != name && renameat2(folder, name.c_str(), folder, target.c_str(), RENAME_NOREPLACE) != 0) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), std::strerror(errno));
            ++failed;
        }
    }
    close(folder);
    return failed == 0 ? 0 : 1;
}
