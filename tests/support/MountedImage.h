// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <ostream>
#include <string>

namespace tollwick::test {

/// How a kind of filesystem image is made and mounted.
struct ImageKind {
    const char* Type;        // the kernel's name, as in /proc/filesystems
    const char* Mkfs;        // makes the empty image
    const char* MkfsPackage; // the Debian package of Mkfs
    const char* FuseTool;    // the FUSE driver's program
    const char* FuseMount;   // mounts "IMAGE FOLDER" given after it, through FuseTool
    const char* FusePackage; // the Debian package of FuseTool
};

/// Names the kind in a failed case's report.
inline void PrintTo(const ImageKind& kind, std::ostream* out)
{
    *out << kind.Type;
}

// fusefat writes only with rw+, which it calls experimental; one thread (-s)
// keeps its requests in the order they were made.
inline constexpr ImageKind VfatImage{"vfat", "mkfs.vfat", "dosfstools", "fusefat", "fusefat -s -o rw+", "fusefat"};
// exfat-fuse wants a block device when run as root, so it gets a loop device.
inline constexpr ImageKind ExfatImage{
    "exfat", "mkfs.exfat", "exfatprogs", "mount.exfat-fuse", "mount -t exfat-fuse -o loop", "exfat-fuse"};

/// An empty image of a kind, mounted on a folder of a TempDir while the
/// object lives: by the kernel's driver through a loop device where the
/// kernel has one, else by the FUSE driver.
class MountedImage {
public:
    enum class Driver { None, Kernel, Fuse };

    explicit MountedImage(const ImageKind& kind);
    MountedImage(const MountedImage&) = delete;
    MountedImage& operator=(const MountedImage&) = delete;
    ~MountedImage();

    [[nodiscard]] Driver MountedBy() const { return driver_; }
    /// Why nothing is mounted; empty when it is.
    [[nodiscard]] const std::string& Failure() const { return failure_; }
    /// The mounted folder, with a closing "/".
    [[nodiscard]] const std::string& Folder() const { return mountPoint_; }

private:
    void Mount(const ImageKind& kind);
    // The command's exit status; its output goes to the log.
    int Run(const std::string& command) const;
    [[nodiscard]] std::string LastLogLine() const;

    TempDir dir_;
    std::string image_;
    std::string mountPoint_;
    std::string log_;
    std::string failure_;
    Driver driver_ = Driver::None;
};

/// True where the environment says CI runs (CI=true), where a case that
/// cannot run must fail rather than skip.
[[nodiscard]] bool RunningUnderCi();

} // namespace tollwick::test
