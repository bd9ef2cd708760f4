// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyLines.h"

#include "platform/Integer.h"

namespace tollwick {

KeyLines::Found KeyLines::FindEntry(std::string_view key) const
{
    std::string pattern;
    pattern.reserve(key.size() + 2);
    pattern += '[';
    pattern += key;
    pattern += ',';
    for (const std::string& line : lines_) {
        const std::size_t at = line.find(pattern);
        if (at != std::string::npos) {
            return {&line, at + pattern.size()};
        }
    }
    return {};
}

std::string KeyLines::ValueOf(const Found& found)
{
    const std::size_t end = found.line->rfind(']');
    if (end == std::string::npos || end <= found.valueStart) {
        return {};
    }
    return found.line->substr(found.valueStart, end - found.valueStart);
}

std::string KeyLines::LookupText(std::string_view key) const
{
    const Found found = FindEntry(key);
    return found.line == nullptr ? std::string() : ValueOf(found);
}

std::int32_t KeyLines::LookupNumber(std::string_view key) const
{
    const Found found = FindEntry(key);
    return found.line == nullptr ? 0 : ParseInt32(ValueOf(found));
}

std::string BracketLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line += '[';
    line += key;
    line += ',';
    line += value;
    line += ']';
    return line;
}

std::string SingleLineValue(std::string_view value)
{
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return line;
}

} // namespace tollwick
