// SPDX-License-Identifier: GPL-3.0-or-later
// A small run on vfat and exfat, mounted from images by the kernel's
// drivers or, where the kernel has none, by the FUSE drivers, which know
// neither RENAME_NOREPLACE nor hard links. The machine must allow it (root,
// the mkfs tools, one of the drivers); otherwise each case skips and says
// why, or fails under CI.
// Still to come: a swap of two names through the run's ordering.
#include "RunHelpers.h"
#include "platform/RenameFile.h"
#include "support/MountedImage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>

namespace tollwick::test {
namespace {

// Mounts a fresh image for each case. Under CI a case that cannot mount
// fails, so that a machine without the drivers never passes by skipping.
class FilesystemImage : public ::testing::TestWithParam<ImageKind> {
protected:
    void SetUp() override
    {
        image_.emplace(GetParam());
        if (image_->MountedBy() == MountedImage::Driver::None) {
            if (RunningUnderCi()) {
                FAIL() << image_->Failure();
            }
            GTEST_SKIP() << image_->Failure();
        }
        RecordProperty("driver", image_->MountedBy() == MountedImage::Driver::Kernel ? "kernel" : "FUSE");
    }

    [[nodiscard]] const std::string& Folder() const { return image_->Folder(); }

private:
    std::optional<MountedImage> image_;
};

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
    const std::string& folder = Folder();
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
    const std::string& folder = Folder();
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

// Here every rename to a free name goes through a reservation, where the
// driver's inode numbers must tell our empty file from another one.
TEST_P(FilesystemImage, AFileMovedOntoAReservedNameStays)
{
    const std::string& folder = Folder();
    Write(folder + "ours.txt", "ours");
    Write(folder + "theirs.txt", "theirs");
    const auto moveTheirsOnto = [&] {
        ASSERT_EQ(std::rename((folder + "theirs.txt").c_str(), (folder + "new.txt").c_str()), 0);
    };
    EXPECT_EQ(detail::MoveByReservation(FolderDescriptor(folder), "ours.txt", "new.txt", moveTheirsOnto), EEXIST);
    EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"new.txt", "ours.txt"}));
    EXPECT_EQ(Read(folder + "new.txt"), "theirs");
    EXPECT_EQ(Read(folder + "ours.txt"), "ours");
}

INSTANTIATE_TEST_SUITE_P(LoopDevice, FilesystemImage, ::testing::Values(VfatImage, ExfatImage),
                         [](const ::testing::TestParamInfo<ImageKind>& param) {
                             return std::string(param.param.Type);
                         });

} // namespace
} // namespace tollwick::test
