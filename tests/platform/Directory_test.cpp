// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Directory.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

std::vector<std::string> NamesOf(const std::vector<FolderEntry>& entries)
{
    std::vector<std::string> names;
    for (const FolderEntry& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

TEST(ListFolderFiles, TakesFilesAndLinksToFilesOnly)
{
    const test::TempDir dir;
    dir.WriteFile("b.txt");
    dir.WriteFile("a.txt");
    dir.WriteFile(".hidden");
    dir.MakeFolder("sub");
    ASSERT_EQ(symlink("sub", (dir.Path() + "link-to-folder").c_str()), 0);
    ASSERT_EQ(symlink("a.txt", (dir.Path() + "link-to-file").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", (dir.Path() + "dangling").c_str()), 0);
    ASSERT_EQ(mkfifo((dir.Path() + "pipe").c_str(), 0600), 0);
    chmod((dir.Path() + "b.txt").c_str(), 0444);
    const std::vector<std::string> files = {"a.txt", "b.txt", "dangling", "link-to-file"};
    EXPECT_EQ(NamesOf(ListFolderFiles(dir.Path())), files);
    // Without dates the links must still be looked through.
    const std::vector<FolderEntry> undated = ListFolderFiles(dir.Path(), FileDates::Skip);
    EXPECT_EQ(NamesOf(undated), files);
    EXPECT_TRUE(std::none_of(undated.begin(), undated.end(), [](const FolderEntry& entry) { return entry.modified; }));
}

TEST(ListFolderFiles, SortsByNameIgnoringCaseThenByBytes)
{
    const test::TempDir dir;
    for (const char* name : {"b", "B", "a", "Ä", "ä", "C",
                             "\xFF"
                             "raw"}) {
        dir.WriteFile(name);
    }
    EXPECT_EQ(NamesOf(ListFolderFiles(dir.Path())), (std::vector<std::string>{"a", "Ä", "ä", "B", "b", "C",
                                                                              "\xFF"
                                                                              "raw"}));
}

TEST(ListFolderFiles, DatesAreLocalAtTwoSecondResolution)
{
    const test::TempDir dir;
    dir.WriteFile("x", "", test::LocalTime(2005, 3, 7, 9, 5, 3));
    const auto entries = ListFolderFiles(dir.Path());
    ASSERT_EQ(entries.size(), 1U);
    ASSERT_TRUE(entries[0].modified);
    EXPECT_EQ(*entries[0].modified, (LocalDateTime{2005, 3, 7, 9, 5, 2}));
}

TEST(ListFolderFiles, AFolderThatIsGoneGivesNothing)
{
    const test::TempDir dir;
    EXPECT_TRUE(ListFolderFiles(dir.Path() + "gone/").empty());
    dir.WriteFile("plain");
    EXPECT_TRUE(ListFolderFiles(dir.Path() + "plain/").empty());
}

TEST(ListFolderFiles, AFolderThatCannotBeReadSaysWhy)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    const test::TempDir dir;
    dir.MakeFolder("locked");
    chmod((dir.Path() + "locked").c_str(), 0);
    try {
        (void)ListFolderFiles(dir.Path() + "locked/");
        ADD_FAILURE() << "an unreadable folder listed as empty";
    } catch (const TollwickError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot list folder " + dir.Path() + "locked/: Permission denied");
    }
    chmod((dir.Path() + "locked").c_str(), 0755);
}

TEST(EntryExists, CountsFilesHiddenOnesAndLinksButNoFolders)
{
    const test::TempDir dir;
    dir.WriteFile(".hidden");
    dir.MakeFolder("sub");
    ASSERT_EQ(symlink("sub", (dir.Path() + "to-sub").c_str()), 0);
    ASSERT_EQ(symlink("none", (dir.Path() + "dangling").c_str()), 0);
    EXPECT_TRUE(EntryExists(dir.Path() + ".hidden"));
    EXPECT_TRUE(EntryExists(dir.Path() + "dangling"));
    EXPECT_FALSE(EntryExists(dir.Path() + "sub"));
    EXPECT_FALSE(EntryExists(dir.Path() + "to-sub"));
    EXPECT_FALSE(EntryExists(dir.Path() + "none"));
}

TEST(FileModifiedTime, MissingHiddenAndFoldersHaveNoDate)
{
    const test::TempDir dir;
    dir.WriteFile("f", "", test::LocalTime(2020, 1, 2, 3, 4, 5));
    dir.WriteFile(".h");
    dir.MakeFolder("d");
    EXPECT_EQ(FileModifiedTime(dir.Path(), "f"), (LocalDateTime{2020, 1, 2, 3, 4, 4}));
    EXPECT_FALSE(FileModifiedTime(dir.Path(), ".h"));
    EXPECT_FALSE(FileModifiedTime(dir.Path(), "d"));
    EXPECT_FALSE(FileModifiedTime(dir.Path(), "gone"));
    EXPECT_FALSE(FileModifiedTime(dir.Path(), "../f"));
}

} // namespace
} // namespace tollwick
