// SPDX-License-Identifier: GPL-3.0-or-later
// A small run on vfat and exfat, mounted from images through a loop
// device. The machine must allow it (root, the mkfs tools, the kernel's
// filesystem); otherwise each case skips and says why.
// Still to come: a swap of two names through the run's ordering.
#include "RunHelpers.h"
#include "platform/RenameFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace tollwick::test {
namespace {

int Shell(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()); // NOLINT(cert-env33-c): fixed commands of the test
}

/// An image of `type` made with `mkfs`, mounted on a folder of a TempDir
/// while the object lives.
class MountedImage {
public:
    MountedImage(const std::string& type, const std::string& mkfs)
    {
        if (geteuid() != 0) {
            skipReason_ = "mounting a loop device needs root";
            return;
        }
        if (Shell("command -v " + mkfs) != 0) {
            skipReason_ = mkfs + " is missing (Debian package dosfstools or exfatprogs)";
            return;
        }
        image_ = dir_.Path() + "image";
        mountPoint_ = dir_.Path() + "mnt/";
        dir_.MakeFolder("mnt");
        if (Shell("truncate -s 64M " + image_ + " && " + mkfs + " " + image_) != 0) {
            skipReason_ = mkfs + " failed";
            return;
        }
        if (Shell("mount -t " + type + " -o loop " + image_ + " " + mountPoint_) != 0) {
            skipReason_ = "this machine cannot mount the " + type + " image through a loop device";
            return;
        }
        mounted_ = true;
    }
    MountedImage(const MountedImage&) = delete;
    MountedImage& operator=(const MountedImage&) = delete;
    ~MountedImage()
    {
        if (mounted_) {
            (void)Shell("umount " + mountPoint_);
        }
    }

    [[nodiscard]] const std::string& SkipReason() const { return skipReason_; }
    /// The mounted folder, with a closing "/".
    [[nodiscard]] const std::string& Folder() const { return mountPoint_; }

private:
    TempDir dir_;
    std::string image_;
    std::string mountPoint_;
    std::string skipReason_;
    bool mounted_ = false;
};

struct Filesystem {
    const char* type;
    const char* mkfs;
};

class FilesystemImage : public ::testing::TestWithParam<Filesystem> {};

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names as the folder stores them, sorted by bytes.
std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

TEST_P(FilesystemImage, ASmallRunLosesNothingAndReportsHonestly)
{
    const MountedImage image(GetParam().type, GetParam().mkfs);
    if (!image.SkipReason().empty()) {
        GTEST_SKIP() << image.SkipReason();
    }
    const std::string& folder = image.Folder();
    Write(folder + "plain.txt", "plain");
    Write(folder + "case.txt", "case");
    Write(folder + "one.txt", "one");
    Write(folder + "two.txt", "two");
    RunOptions options;
    options.DirName = folder;
    const RecordedRun run = RunAndRecord(
        ListOfRenames(
            {{"plain.txt", "renamed.txt"}, {"case.txt", "CASE.TXT"}, {"one.txt", "same.txt"}, {"two.txt", "same.txt"}}),
        options);
    EXPECT_EQ(StatusesOf(run), (std::vector<RunStatus>{RunStatus::StatusRenamed, RunStatus::StatusRenamed,
                                                       RunStatus::StatusRenamed, RunStatus::StatusExist}));
    // Read back by the names the directory now lists, spelled as they are stored.
    EXPECT_EQ(Read(folder + "renamed.txt"), "plain");
    EXPECT_EQ(Read(folder + "same.txt"), "one");
    EXPECT_EQ(Read(folder + "two.txt"), "two");
    EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"CASE.TXT", "renamed.txt", "same.txt", "two.txt"}));
    EXPECT_EQ(Read(folder + "CASE.TXT"), "case");
}

TEST_P(FilesystemImage, TheRenameLayerNeverReplacesAndKeepsACaseChange)
{
    const MountedImage image(GetParam().type, GetParam().mkfs);
    if (!image.SkipReason().empty()) {
        GTEST_SKIP() << image.SkipReason();
    }
    const std::string& folder = image.Folder();
    Write(folder + "a.txt", "a");
    Write(folder + "b.txt", "b");
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(folder), "a.txt", "b.txt").Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(folder), "a.txt", "B.TXT").Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(folder), "missing.txt", "c.txt").Outcome, RenameOutcome::SourceMissing);
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(folder), "a.txt", "A.txt").Outcome, RenameOutcome::Renamed);
    EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(Read(folder + "A.txt"), "a");
    EXPECT_EQ(Read(folder + "b.txt"), "b");
}

INSTANTIATE_TEST_SUITE_P(LoopDevice, FilesystemImage,
                         ::testing::Values(Filesystem{"vfat", "mkfs.vfat"}, Filesystem{"exfat", "mkfs.exfat"}),
                         [](const ::testing::TestParamInfo<Filesystem>& param) {
                             return std::string(param.param.type);
                         });

} // namespace
} // namespace tollwick::test
