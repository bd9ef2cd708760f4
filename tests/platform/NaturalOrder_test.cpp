// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NaturalOrder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tollwick {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    SortNaturally(names, [](const std::string& name) -> std::string_view { return name; });
    return names;
}

struct OrderCase {
    const char* what;
    std::vector<std::string> expected; // given to the sort reversed
};

const OrderCase orderCases[] = {
    {"numbers by value", {"img1.jpg", "img2.jpg", "img9.jpg", "img10.jpg", "img11.jpg", "img100.jpg"}},
    {"several digit runs", {"v1.2.9", "v1.2.10", "v1.10.1", "v2.0"}},
    {"leading zeros count as the same value, bytes decide",
     {"img01", "img1", "img02", "img2", "img009", "img9", "img010", "img10"}},
    {"case ignored, bytes decide", {"APPLE", "Apple", "apple", "b", "BANANA", "Banana"}},
    {"digits before letters", {"2 files", "10 files", "a file"}},
    {"Cyrillic with numbers and case", {"Ёлка", "ёлка", "Фото2", "фото2", "фото10", "Фото11", "Я"}},
    {"accents come after the plain letter", {"cote", "Côte", "côte", "cotes"}},
    {"invalid bytes keep the numbers in order and tie by bytes",
     {"\xFE"
      "1",
      "\xFF"
      "1",
      "\xFF"
      "2",
      "\xFF"
      "10"}},
};

TEST(NaturalOrder, SortsAsFileManagersList)
{
    for (const OrderCase& c : orderCases) {
        const std::vector<std::string> reversed(c.expected.rbegin(), c.expected.rend());
        EXPECT_EQ(Sorted(reversed), c.expected) << c.what;
    }
}

} // namespace
} // namespace tollwick
