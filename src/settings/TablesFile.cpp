// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/TablesFile.h"

#include "platform/LineFile.h"
#include "settings/NumberedLines.h"

#include <string_view>

namespace tollwick {
namespace {

struct TableKeys {
    std::vector<std::string> TranslitTables::*list;
    std::string_view countKey;
    std::string_view linePrefix;
};

// The order of the file, and of loading.
constexpr TableKeys FileOrder[] = {
    {&TranslitTables::CyrList, "cyr_cty", "cyr"},
    {&TranslitTables::CyrLongList, "cyr_long_cty", "cyr_long"},
    {&TranslitTables::LatList, "lat_cty", "lat"},
    {&TranslitTables::LatLongList, "lat_long_cty", "lat_long"},
};

} // namespace

void LoadTables(const KeyLines& keys, TranslitTables& tables)
{
    for (const TableKeys& table : FileOrder) {
        std::vector<std::string>& list = tables.*table.list;
        // Emptied first, so a count that fails leaves this table empty.
        list.clear();
        list = NumberedLines(keys, {std::string(table.countKey), std::string(table.linePrefix)});
    }
}

std::vector<std::string> TablesFileLines(const TranslitTables& tables)
{
    std::vector<std::string> lines;
    for (const TableKeys& table : FileOrder) {
        const std::vector<std::string>& list = tables.*table.list;
        lines.push_back(BracketLine(table.countKey, std::to_string(list.size())));
        for (std::size_t k = 1; k <= list.size(); ++k) {
            lines.push_back(
                BracketLine(std::string(table.linePrefix) + std::to_string(k), SingleLineValue(list[k - 1])));
        }
    }
    return lines;
}

void SaveTables(const std::string& path, const TranslitTables& tables)
{
    WriteLinesAtomic(path, TablesFileLines(tables));
}

} // namespace tollwick
