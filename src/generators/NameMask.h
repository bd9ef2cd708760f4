// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/MaskTokens.h"
#include "generators/Steps.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tollwick {

/// A new name and the cleaned masks the window writes back into its edits.
struct MaskResult {
    std::string newName;
    std::string nameMask;
    std::string extensionMask;
};

/// A mask as the user typed it, without the forbidden characters but "*"
/// outside its tokens; the tokens stay as typed.
[[nodiscard]] std::string CleanMask(std::string_view mask);

/// A text whose runs of decimal digits count: each run is read once and can
/// then be written with any counter added.
class NumberedText {
public:
    /// Raises NotValidInteger with the run's digits for a run above
    /// 2147483647; of several such runs, the last one is reported.
    explicit NumberedText(std::string_view text);

    /// Appends the text with `counter` added to each run. A sum narrower than
    /// its run is padded on the left with "0" to the run's width; a wider one
    /// stays wider. Sums are held in 64 bits, so none wraps.
    void AppendWithCounter(std::string& out, std::int64_t counter) const;

private:
    struct Piece {
        std::string Text;   // the other characters before the run
        std::int64_t Value; // the run's value
        std::size_t Width;  // the run's digits, leading zeros included
    };
    std::vector<Piece> pieces_;
    std::string tail_; // the other characters after the last run
};

/// The text with `counter` added to each of its numbers (see NumberedText).
[[nodiscard]] std::string AddToNumbers(std::string_view text, std::int64_t counter);

/// One mask made ready: its plain text cleaned, with its numbers read when
/// they count, and its tokens parsed.
class MaskText {
public:
    /// Raises for a bad token, then NotValidInteger for a counted number
    /// that does not fit 32 bits (the last such one).
    MaskText(std::string_view mask, bool counting);

    /// Appends the mask with `counter` added to its plain numbers when they
    /// count, and the tokens' values for the row.
    void Append(std::string& out, std::int64_t counter, TokenValues& values) const;
    [[nodiscard]] bool HasTokens() const;
    /// The tags its tokens read.
    [[nodiscard]] MediaReads Reads() const;

private:
    struct Plain {
        std::string text;
        NumberedText numbers; // of the text when it counts, else of nothing
    };
    std::vector<std::variant<MaskToken, Plain>> pieces_;
    bool counting_;
};

/// The mask generator made ready for many names: the masks are cleaned, their
/// numbers read and their tokens parsed once, when it is built.
class NameMask {
public:
    /// Raises TollwickError for a bad token; NotValidInteger for a number
    /// that does not fit 32 bits, when the step counts.
    explicit NameMask(const MaskStep& step);

    /// The new name: the name mask with its first "*" replaced by the name
    /// part, ".", the extension mask with its first "*" replaced by the
    /// extension without its dot; later stars and every other forbidden
    /// character dropped from the whole. When the step counts, `counter` (the
    /// number of rows the pass processed before) is first added to every
    /// number of both masks outside their tokens; digits of the name and of
    /// token values never count. Tokens take their values from `values`,
    /// started on the row.
    void Apply(std::string_view name, std::int64_t counter, std::string& joined, TokenValues& values) const;
    /// The same where tokens read no file: they give the clock's time and counter only.
    [[nodiscard]] std::string Apply(std::string_view name, std::int64_t counter) const;
    /// The same into `joined`, reusing its storage; `name` must not lie in `joined`.
    void Apply(std::string_view name, std::int64_t counter, std::string& joined) const;
    [[nodiscard]] const std::string& CleanedName() const { return nameMask_; }
    [[nodiscard]] const std::string& CleanedExt() const { return extMask_; }
    [[nodiscard]] bool HasTokens() const { return name_.HasTokens() || ext_.HasTokens(); }
    [[nodiscard]] MediaReads Reads() const;

private:
    std::string nameMask_;
    std::string extMask_;
    MaskText name_;
    MaskText ext_;
};

/// One call of the mask generator with the pass's counter.
[[nodiscard]] MaskResult ApplyMask(std::string_view name, std::int64_t counter, const MaskStep& step);

} // namespace tollwick
