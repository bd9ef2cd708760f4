// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NameParts.h"

#include "platform/CharWalk.h"

namespace tollwick {

NameSplit SplitName(std::string_view name)
{
    // "." is ASCII and never part of a longer character, so the byte search is exact.
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return {name, {}};
    }
    return {name.substr(0, dot), name.substr(dot)};
}

std::size_t NamePartLength(std::string_view text)
{
    return CountCharsFast(SplitName(text).NamePart);
}

} // namespace tollwick
