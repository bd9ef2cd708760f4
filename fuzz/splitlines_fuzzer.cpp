// SPDX-License-Identifier: GPL-3.0-or-later
// Line splitting: no line keeps a line end or a NUL, and the lines are the
// text up to its first NUL, in order.
#include "FuzzInput.h"
#include "platform/LineFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = tollwick::fuzz::AsText(data, size);
    const std::vector<std::string> lines = tollwick::SplitLines(text);
    const std::string_view kept = text.substr(0, text.find('\0'));
    std::size_t at = 0;
    for (const std::string& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos ||
            kept.substr(at, line.size()) != line) {
            std::abort();
        }
        at += line.size();
        at += kept.compare(at, 2, "\r\n") == 0 ? 2 : (at < kept.size() ? 1 : 0);
    }
    if (at != kept.size()) {
        std::abort();
    }
    return 0;
}
