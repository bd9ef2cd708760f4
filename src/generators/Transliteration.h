// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/CharTable.h"
#include "generators/Steps.h"
#include "platform/TextSearch.h"
#include "settings/TranslitTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The transliteration generator made ready for many names: the entries of
/// the step's direction are split once, when it is built: CyrLongList, then
/// CyrList from Cyrillic to Latin; LatLongList, then LatList the other way.
class Transliterator {
public:
    Transliterator(const TranslitStep& step, const TranslitTables& tables);

    /// The name part with every entry applied in table order, each to what
    /// the entries before it left, matching case exactly; then the
    /// extension unchanged.
    [[nodiscard]] std::string Apply(std::string_view name) const;
    /// The same into `text`, reusing its storage; `name` must not lie in `text`.
    /// Not for use by two threads at once: it keeps a working buffer.
    void Apply(std::string_view name, std::string& text) const;

private:
    using ByteSet = std::array<std::uint64_t, 4>;
    struct Entry {
        std::string Source;
        std::string Target;
        TextSearcher Search;
        ByteSet SourceBytes; // an entry can match only a text that holds all of these
        ByteSet TargetBytes;
    };
    // Entries [First, Last) of entries_, with a table when they all replace single characters.
    struct Stage {
        std::size_t First = 0;
        std::size_t Last = 0;
        std::optional<CharTable> Table;
    };
    void AddEntries(const std::vector<std::string>& table);
    void BuildStages();
    void ApplyOneByOne(std::string& text, const Stage& stage) const;

    std::vector<Entry> entries_;
    std::vector<Stage> stages_;
    mutable std::string scratch_; // kept between names so that its storage is reused
};

/// One call of the transliteration generator.
[[nodiscard]] std::string Transliterate(std::string_view name, const TranslitStep& step, const TranslitTables& tables);

} // namespace tollwick
