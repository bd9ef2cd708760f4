#include "generators/Transliteration.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TranslitTables LatinTables()
{
    TranslitTables tables;
    tables.LatLongList = {"sh  >  ш"};
    tables.LatList = {"s  >  с", "h  >  х", "a  >  а"};
    return tables;
}

TranslitTables CyrillicTables()
{
    TranslitTables tables;
    tables.CyrLongList = {"Щ  >  Shch", "щ  >  shch"};
    tables.CyrList = {"у  >  u", "к  >  k", "а  >  a", "\x88  >  x"};
    return tables;
}

TEST(Transliterate, LatinToCyrillic)
{
    const TranslitTables tables = LatinTables();
    const TranslitOptions options{.LatToCyrCheck = true, .Tables = tables};
    const struct {
        std::string_view name;
        std::string_view expected;
    } cases[] = {
        {"shah.txt", "шах.txt"},  // the long table acts before the single letters
        {"Shah.txt", "Sхах.txt"}, // case must match
        {"sah.sh", "сах.sh"},     // the extension stays
        {"SHAH", "SHAH"},
        {"sh\xFF"
         "a.x",
         "ш\xFF"
         "а.x"},
        {".sh", ".sh"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Transliterate(c.name, options), c.expected) << c.name;
    }
}

TEST(Transliterate, CyrillicToLatin)
{
    const TranslitTables tables = CyrillicTables();
    const TranslitOptions options{.CyrToLatCheck = true, .Tables = tables};
    EXPECT_EQ(Transliterate("Щука.txt", options), "Shchuka.txt");
    // The entry for the lone byte 0x88 must not split 'ш' (0xD1 0x88).
    EXPECT_EQ(Transliterate("шука", options), "шuka");
    EXPECT_EQ(Transliterate("Щука.txt", TranslitOptions{.LatToCyrCheck = true, .Tables = tables}), "Щука.txt");
}

TEST(Transliterate, EntryForms)
{
    const struct {
        const char* what;
        std::vector<std::string> entries;
        std::string_view name;
        std::string_view expected;
    } cases[] = {
        {"no separator: empty target", {"x"}, "xaxb.x", "ab.x"},
        {"single spaces are no separator", {"a > b"}, "1a > b2", "12"},
        {"separator first: no effect", {"  >  z"}, "abc", "abc"},
        {"second separator belongs to the target", {"a  >  b  >  c"}, "a", "b  >  c"},
        {"a later entry sees earlier output", {"a  >  b", "b  >  c"}, "a", "c"},
        {"separator-doubled and empty entries", {"", "  >  ", "q  >  "}, "qaq", "a"},
    };
    for (const auto& c : cases) {
        TranslitTables tables;
        tables.LatList = c.entries;
        EXPECT_EQ(Transliterate(c.name, {.LatToCyrCheck = true, .Tables = tables}), c.expected) << c.what;
    }
}

TEST(Transliterate, UnchangedWithoutDirectionOrEntries)
{
    const TranslitTables tables = LatinTables();
    EXPECT_EQ(Transliterate("shah.txt", {.Tables = tables}), "shah.txt");
    EXPECT_EQ(Transliterate("shah.txt", {.CyrToLatCheck = true, .LatToCyrCheck = true}), "shah.txt");
}

} // namespace
} // namespace tollwick
