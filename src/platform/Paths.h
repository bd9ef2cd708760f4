// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tollwick {

/// The folder with a closing "/", as names are joined to folders by plain
/// concatenation. The root "/" stays as it is; an empty text stays empty,
/// so that no folder is made up where none was given.
[[nodiscard]] inline std::string WithClosingSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace tollwick
