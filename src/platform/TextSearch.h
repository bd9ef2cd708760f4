// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Finds a pattern in texts, whole characters only: exactly, or with case
/// ignored by simple case folding per character. Invalid bytes match only
/// the same invalid byte. Built once, used for many texts.
class TextSearcher {
public:
    struct Match {
        std::size_t pos;    // byte offset in the text
        std::size_t length; // byte length in the text; may differ from the pattern's when case is ignored
    };

    TextSearcher(std::string_view pattern, bool ignoreCase);

    /// The first occurrence that starts at or after byte offset `from`,
    /// which must be a character boundary. An empty pattern has none.
    [[nodiscard]] std::optional<Match> Find(std::string_view text, std::size_t from = 0) const;
    [[nodiscard]] bool Empty() const { return pattern_.empty(); }

private:
    [[nodiscard]] std::optional<Match> FindByKeys(std::string_view text, std::size_t from) const;

    std::string pattern_;
    std::vector<std::uint32_t> keys_; // one per pattern character, when bytes alone cannot decide
    bool ignoreCase_;
    bool bytewise_;
};

} // namespace tollwick
