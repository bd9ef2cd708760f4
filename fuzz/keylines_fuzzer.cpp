// SPDX-License-Identifier: GPL-3.0-or-later
// Bracket lines and their lookups: the indexed lookup must answer as a scan
// of every line does, for keys taken from the input itself.
#include "FuzzInput.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "settings/KeyLines.h"
#include "settings/NumberedLines.h"

#include <cstdlib>
#include <optional>

namespace {

std::optional<std::string> ScannedValue(const std::vector<std::string>& lines, const std::string& key)
{
    const std::string pattern = "[" + key + ",";
    for (const std::string& line : lines) {
        const std::size_t at = line.find(pattern);
        if (at != std::string::npos) {
            const std::size_t start = at + pattern.size();
            const std::size_t end = line.rfind(']');
            return end == std::string::npos || end <= start ? std::string() : line.substr(start, end - start);
        }
    }
    return std::nullopt;
}

void CheckKey(const tollwick::KeyLines& keys, const std::vector<std::string>& lines, const std::string& key)
{
    const std::optional<std::string> expected = ScannedValue(lines, key);
    if (keys.Holds(key) != expected.has_value() || keys.LookupText(key) != expected.value_or("")) {
        std::abort();
    }
    try {
        (void)keys.LookupNumber(key);
    } catch (const tollwick::TollwickError&) {
        // A value that is no number: the conversion error is the answer.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // First line: the keys to ask for, separated by TAB; the rest: the file.
    const auto [keyText, fileText] = tollwick::fuzz::CutAt(tollwick::fuzz::AsText(data, size), '\n');
    const std::vector<std::string> lines = tollwick::SplitLines(fileText);
    const std::size_t half = lines.size() / 2;
    tollwick::KeyLines keys(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(half)));
    keys.Append(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(half), lines.end()));
    std::string_view rest = keyText;
    while (!rest.empty()) {
        const auto [key, after] = tollwick::fuzz::CutAt(rest, '\t');
        CheckKey(keys, lines, std::string(key));
        rest = after;
    }
    try {
        (void)tollwick::NumberedLines(keys, {std::string(keyText.substr(0, keyText.find('\t'))), "line"});
    } catch (const tollwick::TollwickError&) {
    }
    return 0;
}
