// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Lines of bracket entries "[key,value]" looked up by key. The first line
/// that holds "[" + key + "," anywhere is the entry, so earlier lines win.
class KeyLines {
public:
    KeyLines() = default;
    explicit KeyLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void Clear() { lines_.clear(); }
    void Append(const std::vector<std::string>& lines) { lines_.insert(lines_.end(), lines.begin(), lines.end()); }
    [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }

    /// The value of the first entry for `key`, up to the last "]" of its
    /// line; empty when there is none.
    [[nodiscard]] std::string LookupText(std::string_view key) const;
    /// The value as a signed 32-bit number; 0 when there is no entry.
    /// Raises "'%s' is not a valid integer value" for anything else.
    [[nodiscard]] std::int32_t LookupNumber(std::string_view key) const;
    /// Whether some line holds an entry for `key`, even an empty one.
    [[nodiscard]] bool Holds(std::string_view key) const { return FindEntry(key).line != nullptr; }

private:
    // Line and value offset of the first entry, if any.
    struct Found {
        const std::string* line = nullptr;
        std::size_t valueStart = 0;
    };
    [[nodiscard]] Found FindEntry(std::string_view key) const;
    [[nodiscard]] static std::string ValueOf(const Found& found);

    std::vector<std::string> lines_;
};

/// The bracket line "[key,value]".
[[nodiscard]] std::string BracketLine(std::string_view key, std::string_view value);

/// The value with CR, LF and NUL turned into blanks: a bracket line cannot
/// hold them, and read back they would end the line or the whole file.
[[nodiscard]] std::string SingleLineValue(std::string_view value);

} // namespace tollwick
