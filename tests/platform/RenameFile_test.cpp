// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RenameFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

TEST(RenameNoReplace, RenamesAndNeverReplaces)
{
    const test::TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    EXPECT_EQ(RenameNoReplace(dir.Path(), "a.txt", "b.txt"), RenameOutcome::TargetTaken);
    EXPECT_EQ(dir.ReadFile("a.txt"), "A");
    EXPECT_EQ(dir.ReadFile("b.txt"), "B");
    EXPECT_EQ(RenameNoReplace(dir.Path(), "a.txt", "c.txt"), RenameOutcome::Renamed);
    EXPECT_EQ(dir.Names(), (Names{"b.txt", "c.txt"}));
    EXPECT_EQ(RenameNoReplace(dir.Path(), "a.txt", "d.txt"), RenameOutcome::SourceMissing);
}

TEST(RenameNoReplace, RefusesNamesThatLeaveTheFolder)
{
    const test::TempDir dir;
    dir.MakeFolder("sub");
    dir.WriteFile("a", "A");
    for (const std::string& bad : std::vector<std::string>{"", ".", "..", "../a", "sub/a", std::string("x\0y", 3)}) {
        EXPECT_EQ(RenameNoReplace(dir.Path() + "sub/", "..", bad), RenameOutcome::Refused) << bad;
        EXPECT_EQ(RenameNoReplace(dir.Path(), "a", bad), RenameOutcome::Refused) << bad;
        EXPECT_EQ(RenameNoReplace(dir.Path(), bad, "b"), RenameOutcome::Refused) << bad;
    }
    EXPECT_EQ(dir.Names(), (Names{"a", "sub"}));
}

TEST(RenameNoReplace, ChangesLetterCaseAlone)
{
    const test::TempDir dir;
    dir.WriteFile("photo.jpg", "P");
    EXPECT_EQ(RenameNoReplace(dir.Path(), "photo.jpg", "Photo.JPG"), RenameOutcome::Renamed);
    EXPECT_EQ(dir.Names(), Names{"Photo.JPG"});
}

TEST(RenameNoReplace, ACaseTwinThatIsAnotherFileIsTaken)
{
    const test::TempDir dir;
    dir.WriteFile("a.txt", "small");
    dir.WriteFile("A.txt", "capital");
    EXPECT_EQ(RenameNoReplace(dir.Path(), "a.txt", "A.txt"), RenameOutcome::TargetTaken);
    EXPECT_EQ(dir.ReadFile("a.txt"), "small");
    EXPECT_EQ(dir.ReadFile("A.txt"), "capital");
}

TEST(RenameNoReplace, TwoLinksOfOneFileStayBothInPlace)
{
    // Two spellings that reach one inode: the name is taken, and the file
    // must not vanish through the detour of the case change.
    const test::TempDir dir;
    dir.WriteFile("a.txt", "same");
    ASSERT_EQ(link((dir.Path() + "a.txt").c_str(), (dir.Path() + "A.txt").c_str()), 0);
    EXPECT_EQ(RenameNoReplace(dir.Path(), "a.txt", "A.txt"), RenameOutcome::TargetTaken);
    EXPECT_EQ(dir.Names(), (Names{"A.txt", "a.txt"}));
}

} // namespace
} // namespace tollwick
