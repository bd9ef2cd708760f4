// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

// Pairs of old and new name as --list printed them.
std::vector<std::pair<std::string, std::string>> Pairs(const BatchResult& result)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& line : result.OutLines()) {
        const Lines fields = Fields(line);
        pairs.emplace_back(fields.at(0), fields.at(1));
    }
    return pairs;
}

using PairList = std::vector<std::pair<std::string, std::string>>;

// Two rows, 'a.jpg' to 'b.jpg' and 'c.jpg' to 'd.jpg', as the layout examples have them.
class ImportExportSteps : public ::testing::Test {
protected:
    ImportExportSteps()
    {
        folder.WriteFile("a.jpg");
        folder.WriteFile("c.jpg");
    }
    Lines TwoRows() const { return {"--scan", folder.Path(), "--replace", "a", "b", "--replace", "c", "d"}; }
    BatchResult Run(const Lines& arguments) const
    {
        auto result = home.Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result;
    }

    BatchHome home;
    TempDir folder;
    TempDir lists;
};

TEST_F(ImportExportSteps, EachLayoutWritesItsLinesAndReadsThemBack)
{
    const std::vector<std::pair<std::string, std::string>> layouts = {
        {"1", "a.jpg\r\nb.jpg\r\nc.jpg\r\nd.jpg\r\n"},
        {"2", "b.jpg\r\na.jpg\r\nd.jpg\r\nc.jpg\r\n"},
        {"3", "a.jpg\r\nc.jpg\r\n"},
        {"4", "b.jpg\r\nd.jpg\r\n"},
        {"5", "a.jpg = b.jpg\r\nc.jpg = d.jpg\r\n"},
        {"6", "b.jpg = a.jpg\r\nd.jpg = c.jpg\r\n"},
    };
    for (const auto& [layout, bytes] : layouts) {
        const std::string file = lists.Path() + "list" + layout;
        Lines arguments = TwoRows();
        arguments.insert(arguments.end(), {"--export", file, "--layout", layout});
        if (layout == "5" || layout == "6") {
            arguments.insert(arguments.end(), {"--separator", " = "});
        }
        Run(arguments);
        EXPECT_EQ(lists.ReadFile("list" + layout), bytes) << "layout " << layout;
    }
    const PairList both{{"a.jpg", "b.jpg"}, {"c.jpg", "d.jpg"}};
    for (const std::string layout : {"1", "2"}) {
        EXPECT_EQ(Pairs(Run({"--scan", folder.Path(), "--import", lists.Path() + "list" + layout, "--layout", layout,
                             "--list"})),
                  both);
    }
    for (const std::string layout : {"5", "6"}) {
        EXPECT_EQ(Pairs(Run({"--scan", folder.Path(), "--import", lists.Path() + "list" + layout, "--layout", layout,
                             "--separator", " = ", "--list"})),
                  both);
    }
    // Layouts 3 and 4 change the present list row by row.
    EXPECT_EQ(Pairs(Run({"--scan", folder.Path(), "--import", lists.Path() + "list4", "--layout", "4", "--list"})),
              both);
    EXPECT_EQ(Pairs(Run({"--scan", folder.Path(), "--replace", "a", "b", "--replace", "c", "d", "--import",
                         lists.Path() + "list3", "--layout", "3", "--list"})),
              both);
}

TEST_F(ImportExportSteps, ImportedRowsAreUncheckedAndNumberedAfresh)
{
    lists.WriteFile("l", "x.jpg\nc.jpg\n");
    const auto result =
        Run({"--scan", folder.Path(), "--check-all", "--import", lists.Path() + "l", "--layout", "2", "--list"});
    ASSERT_EQ(result.OutLines().size(), 1U);
    const Lines fields = Fields(result.OutLines()[0]);
    EXPECT_EQ(fields, (Lines{"c.jpg", "x.jpg", "0", fields.at(3), "0"}));
    EXPECT_NE(fields.at(3), "N/A");
}

TEST_F(ImportExportSteps, SeparatorDefaultsToTheStoredOne)
{
    home.SetStored("KindSaveEdit", " TO ");
    home.SetStored("Kind5Edit", "->");
    Run({"--scan", folder.Path(), "--replace", "a", "b", "--export", lists.Path() + "l", "--layout", "5"});
    EXPECT_EQ(lists.ReadFile("l"), "a.jpg TO b.jpg\r\nc.jpg TO c.jpg\r\n");
    lists.WriteFile("m", "a.jpg->e.jpg\n");
    EXPECT_EQ(Pairs(Run({"--scan", folder.Path(), "--import", lists.Path() + "m", "--layout", "5", "--list"})),
              (PairList{{"a.jpg", "e.jpg"}}));
}

TEST_F(ImportExportSteps, ExportWritesShownRowsOnlyAndNothingForAnEmptyList)
{
    Run({"--scan", folder.Path(), "--filter-old", "c", "--filter", "on", "--export", lists.Path() + "l", "--layout",
         "3"});
    EXPECT_EQ(lists.ReadFile("l"), "c.jpg\r\n");
    lists.WriteFile("keep", "old content");
    Run({"--scan", folder.Path(), "--remove-all", "--export", lists.Path() + "keep", "--layout", "1"});
    EXPECT_EQ(lists.ReadFile("keep"), "old content");
}

TEST_F(ImportExportSteps, ExportIntoAMissingFolderFailsWithStatusOne)
{
    const std::string file = lists.Path() + "no/such/folder/l";
    const auto result = home.Run({"--scan", folder.Path(), "--export", file, "--layout", "1", "--list"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot create file " + file), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

} // namespace
} // namespace tollwick::test
