// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tollwick {

/// An ICU regular expression with its replacement, for names that are
/// bytes. The expression is Unicode-aware; each byte of invalid UTF-8 is a
/// character of its own that matches only "." and negated classes, and it
/// comes out as the same byte, so the text outside the matches is kept byte
/// for byte.
class RegexReplacer {
public:
    /// Raises TollwickError with ICU's reason for an invalid expression, or
    /// for a replacement that names a group the expression does not have.
    RegexReplacer(std::string_view expression, std::string_view replacement, bool ignoreCase);
    ~RegexReplacer();
    RegexReplacer(RegexReplacer&&) noexcept;
    RegexReplacer& operator=(RegexReplacer&&) noexcept;
    RegexReplacer(const RegexReplacer&) = delete;
    RegexReplacer& operator=(const RegexReplacer&) = delete;

    using Clean = std::string (*)(std::string_view);

    /// Appends `text` to `out` with every match (the first only, with
    /// `onlyFirst`) replaced by the replacement, in which $0 is the match and
    /// $1..$9 its groups; `clean` is applied to each replaced piece. Returns
    /// whether there was a match; without one, `text` is appended unchanged.
    /// An expression that needs more than about a million match steps or
    /// 1 MiB of backtracking stack on `text` raises TollwickError naming the
    /// expression and the name; `out` may then hold part of the result.
    /// Not for use by two threads at once: the matcher is reused.
    bool AppendReplaced(std::string& out, std::string_view text, bool onlyFirst, Clean clean) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tollwick
