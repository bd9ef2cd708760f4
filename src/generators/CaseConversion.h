// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tollwick {

/// The controls of the letter case tab. The radio buttons exclude each
/// other; should several be set, the first in this order counts.
struct CaseOptions {
    bool GenDownCheck = false;       // all lower case
    bool GenUpCheck = false;         // all upper case
    bool GenFirstUpCheck = false;    // the first GenFirstUpCty characters of the name part upper, the rest lower
    bool GenInvertCheck = false;     // swap the case of each character of the name part
    bool GenAllFirstUpCheck = false; // each word of the name part begins upper case, the rest lower
    std::int32_t GenFirstUpCty = 1;  // may be 0 or less when typed so: then no character goes upper
    bool GenSymbol_Check = false;    // for GenAllFirstUpCheck: "_" also starts a word
};

/// The name in the letter case that the options choose; unchanged when no
/// mode is selected. Letters of every script count, by Unicode simple case
/// mapping; invalid bytes are kept and have no case.
[[nodiscard]] std::string ChangeCase(std::string_view name, const CaseOptions& options);
/// The same into `out`, reusing its storage; `name` must not lie in `out`.
void ChangeCase(std::string_view name, const CaseOptions& options, std::string& out);

} // namespace tollwick
