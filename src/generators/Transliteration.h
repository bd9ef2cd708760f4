#pragma once

#include "platform/TextSearch.h"
#include "settings/TranslitTables.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Four empty tables, for options that name none.
[[nodiscard]] const TranslitTables& NoTranslitTables();

/// The controls of the transliteration tab. The tables are referred to, not
/// copied: they must outlive the options (a temporary is refused).
struct TranslitOptions {
    bool CyrToLatCheck = false; // CyrLongList, then CyrList
    bool LatToCyrCheck = false; // LatLongList, then LatList
    std::reference_wrapper<const TranslitTables> Tables = NoTranslitTables();
};

/// The separator between the source and the target of a table entry.
inline constexpr std::string_view TranslitSeparator = "  >  ";

/// The transliteration generator made ready for many names: the entries of
/// the chosen direction are split once, when it is built.
class Transliterator {
public:
    explicit Transliterator(const TranslitOptions& options);

    /// The name part with every entry applied in table order, each to what
    /// the entries before it left, matching case exactly; then the
    /// extension unchanged.
    [[nodiscard]] std::string Apply(std::string_view name) const;

private:
    using ByteSet = std::array<std::uint64_t, 4>;
    struct Entry {
        TextSearcher Source;
        std::string Target;
        ByteSet SourceBytes; // an entry can match only a text that holds all of these
        ByteSet TargetBytes;
    };
    void AddEntries(const std::vector<std::string>& table);

    std::vector<Entry> entries_;
};

/// One call of the transliteration generator.
[[nodiscard]] std::string Transliterate(std::string_view name, const TranslitOptions& options);

} // namespace tollwick
