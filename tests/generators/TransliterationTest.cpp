// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Transliteration.h"

#include "generators/CharTable.h"

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
    const TranslitStep toCyrillic{.cyrillicToLatin = false};
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
        EXPECT_EQ(Transliterate(c.name, toCyrillic, tables), c.expected) << c.name;
    }
}

TEST(Transliterate, CyrillicToLatin)
{
    const TranslitTables tables = CyrillicTables();
    const TranslitStep toLatin{.cyrillicToLatin = true};
    EXPECT_EQ(Transliterate("Щука.txt", toLatin, tables), "Shchuka.txt");
    // The entry for the lone byte 0x88 must not split 'ш' (0xD1 0x88).
    EXPECT_EQ(Transliterate("шука", toLatin, tables), "шuka");
    EXPECT_EQ(Transliterate("Щука.txt", TranslitStep{.cyrillicToLatin = false}, tables), "Щука.txt");
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
        EXPECT_EQ(Transliterate(c.name, {.cyrillicToLatin = false}, tables), c.expected) << c.what;
    }
}

// Every entry replaced one after the other by plain byte search: right for
// valid UTF-8, and the long way round that the generator must agree with.
std::string OneByOne(std::string text, const std::vector<std::string>& entries)
{
    for (const std::string& entry : entries) {
        const std::size_t separator = entry.find("  >  ");
        const std::string source = entry.substr(0, separator);
        const std::string target = separator == std::string::npos ? "" : entry.substr(separator + 5);
        for (std::size_t pos = source.empty() ? std::string::npos : text.find(source); pos != std::string::npos;
             pos = text.find(source, pos + target.size())) {
            text.replace(pos, source.size(), target);
        }
    }
    return text;
}

TEST(Transliterate, AgreesWithEntriesAppliedOneByOne)
{
    // Single-letter entries around a longer one, chains, deletions and
    // targets that later entries match again.
    const std::vector<std::string> entries = {"ш  >  sh", "s  >  с", "сh  >  ш",   "h  >  х", "a  >  b",  "b  >  ab",
                                              "х  >  ",   "щ  >  Щ", "Щ  >  shch", "у  >  u", "u  >  уу", "_  >  -"};
    TranslitTables tables;
    tables.CyrList = entries;
    const TranslitStep toLatin{.cyrillicToLatin = true};
    const std::string letters[] = {"a", "b", "s", "h", "ш", "щ", "Щ", "у", "u", "_", "х", "z"};
    std::uint32_t seed = 7;
    for (int name = 0; name < 500; ++name) {
        std::string text;
        for (int k = 0; k < name % 13; ++k) {
            seed = seed * 1103515245U + 12345U;
            text += letters[(seed >> 16U) % std::size(letters)];
        }
        EXPECT_EQ(Transliterate(text + ".ext", toLatin, tables), OneByOne(text, entries) + ".ext") << text;
    }
}

TEST(Transliterate, ATableThatFeedsItselfStopsAtTheGrowthLimit)
{
    // Forty doublings would make 2^40 bytes: both the one-walk table and the
    // entry-by-entry way must give up past the limit, and the text must stay
    // over-long so that the run refuses it rather than take a cut name.
    for (const std::string& entry : {std::string("a  >  aa"), std::string("ab  >  abab")}) {
        TranslitTables tables;
        tables.CyrList.assign(40, entry);
        tables.CyrList.emplace_back("a  >  ");
        const std::string name = Transliterate("abc.txt", {.cyrillicToLatin = true}, tables);
        EXPECT_GT(name.size(), GrownTextLimit) << entry;
        EXPECT_LT(name.size(), 4 * GrownTextLimit) << entry;
        EXPECT_TRUE(name.ends_with("c.txt")) << entry;
    }
}

TEST(Transliterate, InvalidBytesJoinedByADeletionFormACharacter)
{
    // Deleting the 'ъ' between the bytes 0xC3 and 0x80 makes them the letter 'À' for the entries after it.
    TranslitTables tables;
    tables.CyrList = {"ъ  >  ", "À  >  A"};
    EXPECT_EQ(Transliterate("\xC3ъ\x80.txt", {.cyrillicToLatin = true}, tables), "A.txt");
    EXPECT_EQ(Transliterate("Àъ.txt", {.cyrillicToLatin = true}, tables), "A.txt");
}

TEST(Transliterate, UnchangedWithoutEntriesOfItsDirection)
{
    const TranslitTables tables = LatinTables();
    EXPECT_EQ(Transliterate("shah.txt", {.cyrillicToLatin = true}, tables), "shah.txt");
    EXPECT_EQ(Transliterate("shah.txt", {.cyrillicToLatin = false}, TranslitTables{}), "shah.txt");
}

} // namespace
} // namespace tollwick
