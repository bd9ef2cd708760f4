// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tollwick {

/// The wizard's pages, by role. The values are the pages' places in the
/// layout (GroupBox1.. in Form1Controls::pages, counted from 1).
enum class Page {
    Start = 1,
    About,
    List,
    Preview,
    Result,
    Import,
    Folder,
    Generators,
    Export,
    Filter,
};

inline constexpr std::size_t PageCount = 10;

/// The page's place in Form1Controls::pages.
[[nodiscard]] constexpr std::size_t PageIndex(Page page)
{
    return static_cast<std::size_t>(page) - 1;
}

} // namespace tollwick
