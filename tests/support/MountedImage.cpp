// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MountedImage.h"

#include <cstdlib>
#include <fstream>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace tollwick::test {

MountedImage::MountedImage(const ImageKind& kind)
    : image_(dir_.Path() + "image"), mountPoint_(dir_.Path() + "mnt/"), log_(dir_.Path() + "log")
{
    dir_.MakeFolder("mnt");
    Mount(kind);
}

MountedImage::~MountedImage()
{
    if (driver_ != Driver::None) {
        (void)Run("umount " + mountPoint_);
    }
}

void MountedImage::Mount(const ImageKind& kind)
{
    const std::string type = kind.Type;
    if (geteuid() != 0) {
        failure_ = "mounting the " + type + " image needs root";
        return;
    }
    if (Run(std::string("command -v ") + kind.Mkfs) != 0) {
        failure_ = std::string(kind.Mkfs) + " is missing (Debian package " + kind.MkfsPackage + ")";
        return;
    }
    if (Run("truncate -s 64M " + image_ + " && " + kind.Mkfs + " " + image_) != 0) {
        failure_ = std::string(kind.Mkfs) + " failed: " + LastLogLine();
        return;
    }
    if (Run("mount -t " + type + " -o loop " + image_ + " " + mountPoint_) == 0) {
        driver_ = Driver::Kernel;
        return;
    }
    const std::string kernelFailure = LastLogLine();
    if (Run(std::string("command -v ") + kind.FuseTool) != 0) {
        failure_ = "the kernel cannot mount the " + type + " image (" + kernelFailure + ") and " + kind.FuseTool +
                   " is missing (Debian package " + kind.FusePackage + ")";
        return;
    }
    if (Run(std::string(kind.FuseMount) + " " + image_ + " " + mountPoint_) == 0) {
        driver_ = Driver::Fuse;
        return;
    }
    failure_ = "neither the kernel (" + kernelFailure + ") nor " + kind.FuseTool + " (" + LastLogLine() +
               ") can mount the " + type + " image";
}

int MountedImage::Run(const std::string& command) const
{
    // NOLINTNEXTLINE(cert-env33-c): fixed commands of the test on paths it made
    const int status = std::system(("(" + command + ") >" + log_ + " 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string MountedImage::LastLogLine() const
{
    std::ifstream in(log_);
    std::string last;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            last = line;
        }
    }
    return last.empty() ? "no message" : last;
}

bool RunningUnderCi()
{
    const char* ci = std::getenv("CI"); // NOLINT(concurrency-mt-unsafe): read once, nothing sets it
    const std::string_view value = ci == nullptr ? "" : ci;
    return !value.empty() && value != "false" && value != "0";
}

} // namespace tollwick::test
