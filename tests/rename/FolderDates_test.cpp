// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/DateText.h"
#include "rename/FolderDates.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

// A long list takes its dates from one listing; it must agree with the
// lookup of each name on every kind of entry.
TEST(FolderDates, ListingAgreesWithSingleLookups)
{
    TempDir folder;
    folder.WriteFile("plain.jpg", "", LocalTime(2005, 11, 30, 11, 30, 19));
    folder.WriteFile(".hidden", "", LocalTime(2005, 11, 30, 11, 30, 19));
    folder.WriteFile("\xFF raw", "", LocalTime(2001, 1, 2, 3, 4, 5));
    folder.MakeFolder("sub");
    folder.WriteFile("sub/inner", "", LocalTime(2005, 11, 30, 11, 30, 19));
    std::filesystem::create_symlink(folder.Path() + "plain.jpg", folder.Path() + "link");
    std::filesystem::create_symlink(folder.Path() + "nowhere", folder.Path() + "dangling");
    std::filesystem::create_directory_symlink(folder.Path() + "sub", folder.Path() + "link-to-sub");

    const FolderDates listed(folder.Path(), 100000);
    const FolderDates single(folder.Path(), 1);
    for (const char* name : {"plain.jpg", ".hidden", "\xFF raw", "sub", "sub/inner", "link", "dangling", "link-to-sub",
                             "missing", "", ".", ".."}) {
        EXPECT_EQ(listed.DateOf(name), FileDate(folder.Path(), name)) << name;
        EXPECT_EQ(single.DateOf(name), FileDate(folder.Path(), name)) << name;
    }
    EXPECT_EQ(RowDateText(listed.DateOf("plain.jpg")), "2005-11-30_11-30-18");
    EXPECT_EQ(RowDateText(listed.DateOf("link")), "2005-11-30_11-30-18");
    EXPECT_EQ(RowDateText(listed.DateOf("sub/inner")), "N/A");
}

} // namespace
} // namespace tollwick::test
