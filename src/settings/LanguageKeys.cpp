// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/LanguageKeys.h"

namespace tollwick {

TextFamily AboutFamily()
{
    return {"DescriptionCty", "DescriptLine"};
}

TextFamily HelpFamily(std::string_view base)
{
    return {std::string(base) + "Cty", std::string(base)};
}

TextFamily LayoutFamily(std::string_view layout)
{
    return {std::string(layout) + "ExpCty", std::string(layout) + "Exp"};
}

std::string LineKey(const TextFamily& family, int k)
{
    return family.linePrefix + std::to_string(k);
}

std::vector<TextFamily> AllFamilies()
{
    std::vector<TextFamily> families{AboutFamily()};
    for (const std::string_view base : HelpBases) {
        families.push_back(HelpFamily(base));
    }
    for (const std::string_view layout : LayoutNames) {
        families.push_back(LayoutFamily(layout));
    }
    return families;
}

} // namespace tollwick
