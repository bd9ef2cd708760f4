// SPDX-License-Identifier: GPL-3.0-or-later
// The replace and transliteration generators. Input: the first byte holds
// the check boxes; then search text, TAB, replacement, TAB, name, TAB, and
// table entries one a line ("source  >  target").
#include "FuzzInput.h"
#include "generators/ReplaceText.h"
#include "generators/Transliteration.h"
#include "platform/LineFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::uint8_t checks = data[0];
    const std::string_view text = tollwick::fuzz::AsText(data + 1, size - 1);
    const auto [from, rest] = tollwick::fuzz::CutAt(text, '\t');
    const auto [to, rest2] = tollwick::fuzz::CutAt(rest, '\t');
    const auto [name, tableText] = tollwick::fuzz::CutAt(rest2, '\t');

    const tollwick::ReplaceStep replace{std::string(from), std::string(to), (checks & 1U) != 0, (checks & 2U) != 0,
                                        (checks & 4U) != 0};
    const tollwick::ReplaceResult replaced = tollwick::ReplaceText(name, replace);
    if (replaced.from.empty() && replaced.newName != name) {
        std::abort(); // an empty search text changes nothing
    }

    tollwick::TranslitTables tables;
    const std::vector<std::string> entries = tollwick::SplitLines(tableText);
    tables.CyrList = entries;
    tables.LatLongList = entries;
    tables.CyrLongList.assign(entries.rbegin(), entries.rend());
    tables.LatList = {entries.empty() ? std::string() : entries.front()};
    const tollwick::TranslitStep translit{(checks & 8U) != 0};
    const tollwick::Transliterator transliterator(translit, tables);
    const std::string once = transliterator.Apply(name);
    if (transliterator.Apply(name) != once) {
        std::abort(); // the working buffer must not leak from one name into the next
    }
    return 0;
}
