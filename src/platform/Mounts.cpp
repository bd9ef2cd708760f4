// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Mounts.h"

#include "platform/LineFile.h"

#include <algorithm>
#include <array>
#include <exception>
#include <sstream>

namespace tollwick {
namespace {

// The kernel writes a blank, a TAB, a line end and a backslash as \ and three octal digits.
std::string Unescaped(std::string_view field)
{
    std::string text;
    text.reserve(field.size());
    for (std::size_t k = 0; k < field.size(); ++k) {
        const auto isOctal = [&](std::size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
        if (field[k] == '\\' && isOctal(k + 1) && isOctal(k + 2) && isOctal(k + 3)) {
            text.push_back(
                static_cast<char>(((field[k + 1] - '0') << 6) | ((field[k + 2] - '0') << 3) | (field[k + 3] - '0')));
            k += 3;
        } else {
            text.push_back(field[k]);
        }
    }
    return text;
}

bool IsAtOrUnder(std::string_view path, std::string_view folder)
{
    return path == folder || (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

bool ContainsFolder(std::string_view path, std::string_view folder)
{
    return path.find(folder) != std::string_view::npos;
}

} // namespace

std::vector<MountEntry> ParseMountInfo(const std::vector<std::string>& lines)
{
    std::vector<MountEntry> mounts;
    for (const std::string& line : lines) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        std::istringstream fields(line);
        std::array<std::string, 5> leading;
        for (std::string& field : leading) {
            fields >> field;
        }
        std::string field;
        while (fields >> field && field != "-") {
        }
        MountEntry mount;
        if (field != "-" || !(fields >> mount.type >> mount.source) || leading[4].empty()) {
            continue;
        }
        mount.mountPoint = Unescaped(leading[4]);
        mount.source = Unescaped(mount.source);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

bool IsUserMount(const MountEntry& mount)
{
    static constexpr std::array<std::string_view, 26> pseudo{
        "proc",      "sysfs",      "cgroup",    "cgroup2",     "overlay",      "squashfs", "devtmpfs",
        "devpts",    "securityfs", "pstore",    "bpf",         "tracefs",      "debugfs",  "mqueue",
        "hugetlbfs", "fusectl",    "configfs",  "binfmt_misc", "autofs",       "efivarfs", "rpc_pipefs",
        "nsfs",      "ramfs",      "selinuxfs", "fuse.portal", "fuse.snapfuse"};
    const std::string_view point = mount.mountPoint;
    if (std::ranges::find(pseudo, mount.type) != pseudo.end()) {
        return false;
    }
    if (IsAtOrUnder(point, "/proc") || IsAtOrUnder(point, "/sys") || IsAtOrUnder(point, "/dev")) {
        return false;
    }
    if (mount.type == "tmpfs" && IsAtOrUnder(point, "/run")) {
        return false;
    }
    // Sandboxes bring their own mounts: snaps under /snap and snapd's folder, flatpak's under its folders.
    const bool snap = IsAtOrUnder(point, "/snap") || ContainsFolder(point, "/snapd/") || point.ends_with("/snapd");
    const bool flatpak = ContainsFolder(point, "/flatpak/") || point.ends_with("/flatpak") ||
                         ContainsFolder(mount.source, "/flatpak/") || IsAtOrUnder(point, "/run/flatpak");
    return !snap && !flatpak;
}

std::vector<std::string> UserMountPoints(const std::vector<std::string>& mountInfoLines)
{
    std::vector<std::string> points;
    for (const MountEntry& mount : ParseMountInfo(mountInfoLines)) {
        // A later mount on the same place hides the earlier one.
        std::erase(points, mount.mountPoint);
        if (IsUserMount(mount)) {
            points.push_back(mount.mountPoint);
        }
    }
    return points;
}

std::vector<std::string> UserMountPointsOfThisSystem()
{
    try {
        return UserMountPoints(ReadLines("/proc/self/mountinfo"));
    } catch (const std::exception&) {
        return {}; // no /proc: the window still offers the home and "/"
    }
}

} // namespace tollwick
