// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ControlNames.h"

#include <array>
#include <utility>

namespace tollwick {
namespace {

constexpr std::array<std::pair<std::string_view, GeneratorKind>, 5> generatorTabs = {{
    {"Generate1", GeneratorKind::Case},
    {"Generate2", GeneratorKind::Replace},
    {"Generate3", GeneratorKind::Mask},
    {"Generate4", GeneratorKind::Translit},
    {"Generate5", GeneratorKind::Delete},
}};

} // namespace

std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName)
{
    for (const auto& [name, kind] : generatorTabs) {
        if (name == tabName) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string_view TabOfGenerator(GeneratorKind kind)
{
    for (const auto& [name, tabKind] : generatorTabs) {
        if (tabKind == kind) {
            return name;
        }
    }
    return {};
}

} // namespace tollwick
