// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ControlNames.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

TEST(ControlNames, EveryGeneratorTabMapsToItsKindAndBack)
{
    const std::pair<std::string_view, GeneratorKind> tabs[] = {
        {"Generate1", GeneratorKind::Case},   {"Generate2", GeneratorKind::Replace},
        {"Generate3", GeneratorKind::Mask},   {"Generate4", GeneratorKind::Translit},
        {"Generate5", GeneratorKind::Delete},
    };
    for (const auto& [tab, kind] : tabs) {
        EXPECT_EQ(GeneratorOfTab(tab), kind) << tab;
        EXPECT_EQ(TabOfGenerator(kind), tab) << tab;
    }
}

TEST(ControlNames, AnUnknownTabHasNoGenerator)
{
    for (const std::string_view tab : {"", "Generate0", "Generate6", "generate1", "Generate1 ", "Gen"}) {
        EXPECT_EQ(GeneratorOfTab(tab), std::nullopt) << '"' << tab << '"';
    }
}

} // namespace
} // namespace tollwick
