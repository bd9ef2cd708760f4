// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tollwick::test {

/// Lines joined as the program writes them: CR LF after each.
inline std::string CrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

/// An application home with empty data/ and language/ folders.
class DataHome : public TempDir {
public:
    DataHome()
    {
        MakeFolder("data");
        MakeFolder("language");
    }
};

/// A file the project ships, in the source tree.
inline std::string ShippedPath(const std::string& relative)
{
    return (std::filesystem::path(TOLLWICK_SOURCE_DIR) / relative).string();
}

} // namespace tollwick::test
