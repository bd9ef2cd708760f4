// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tollwick {

/// Lines of bracket entries "[key,value]" looked up by key. The first line
/// that holds "[" + key + "," anywhere is the entry, so earlier lines win.
class KeyLines {
public:
    KeyLines() = default;
    explicit KeyLines(std::vector<std::string> lines);

    void Clear();
    /// Adds lines after the present ones; entries of earlier lines keep winning.
    void Append(const std::vector<std::string>& lines);
    [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }

    /// The value of the first entry for `key`, up to the last "]" of its
    /// line; empty when there is none.
    [[nodiscard]] std::string LookupText(std::string_view key) const;
    /// The value as a signed 32-bit number; 0 when there is no entry.
    /// Raises "'%s' is not a valid integer value" for anything else.
    [[nodiscard]] std::int32_t LookupNumber(std::string_view key) const;
    /// Whether some line holds an entry for `key`, even an empty one.
    [[nodiscard]] bool Holds(std::string_view key) const { return FindEntry(key).has_value(); }

private:
    // Where the first entry of a key starts: its line and the offset of its value.
    struct Entry {
        std::size_t line = 0;
        std::size_t valueStart = 0;
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };

    void IndexFrom(std::size_t firstLine);
    [[nodiscard]] std::optional<Entry> FindEntry(std::string_view key) const;
    [[nodiscard]] std::optional<Entry> ScanForEntry(std::string_view key) const;
    [[nodiscard]] std::string ValueOf(const Entry& entry) const;

    std::vector<std::string> lines_;
    // Every key a line can hold an entry for, mapped to its first entry, so
    // that a lookup costs the same however many lines were read.
    std::unordered_map<std::string, Entry, KeyHash, std::equal_to<>> index_;
};

/// The bracket line "[key,value]".
[[nodiscard]] std::string BracketLine(std::string_view key, std::string_view value);

/// The value with CR, LF and NUL turned into blanks: a bracket line cannot
/// hold them, and read back they would end the line or the whole file.
[[nodiscard]] std::string SingleLineValue(std::string_view value);

} // namespace tollwick
