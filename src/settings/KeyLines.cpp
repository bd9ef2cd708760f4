// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyLines.h"

#include "platform/Integer.h"

#include <utility>

namespace tollwick {

KeyLines::KeyLines(std::vector<std::string> lines) : lines_(std::move(lines))
{
    IndexFrom(0);
}

void KeyLines::Clear()
{
    lines_.clear();
    index_.clear();
}

void KeyLines::Append(const std::vector<std::string>& lines)
{
    const std::size_t first = lines_.size();
    lines_.insert(lines_.end(), lines.begin(), lines.end());
    IndexFrom(first);
}

// A key holds no "[" or ",", so the pattern "[" + key + "," can only begin
// at the last "[" before a ",": one pass over each line finds every key it
// answers for, at its first place in the line.
void KeyLines::IndexFrom(std::size_t firstLine)
{
    for (std::size_t k = firstLine; k < lines_.size(); ++k) {
        const std::string& line = lines_[k];
        std::size_t open = std::string::npos;
        for (std::size_t at = 0; at < line.size(); ++at) {
            if (line[at] == '[') {
                open = at;
            } else if (line[at] == ',' && open != std::string::npos) {
                // try_emplace keeps the entry of an earlier line or place.
                index_.try_emplace(line.substr(open + 1, at - open - 1), Entry{k, at + 1});
                open = std::string::npos;
            }
        }
    }
}

std::optional<KeyLines::Entry> KeyLines::FindEntry(std::string_view key) const
{
    if (key.find_first_of("[,") != std::string_view::npos) {
        // No key of the program looks like this; the plain search keeps the rule exact anyway.
        return ScanForEntry(key);
    }
    const auto found = index_.find(key);
    return found == index_.end() ? std::nullopt : std::optional<Entry>(found->second);
}

std::optional<KeyLines::Entry> KeyLines::ScanForEntry(std::string_view key) const
{
    std::string pattern;
    pattern.reserve(key.size() + 2);
    pattern += '[';
    pattern += key;
    pattern += ',';
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        const std::size_t at = lines_[k].find(pattern);
        if (at != std::string::npos) {
            return Entry{k, at + pattern.size()};
        }
    }
    return std::nullopt;
}

std::string KeyLines::ValueOf(const Entry& entry) const
{
    const std::string& line = lines_[entry.line];
    const std::size_t end = line.rfind(']');
    if (end == std::string::npos || end <= entry.valueStart) {
        return {};
    }
    return line.substr(entry.valueStart, end - entry.valueStart);
}

std::string KeyLines::LookupText(std::string_view key) const
{
    const std::optional<Entry> entry = FindEntry(key);
    return entry ? ValueOf(*entry) : std::string();
}

std::int32_t KeyLines::LookupNumber(std::string_view key) const
{
    const std::optional<Entry> entry = FindEntry(key);
    return entry ? ParseInt32(ValueOf(*entry)) : 0;
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
