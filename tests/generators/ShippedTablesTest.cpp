// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Algoritms.h"
#include "platform/LineFile.h"
#include "settings/TablesFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tollwick {
namespace {

TranslitTables ShippedTables()
{
    const auto path = std::filesystem::path(TOLLWICK_SOURCE_DIR) / "data" / "translit.cfg";
    TranslitTables tables;
    LoadTables(KeyLines(ReadLines(path.string())), tables);
    return tables;
}

// The generator itself, not a model of it, over the tables users get.
TEST(ShippedTablesInTheGenerator, NamesGoToLatinAndBackKeepingTheirExtension)
{
    const TranslitTables tables = ShippedTables();
    const TranslitStep toLatin{.cyrillicToLatin = true};
    const TranslitStep toCyrillic{.cyrillicToLatin = false};
    for (const std::string name : {"Отпуск в Хабаровске_001.JPG", "Щука и ёж.txt", "подъезд-семья.doc", "Вьюга_ЖУК.png",
                                   "Чайковский. Пётр.mp3"}) {
        const std::string latin = Transliterate(name, toLatin, tables);
        EXPECT_EQ(latin.substr(latin.rfind('.')), name.substr(name.rfind('.'))) << latin;
        EXPECT_EQ(Transliterate(latin, toCyrillic, tables), name) << "via " << latin;
    }
    EXPECT_EQ(Transliterate("Щука и ёж.txt", toLatin, tables), "Shchuka i yozh.txt");
}

} // namespace
} // namespace tollwick
