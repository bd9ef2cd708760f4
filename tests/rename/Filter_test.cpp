// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRows.h"
#include "rename/Filter.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

FilterSettings OldNameFilter(const std::string& edit)
{
    FilterSettings settings;
    settings.on = true;
    settings.oldNameTest = true;
    settings.oldNameTerms = edit;
    return settings;
}

TEST(ApplyFilter, OffShowsTheWholeMasterListWhateverThePageHolds)
{
    RenameList list = test::ListOf({"a.jpg", "b.png"});
    list.TotalList[1].Checked = true;
    list.FilterList.clear();
    FilterSettings settings = OldNameFilter("*zzz");
    settings.on = false;
    Progress progress;
    const FilterSettings shown = ApplyFilter(list, settings, progress);
    EXPECT_EQ(list.FilterList, list.TotalList);
    EXPECT_EQ(shown, settings); // the edits are left alone
}

TEST(ApplyFilter, SplitsTermsAtSemicolonsKeepingBlanks)
{
    EXPECT_EQ(SplitFilterTerms(";jpg;;Foto; "), (Names{"jpg", "Foto", " "}));
    EXPECT_EQ(SplitFilterTerms(";;;"), Names{});
    RenameList list = test::ListOf({"IMG_1.JPG", "my photo.png", "Fotos.gif", "x.doc"});
    Progress progress;
    (void)ApplyFilter(list, OldNameFilter(";jpg;;Foto; "), progress);
    EXPECT_EQ(test::OldNames(list.FilterList), (Names{"IMG_1.JPG", "my photo.png", "Fotos.gif"}));
}

TEST(ApplyFilter, CleansTheEditOfForbiddenCharacters)
{
    RenameList list = test::ListOf({"a.JPG", "b.png"});
    Progress progress;
    const FilterSettings shown = ApplyFilter(list, OldNameFilter("*.jpg"), progress);
    EXPECT_EQ(shown.oldNameTerms, ".jpg");
    EXPECT_TRUE(shown.oldNameTest);
    EXPECT_EQ(test::OldNames(list.FilterList), Names{"a.JPG"});
}

TEST(ApplyFilter, ANameTestWithoutTermsIsSwitchedOff)
{
    RenameList list = test::ListOf({"a", "b"});
    Progress progress;
    const FilterSettings shown = ApplyFilter(list, OldNameFilter(";*?;"), progress);
    EXPECT_FALSE(shown.oldNameTest);
    EXPECT_EQ(shown.oldNameTerms, ";;");
    EXPECT_EQ(list.FilterList.size(), 2U);
}

TEST(ApplyFilter, TheNewNameTestSeesEditsMadeJustBefore)
{
    RenameList list = test::ListOf({"a", "b"});
    list.FilterList[1].NewName = "Лето_1";
    FilterSettings settings;
    settings.on = true;
    settings.newNameTest = true;
    settings.newNameTerms = "ЛЕТО";
    Progress progress;
    (void)ApplyFilter(list, settings, progress);
    EXPECT_EQ(test::OldNames(list.FilterList), Names{"b"});
}

TEST(ApplyFilter, HiddenRowsKeepTheirEditsAndComeBackUnchanged)
{
    RenameList list = test::ListOf({"keep.jpg", "hide.txt"});
    list.FilterList[1].NewName = "edited.txt";
    list.FilterList[1].Checked = true;
    Progress progress;
    (void)ApplyFilter(list, OldNameFilter("jpg"), progress);
    EXPECT_EQ(test::OldNames(list.FilterList), Names{"keep.jpg"});
    list.FilterList[0].NewName = "new.jpg";
    (void)ApplyFilter(list, {}, progress);
    ASSERT_EQ(list.FilterList.size(), 2U);
    EXPECT_EQ(list.FilterList[0].NewName, "new.jpg");
    EXPECT_EQ(list.FilterList[1].NewName, "edited.txt");
    EXPECT_TRUE(list.FilterList[1].Checked);
}

struct DateCase {
    const char* dateText;
    bool passes;
};

TEST(ApplyFilter, DatesCountFromTheFirstDayToTheEndOfTheLast)
{
    const DateCase cases[] = {
        {"2005-11-29_23-59-58", false},
        {"2005-11-30_00-00-00", true},
        {"2005-11-30_23-59-58", true},
        {"2005-12-01_00-00-00", false},
        {"N/A", false},
    };
    RenameList list;
    for (const DateCase& c : cases) {
        list.AddMasterRow(c.dateText, c.dateText, DateTextValue(c.dateText));
    }
    FilterSettings settings;
    settings.on = true;
    settings.dateTest = true; // both pickers start on 30 November 2005
    Progress progress;
    (void)ApplyFilter(list, settings, progress);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_EQ(RowPassesFilter(list, k, settings), cases[k].passes) << cases[k].dateText;
    }
    EXPECT_EQ(list.FilterList.size(), 2U);
}

TEST(ApplyFilter, DatesCompareAsTimesWhateverTheLengthOfTheYear)
{
    struct RangeCase {
        CalendarDate first;
        CalendarDate last;
        const char* dateText;
        bool passes;
    };
    const RangeCase cases[] = {
        {{999, 1, 1}, {2005, 12, 31}, "2005-11-30_11-30-18", true},
        {{999, 1, 1}, {2005, 12, 31}, "999-01-01_00-00-00", true},
        {{999, 1, 2}, {2005, 12, 31}, "999-01-01_23-59-58", false},
        {{1, 1, 1}, {9999, 12, 31}, "10000-01-01_00-00-00", false},
        {{1, 1, 1}, {99999, 12, 31}, "10000-01-01_00-00-00", true},
        {{1, 1, 1}, {9999, 12, 31}, "2005-11-30_11-30", false},
        {{1, 1, 1}, {9999, 12, 31}, "2005-11-30_11-30-18x", false},
        {{1, 1, 1}, {9999, 12, 31}, "2005-1-30_11-30-18", false},
        {{1, 1, 1}, {9999, 12, 31}, "n/a", false},
    };
    for (const RangeCase& c : cases) {
        RenameList list;
        list.AddMasterRow("f", "f", DateTextValue(c.dateText));
        FilterSettings settings;
        settings.on = true;
        settings.dateTest = true;
        settings.firstDate = c.first;
        settings.lastDate = c.last;
        Progress progress;
        (void)ApplyFilter(list, settings, progress);
        EXPECT_EQ(list.FilterList.size(), c.passes ? 1U : 0U) << c.dateText << " from year " << c.first.year;
    }
}

TEST(DatePickers, KeepTheFirstDayNotAfterTheLast)
{
    const CalendarDate early{2005, 1, 1};
    const CalendarDate late{2006, 1, 1};
    EXPECT_EQ(LastDateAfterFirstChanged(late, early), late);
    EXPECT_EQ(LastDateAfterFirstChanged(early, late), late);
    EXPECT_EQ(FirstDateAfterLastChanged(late, early), early);
    EXPECT_EQ(FirstDateAfterLastChanged(early, late), early);
}

} // namespace
} // namespace tollwick
