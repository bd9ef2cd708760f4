// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Subfolders.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

TEST(SubfolderNames, AreFoldersAndLinksToFolders)
{
    TempDir folder;
    folder.WriteFile("file");
    folder.WriteFile(".hidden-file");
    folder.MakeFolder("dir");
    folder.MakeFolder(".hidden-dir");
    std::filesystem::create_directory_symlink(folder.Path() + "dir", folder.Path() + "link-to-dir");
    std::filesystem::create_symlink(folder.Path() + "file", folder.Path() + "link-to-file");
    std::filesystem::create_symlink(folder.Path() + "nothing", folder.Path() + "dangling");

    const auto names = SubfolderNames(folder.Path());

    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::unordered_set<std::string>{".", "..", "dir", ".hidden-dir", "link-to-dir"}));
}

TEST(SubfolderNames, UnlistableFolderGivesNothing)
{
    TempDir folder;
    EXPECT_FALSE(SubfolderNames(folder.Path() + "missing/"));
    folder.WriteFile("plain");
    EXPECT_FALSE(SubfolderNames(folder.Path() + "plain"));
}

} // namespace
} // namespace tollwick::test
