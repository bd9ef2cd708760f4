// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick {

/// A table whose entries feed each other can grow a text without end
/// ("a > aa" forty times). Past this many bytes a name is far beyond any file
/// name's length, so the replacements stop there: the text stays over-long
/// and the run refuses it as too long, never renaming to what a cut text gives.
inline constexpr std::size_t GrownTextLimit = 4096;

/// A run of replacements whose sources are single characters, applied to a
/// valid UTF-8 text in one walk. Each such replacement changes characters
/// one by one, so running the whole run over a text gives the same as running
/// it over each character alone; the table holds that result for every
/// source character, computed once.
class CharTable {
public:
    /// `replacements` in the order they act: (source character, target).
    explicit CharTable(const std::vector<std::pair<char32_t, std::string>>& replacements);

    /// Appends `text` with the run applied. Exact for valid UTF-8 only: run
    /// one by one, a replacement may join the bytes around it into a new character.
    void Apply(std::string_view text, std::string& out) const;

private:
    [[nodiscard]] const std::string* ResultOf(char32_t codePoint) const;

    std::vector<std::string> results_;
    std::array<std::int32_t, 128> ascii_{};                // index into results_, or -1: unchanged
    std::vector<std::pair<char32_t, std::size_t>> others_; // sorted by character
};

} // namespace tollwick
