// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "rename/NameList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using namespace std::string_literals;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class NameList : public ::testing::Test {
protected:
    // The two rows of the layout examples, with a third row hidden by the filter.
    void SetUp() override
    {
        list.AddMasterRow("a.jpg", "b.jpg", RowDate());
        list.AddMasterRow("hidden.jpg", "h.jpg", RowDate());
        list.AddMasterRow("c.jpg", "d.jpg", RowDate());
        list.FilterList = {list.TotalList[0], list.TotalList[2]};
    }

    std::string Export(NameListLayout layout, const std::string& separator = " = ")
    {
        ExportNameList(list, {folder.Path() + "out.txt", layout, separator}, progress);
        return folder.ReadFile("out.txt");
    }

    FilterSettings Import(const std::string& bytes, NameListLayout layout, const std::string& separator = " = ",
                          const FilterSettings& filter = {})
    {
        folder.WriteFile("in.txt", bytes);
        return ImportNameList(list, {folder.Path() + "in.txt", layout, separator, folder.Path()}, filter, progress);
    }

    Pairs MasterPairs() const
    {
        Pairs pairs;
        for (const Row& row : list.TotalList) {
            pairs.emplace_back(row.OldName, row.NewName);
        }
        return pairs;
    }

    TempDir folder;
    RenameList list;
    Progress progress;
};

TEST_F(NameList, ExportWritesEachLayoutOfTheShownRows)
{
    EXPECT_EQ(Export(NameListLayout::OldThenNew), "a.jpg\r\nb.jpg\r\nc.jpg\r\nd.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::NewThenOld), "b.jpg\r\na.jpg\r\nd.jpg\r\nc.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::OldOnly), "a.jpg\r\nc.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::NewOnly), "b.jpg\r\nd.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::OldSepNew), "a.jpg = b.jpg\r\nc.jpg = d.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::NewSepOld), "b.jpg = a.jpg\r\nd.jpg = c.jpg\r\n");
    EXPECT_EQ(Export(NameListLayout::OldSepNew, ""), "a.jpgb.jpg\r\nc.jpgd.jpg\r\n");
}

TEST_F(NameList, ExportTakesShownOrderUncheckedRowsAndRawNames)
{
    std::swap(list.FilterList[0], list.FilterList[1]);
    list.FilterList[0].NewName = "we*ird:\xFF";
    EXPECT_EQ(Export(NameListLayout::NewOnly), "we*ird:\xFF\r\nb.jpg\r\n");
}

TEST_F(NameList, ExportOfAnEmptyListLeavesTheFileAlone)
{
    folder.WriteFile("out.txt", "earlier");
    list.FilterList.clear();
    EXPECT_EQ(Export(NameListLayout::OldOnly), "earlier");
}

TEST_F(NameList, ExportIntoAMissingFolderNamesTheFile)
{
    const std::string path = folder.Path() + "no/such.txt";
    try {
        ExportNameList(list, {path, NameListLayout::OldOnly, ""}, progress);
        FAIL() << "no error";
    } catch (const TollwickError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + path);
    }
}

TEST_F(NameList, EveryLayoutReadsBackWhatItWrote)
{
    folder.WriteFile("a.jpg", "", LocalTime(2005, 11, 30, 11, 30, 18));
    for (const NameListLayout layout : {NameListLayout::OldThenNew, NameListLayout::NewThenOld,
                                        NameListLayout::OldSepNew, NameListLayout::NewSepOld}) {
        list = {};
        SetUp();
        list.TotalList[0].Checked = true;
        list.FilterList[0].Checked = true;
        const std::string written = Export(layout);
        list.FilterList.clear(); // the shown list is gone after an import; no row may survive
        (void)Import(written, layout);
        EXPECT_EQ(MasterPairs(), (Pairs{{"a.jpg", "b.jpg"}, {"c.jpg", "d.jpg"}})) << static_cast<int>(layout);
        EXPECT_EQ(list.TotalList[0], (Row{"a.jpg", "b.jpg", 0, false, DateTextValue("2005-11-30_11-30-18")}));
        EXPECT_EQ(RowDateText(list.TotalList[1].Date), "N/A");
        EXPECT_EQ(list.NextIndex, 2);
        EXPECT_EQ(list.FilterList, list.TotalList);
    }
}

TEST_F(NameList, PairsIgnoreAnOddLastLine)
{
    (void)Import("n1\r\no1\r\nn2\r\no2\r\nlonely\r\n", NameListLayout::NewThenOld);
    EXPECT_EQ(MasterPairs(), (Pairs{{"o1", "n1"}, {"o2", "n2"}}));
}

TEST_F(NameList, AnyLineEndAndNoLastLineEnd)
{
    (void)Import("a\rb\nc\r\nd\r\re\n\nf", NameListLayout::OldOnly);
    // Blank lines give rows with both names empty, which layout 3 drops.
    EXPECT_EQ(MasterPairs(), (Pairs{{"a", "b.jpg"}, {"b", "h.jpg"}, {"c", "d.jpg"}, {"d", ""}, {"e", ""}, {"f", ""}}));
}

TEST_F(NameList, ANulByteEndsTheText)
{
    (void)Import("a = b\r\nc = d\0e = f\r\n"s, NameListLayout::OldSepNew);
    EXPECT_EQ(MasterPairs(), (Pairs{{"a", "b"}, {"c", "d"}}));
}

TEST_F(NameList, SeparatorIsFoundIgnoringCaseAndOnlyOnce)
{
    (void)Import("aTOb\r\natob\r\nxToyTOz\r\nnone\r\n\r\n", NameListLayout::OldSepNew, "TO");
    EXPECT_EQ(MasterPairs(), (Pairs{{"a", "b"}, {"a", "b"}, {"x", "yTOz"}, {"none", ""}, {"", ""}}));

    (void)Import("c.txt\r\n\xC3\x89>x\xC3\xA9y\r\n", NameListLayout::NewSepOld, "\xC3\xA9"); // é finds É
    EXPECT_EQ(MasterPairs(), (Pairs{{"", "c.txt"}, {"x\xC3\xA9y", ""}}));
}

TEST_F(NameList, EmptySeparatorPutsTheWholeLineOnOneSide)
{
    (void)Import("a = b\r\n", NameListLayout::OldSepNew, "");
    EXPECT_EQ(MasterPairs(), (Pairs{{"a = b", ""}}));
    (void)Import("a = b\r\n", NameListLayout::NewSepOld, "");
    EXPECT_EQ(MasterPairs(), (Pairs{{"", "a = b"}}));
}

TEST_F(NameList, NamesAreCleanedAndRawBytesKept)
{
    (void)Import("C:\\photos\\a.jpg = ok\r\n\\/:*?\"<>| = |||\r\n\xFF\xC3(.txt = x\x80y\r\n",
                 NameListLayout::OldSepNew);
    EXPECT_EQ(MasterPairs(), (Pairs{{"Cphotosa.jpg", "ok"}, {"", ""}, {"\xFF\xC3(.txt", "x\x80y"}}));
}

TEST_F(NameList, NewNamesGoToMasterRowsByPosition)
{
    list.AddMasterRow("e.jpg", "f.jpg", RowDate());
    list.AddMasterRow("g.jpg", "h2.jpg", RowDate());
    list.FilterList[1].Checked = true; // an edit not yet stored back
    (void)Import("1\r\n2\r\n3\r\n", NameListLayout::NewOnly);

    EXPECT_EQ(MasterPairs(),
              (Pairs{{"a.jpg", "1"}, {"hidden.jpg", "2"}, {"c.jpg", "3"}, {"e.jpg", ""}, {"g.jpg", ""}}));
    EXPECT_TRUE(list.TotalList[2].Checked);
    EXPECT_EQ(list.NextIndex, 5);
    EXPECT_EQ(list.FilterList.size(), 5U);
}

TEST_F(NameList, OldNamesBeyondTheListAddRowsAndShortFilesEmptyTheRest)
{
    DeleteRow(list, 1); // numbering goes on past deleted rows
    folder.WriteFile("x2", "", LocalTime(2005, 11, 30, 11, 30, 18));
    (void)Import("x1\r\nx2\r\nx3\r\n", NameListLayout::OldOnly);
    EXPECT_EQ(MasterPairs(), (Pairs{{"x1", "b.jpg"}, {"x2", "h.jpg"}, {"x3", ""}}));
    EXPECT_EQ(RowDateText(list.TotalList[1].Date), "2005-11-30_11-30-18");
    EXPECT_EQ(list.TotalList[2].Index, 3U);

    list.TotalList[2].NewName = "keep-me";
    list.FilterList = list.TotalList;
    list.FilterList[1].NewName = ""; // stored back before the import: row 2 goes
    (void)Import("only\r\n", NameListLayout::OldOnly);
    EXPECT_EQ(MasterPairs(), (Pairs{{"only", "b.jpg"}, {"", "keep-me"}}));
    EXPECT_EQ(RowDateText(list.TotalList[1].Date), "N/A");
}

TEST_F(NameList, EmptyFileChangesNoRowButFilters)
{
    FilterSettings filter;
    filter.on = true;
    filter.oldNameTest = true;
    filter.oldNameTerms = "c.*";
    const FilterSettings shown = Import("", NameListLayout::NewOnly, "", filter);
    EXPECT_EQ(shown.oldNameTerms, "c.");
    EXPECT_EQ(MasterPairs(), (Pairs{{"a.jpg", "b.jpg"}, {"hidden.jpg", "h.jpg"}, {"c.jpg", "d.jpg"}}));
    ASSERT_EQ(list.FilterList.size(), 1U);
    EXPECT_EQ(list.FilterList[0].OldName, "c.jpg");
}

TEST_F(NameList, UnreadableFileLeavesTheListsAlone)
{
    const RenameList before = list;
    const std::string path = folder.Path() + "missing.txt";
    try {
        (void)ImportNameList(list, {path, NameListLayout::OldThenNew, "", folder.Path()}, {}, progress);
        FAIL() << "no error";
    } catch (const TollwickError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
    }
    EXPECT_EQ(list.TotalList, before.TotalList);
    EXPECT_EQ(list.FilterList, before.FilterList);
}

TEST(NameListTabs, PickTheLayoutByExactName)
{
    EXPECT_EQ(ImportLayoutOfTab("Kind1"), NameListLayout::OldThenNew);
    EXPECT_EQ(ImportLayoutOfTab("Kind6"), NameListLayout::NewSepOld);
    EXPECT_EQ(ExportLayoutOfTab("SKind4"), NameListLayout::NewOnly);
    for (const char* wrong : {"kind1", "Kind7", "Kind0", "Kind", "Kind12", "SKind1"}) {
        EXPECT_FALSE(ImportLayoutOfTab(wrong)) << wrong;
    }
    EXPECT_FALSE(ExportLayoutOfTab("Kind1"));
}

} // namespace
} // namespace tollwick::test
