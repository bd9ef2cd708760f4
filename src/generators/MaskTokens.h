// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/RowFacts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// A stretch of a mask: plain text, or a token, which runs from a "<" with
/// a letter after it to the next ">". A token with no ">" before the next
/// "<" or the end is unclosed; it holds no ">". Any other "<" is plain.
struct MaskSegment {
    std::string_view text;
    bool token = false;
};
[[nodiscard]] std::vector<MaskSegment> SplitMaskSegments(std::string_view mask);

enum class TokenKind { Date, Folder, Size, Counter, Media };
enum class DateSource { Modified, Changed, Now, Taken };

/// The largest width a token pads its number to.
inline constexpr std::size_t widestToken = 20;

struct MaskToken {
    std::string text; // as typed, "<" and ">" included
    TokenKind kind = TokenKind::Folder;
    std::vector<DateSource> dates; // in the order they are tried
    std::string format;            // checked
    MediaField field = MediaField::Make;
    std::int64_t start = 1; // the counter's first value and step
    std::int64_t step = 1;
    std::size_t width = 0; // a number narrower than this is padded with "0"
};

/// Reads a token segment; raises TollwickError naming the token when it is
/// unknown, malformed or unclosed.
[[nodiscard]] MaskToken ParseToken(std::string_view text);

/// How many rows lacked the value of a token, named as typed.
struct MissingValue {
    std::string token;
    std::size_t rows = 0;
    friend bool operator==(const MissingValue&, const MissingValue&) = default;
};

/// The values of a pass's tokens, row by row, from the files of the list
/// folder (none read when no folder is given). Counts the rows that lacked
/// a value of each token.
class TokenValues {
public:
    TokenValues(const RowFacts& facts, std::string_view listFolder);

    /// The row the next values are of: its file's name and the number of
    /// rows processed before it.
    void StartRow(std::string_view fileName, std::int64_t processedBefore);
    /// The token's value for the row, the nine forbidden characters removed;
    /// empty when none of its sources has one, which counts as missing.
    [[nodiscard]] std::string ValueOf(const MaskToken& token);
    /// In the order the tokens first lacked a value.
    [[nodiscard]] const std::vector<MissingValue>& Missing() const { return missing_; }

private:
    [[nodiscard]] std::optional<std::string> Lookup(const MaskToken& token);
    [[nodiscard]] std::optional<LocalDateTime> DateOf(DateSource source);
    [[nodiscard]] const std::optional<FileStatus>& Status();
    void CountMissing(const std::string& token);

    const RowFacts& facts_;
    std::string folder_; // with a closing "/", or empty
    std::string folderName_;
    std::optional<LocalDateTime> now_;
    std::string path_;
    std::int64_t counter_ = 0;
    std::size_t row_ = 0;
    std::optional<std::optional<FileStatus>> status_; // read once a row, when first needed
    std::vector<MissingValue> missing_;
    std::vector<std::size_t> lastMissedRow_; // beside missing_: each row counts once
};

/// `value` in decimal, padded on the left with "0" to `width` after its sign.
void AppendPadded(std::string& out, std::int64_t value, std::size_t width);

} // namespace tollwick
