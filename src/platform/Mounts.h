// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// One line of /proc/self/mountinfo, the parts that tell what it is.
struct MountEntry {
    std::string mountPoint; // unescaped ("\040" is a blank)
    std::string type;       // "ext4", "fuse.sshfs"
    std::string source;     // "/dev/sda1"
};

/// The entry of one mountinfo line; nothing for a line that is not one.
[[nodiscard]] std::vector<MountEntry> ParseMountInfo(const std::vector<std::string>& lines);

/// Whether a mount holds files of a person's own: not a pseudo filesystem
/// (proc, sysfs, cgroup, ...), no overlay or squashfs, no tmpfs under /run
/// and /sys, nothing under /proc, /sys and /dev, and no snap or flatpak mount.
[[nodiscard]] bool IsUserMount(const MountEntry& mount);

/// The mount points of the mounts a person uses, in mount order, each once
/// (a place mounted over shows once); "/" among them when it is one.
[[nodiscard]] std::vector<std::string> UserMountPoints(const std::vector<std::string>& mountInfoLines);

/// UserMountPoints of /proc/self/mountinfo; empty when it cannot be read.
[[nodiscard]] std::vector<std::string> UserMountPointsOfThisSystem();

} // namespace tollwick
