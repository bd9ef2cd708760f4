// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NumberField.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(NumberFieldValue, ReadsTypedTextAsTheGeneratorsDo)
{
    const struct {
        std::string_view text;
        std::int32_t value;
    } cases[] = {
        {"5", 5}, {"0", 0},   {"-3", -3}, {"300", 300}, // no range is imposed
        {"", 1},  {"abc", 1}, {"4x", 1},  {"99999999999", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberFieldValue(c.text), c.value) << c.text;
    }
}

} // namespace
} // namespace tollwick
