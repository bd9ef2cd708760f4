// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"
#include "platform/RegexReplace.h"
#include "platform/TextSearch.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// A new name and the cleaned texts the window writes back into its edits.
struct ReplaceResult {
    std::string newName;
    std::string from;
    std::string to;
};

/// The replace generator made ready for many names: the two texts are
/// cleaned of the nine forbidden characters once, when it is built. A
/// regular expression is used as typed, with its replacement: what each
/// match is replaced by is cleaned instead, and the rest of the name stays
/// byte for byte.
class TextReplacer {
public:
    /// Raises TollwickError, with ICU's reason, for an invalid regular expression.
    explicit TextReplacer(const ReplaceStep& step);

    /// The name with the search text replaced as the step says. An empty
    /// search text changes nothing.
    [[nodiscard]] std::string Apply(std::string_view name) const;
    /// The same into `out`, reusing its storage; `name` must not lie in `out`.
    void Apply(std::string_view name, std::string& out) const;
    [[nodiscard]] const std::string& CleanedFrom() const { return from_; }
    [[nodiscard]] const std::string& CleanedTo() const { return to_; }

private:
    std::string from_;
    std::string to_;
    TextSearcher search_;
    std::optional<RegexReplacer> regex_;
    bool onlyFirst_;
    bool keepExtension_;
};

/// One call of the replace generator.
[[nodiscard]] ReplaceResult ReplaceText(std::string_view name, const ReplaceStep& step);

/// Appends `text` to `out` with the occurrences of the searcher's pattern
/// replaced by `replacement`, found left to right without overlap; an
/// inserted replacement is never searched again. Returns whether there was
/// an occurrence. `text` must not lie in `out`.
bool AppendReplaced(std::string& out, std::string_view text, const TextSearcher& search, std::string_view replacement,
                    bool onlyFirst);

} // namespace tollwick
