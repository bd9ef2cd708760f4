// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tollwick {

// Both come from the project's version in CMakeLists.txt, so a release
// changes one line.
inline constexpr std::string_view ProgramVersion = TOLLWICK_VERSION;
/// The window's title and the about page's heading.
inline constexpr std::string_view ProgramTitle = "Tollwick v" TOLLWICK_VERSION;

} // namespace tollwick
