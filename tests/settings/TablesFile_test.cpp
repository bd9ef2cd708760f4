// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "settings/NumberedLines.h"
#include "settings/TablesFile.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(TablesFileLines, CountLineThenEntriesInFileOrder)
{
    TranslitTables tables;
    tables.CyrList = {"а  >  a", "б  >  b", "в  >  v"};
    tables.LatList = {"sh  >  ш", "x"};
    tables.LatLongList = {"  >  empty source"};
    const std::vector<std::string> expected{
        "[cyr_cty,3]", "[cyr1,а  >  a]",  "[cyr2,б  >  b]", "[cyr3,в  >  v]",   "[cyr_long_cty,0]",
        "[lat_cty,2]", "[lat1,sh  >  ш]", "[lat2,x]",       "[lat_long_cty,1]", "[lat_long1,  >  empty source]"};
    EXPECT_EQ(TablesFileLines(tables), expected);
}

TEST(LoadTables, ASavedTableComesBackEntryForEntry)
{
    TranslitTables tables;
    tables.CyrList = {"ь  >  '", "a,b  >  ]", "", " lead  >  trail ", "no separator", "a  >  b  >  c"};
    tables.CyrLongList = {"щ  >  shch"};
    tables.LatLongList = {"[cyr1,x]", "]"};
    TranslitTables loaded;
    LoadTables(KeyLines(TablesFileLines(tables)), loaded);
    EXPECT_EQ(loaded, tables);
}

TEST(LoadTables, MissingEntriesAreEmptyAndEntriesBeyondTheCountIgnored)
{
    const KeyLines keys({"[cyr_cty,3]", "[cyr1,a  >  b]", "[cyr3,c  >  d]", "[cyr4,beyond]", "[lat_cty,-2]", "[lat1,x]",
                         "[lat_long_cty,1]", "[lat_long2,y]"});
    TranslitTables tables;
    tables.CyrLongList = {"old"};
    LoadTables(keys, tables);
    EXPECT_EQ(tables.CyrList, (std::vector<std::string>{"a  >  b", "", "c  >  d"}));
    // A missing count is 0: the old entries are gone.
    EXPECT_TRUE(tables.CyrLongList.empty());
    EXPECT_TRUE(tables.LatList.empty());
    EXPECT_EQ(tables.LatLongList, std::vector<std::string>{""});
}

TEST(LoadTables, ACountThatIsNoNumberEmptiesItsTableAndStopsTheLoad)
{
    const KeyLines keys({"[cyr_cty,1]", "[cyr1,new]", "[cyr_long_cty,1]", "[cyr_long1,new]", "[lat_cty,two]",
                         "[lat1,new]", "[lat_long_cty,1]", "[lat_long1,new]"});
    TranslitTables tables{{"old"}, {"old"}, {"old"}, {"old"}};
    EXPECT_THROW(LoadTables(keys, tables), TollwickError);
    EXPECT_EQ(tables.CyrList, std::vector<std::string>{"new"});
    EXPECT_EQ(tables.CyrLongList, std::vector<std::string>{"new"});
    EXPECT_TRUE(tables.LatList.empty());
    EXPECT_EQ(tables.LatLongList, std::vector<std::string>{"old"});
}

TEST(LoadTables, ADamagedHugeCountIsCapped)
{
    const KeyLines keys({"[cyr_cty,2147483647]", "[cyr1,a]"});
    TranslitTables tables;
    LoadTables(keys, tables);
    ASSERT_EQ(tables.CyrList.size(), static_cast<std::size_t>(MaxNumberedLines));
    EXPECT_EQ(tables.CyrList.front(), "a");
    EXPECT_EQ(tables.CyrList.back(), "");
}

} // namespace
} // namespace tollwick
