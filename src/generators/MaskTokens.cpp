// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MaskTokens.h"

#include "generators/DateFormat.h"
#include "platform/Errors.h"
#include "platform/Paths.h"
#include "rename/TextRoutines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace tollwick {
namespace {

constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

TollwickError TokenError(std::string_view text, std::string_view reason)
{
    return TollwickError{"Token " + std::string(text) + " in the mask: " + std::string(reason)};
}

TollwickError UnknownToken(std::string_view text)
{
    return TollwickError{"Unknown token " + std::string(text) + " in the mask"};
}

struct MediaName {
    std::string_view name;
    MediaField field;
    bool numeric;
};

constexpr std::array<MediaName, 11> mediaNames{{
    {"exif:make", MediaField::Make, false},
    {"exif:model", MediaField::Model, false},
    {"exif:lens", MediaField::Lens, false},
    {"exif:width", MediaField::Width, true},
    {"exif:height", MediaField::Height, true},
    {"audio:artist", MediaField::Artist, false},
    {"audio:album", MediaField::Album, false},
    {"audio:title", MediaField::Title, false},
    {"audio:year", MediaField::Year, true},
    {"audio:genre", MediaField::Genre, false},
    {"audio:track", MediaField::Track, true},
}};

struct DateName {
    std::string_view name;
    DateSource source;
};

constexpr std::array<DateName, 4> dateNames{{
    {"mtime", DateSource::Modified},
    {"ctime", DateSource::Changed},
    {"now", DateSource::Now},
    {"taken", DateSource::Taken},
}};

// The pieces of `text` between the separators, empty ones included.
std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string_view::npos; end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::int64_t ReadCounterNumber(std::string_view token, std::string_view digits, std::string_view what)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        throw TokenError(token, "the " + std::string(what) + " must be a whole number from " +
                                    std::to_string(std::numeric_limits<std::int32_t>::min()) + " to " +
                                    std::to_string(std::numeric_limits<std::int32_t>::max()));
    }
    return value;
}

std::size_t ReadWidth(std::string_view token, std::string_view digits)
{
    std::size_t width = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    if (digits.empty() || !IsDigit(digits[0]) || error != std::errc() || end != digits.data() + digits.size() ||
        width == 0 || width > widestToken) {
        throw TokenError(token, "the width must be a number from 1 to " + std::to_string(widestToken));
    }
    return width;
}

void ReadDate(MaskToken& token, std::string_view sources, std::optional<std::string_view> format)
{
    for (const std::string_view source : SplitAt(sources, '?')) {
        const auto* const known =
            std::find_if(dateNames.begin(), dateNames.end(), [&](const DateName& date) { return date.name == source; });
        if (known == dateNames.end()) {
            throw TokenError(token.text,
                             "\"" + std::string(source) + "\" is not a date source (mtime, ctime, now, taken)");
        }
        token.dates.push_back(known->source);
    }
    token.format = format ? std::string(*format) : std::string("%Y-%m-%d");
    if (const std::optional<std::string> problem = DateFormatProblem(token.format)) {
        throw TokenError(token.text, *problem);
    }
}

void ReadCounter(MaskToken& token, std::string_view options, std::optional<std::string_view> width)
{
    const std::vector<std::string_view> numbers = SplitAt(options, ':');
    if (numbers.size() > 2) {
        throw TokenError(token.text, "a counter takes a start and a step, as in <n:10:5>");
    }
    token.start = ReadCounterNumber(token.text, numbers[0], "start");
    if (numbers.size() == 2) {
        token.step = ReadCounterNumber(token.text, numbers[1], "step");
        if (token.step == 0) {
            throw TokenError(token.text, "the step must not be 0");
        }
    }
    if (width) {
        token.width = ReadWidth(token.text, *width);
    }
}

void ReadMedia(MaskToken& token, std::string_view name, std::optional<std::string_view> width)
{
    const auto* const known =
        std::find_if(mediaNames.begin(), mediaNames.end(), [&](const MediaName& media) { return media.name == name; });
    if (known == mediaNames.end()) {
        throw UnknownToken(token.text);
    }
    token.kind = TokenKind::Media;
    token.field = known->field;
    if (width) {
        if (!known->numeric) {
            throw TokenError(token.text, "only a number can be padded to a width");
        }
        token.width = ReadWidth(token.text, *width);
    }
}

void PadDigits(std::string& value, std::size_t width)
{
    if (!value.empty() && value.size() < width && std::all_of(value.begin(), value.end(), IsDigit)) {
        value.insert(0, width - value.size(), '0');
    }
}

} // namespace

std::vector<MaskSegment> SplitMaskSegments(std::string_view mask)
{
    std::vector<MaskSegment> segments;
    std::size_t plainStart = 0;
    std::size_t pos = 0;
    while (pos < mask.size()) {
        if (mask[pos] != '<' || pos + 1 == mask.size() || !IsAsciiLetter(mask[pos + 1])) {
            ++pos;
            continue;
        }
        if (pos > plainStart) {
            segments.push_back({mask.substr(plainStart, pos - plainStart), false});
        }
        const std::size_t close = mask.find_first_of("<>", pos + 1);
        const std::size_t end = close == std::string_view::npos ? mask.size() : mask[close] == '>' ? close + 1 : close;
        segments.push_back({mask.substr(pos, end - pos), true});
        pos = end;
        plainStart = end;
    }
    if (plainStart < mask.size()) {
        segments.push_back({mask.substr(plainStart), false});
    }
    return segments;
}

MaskToken ParseToken(std::string_view text)
{
    MaskToken token;
    token.text = text;
    if (text.size() < 2 || text.back() != '>') {
        throw TokenError(text, "it has no closing \">\"");
    }
    const std::string_view body = text.substr(1, text.size() - 2);
    const std::size_t bar = body.find('|');
    const std::string_view head = body.substr(0, bar);
    const std::optional<std::string_view> option =
        bar == std::string_view::npos ? std::nullopt : std::optional(body.substr(bar + 1));
    const std::size_t colon = head.find(':');
    const std::string_view name = head.substr(0, colon);
    const std::string_view rest = colon == std::string_view::npos ? std::string_view() : head.substr(colon + 1);
    if (name == "date") {
        if (colon == std::string_view::npos) {
            throw TokenError(text, "a date needs a source, as in <date:mtime>");
        }
        token.kind = TokenKind::Date;
        ReadDate(token, rest, option);
    } else if (name == "n") {
        token.kind = TokenKind::Counter;
        ReadCounter(token, colon == std::string_view::npos ? std::string_view("1") : rest, option);
    } else if (name == "folder" || name == "size") {
        token.kind = name == "folder" ? TokenKind::Folder : TokenKind::Size;
        if (colon != std::string_view::npos || option) {
            throw TokenError(text, "it takes no options");
        }
    } else if (name == "exif" || name == "audio") {
        ReadMedia(token, head, option);
    } else {
        throw UnknownToken(text);
    }
    return token;
}

TokenValues::TokenValues(const RowFacts& facts, std::string_view listFolder)
    : facts_(facts), folder_(WithClosingSlash(std::string(listFolder)))
{
    std::string_view trimmed = listFolder;
    while (!trimmed.empty() && trimmed.back() == '/') {
        trimmed.remove_suffix(1);
    }
    folderName_ = trimmed.substr(trimmed.rfind('/') + 1);
}

void TokenValues::StartRow(std::string_view fileName, std::int64_t processedBefore)
{
    path_.clear();
    if (!folder_.empty() && !fileName.empty()) {
        path_.append(folder_).append(fileName);
    }
    counter_ = processedBefore;
    ++row_;
    status_.reset();
}

std::string TokenValues::ValueOf(const MaskToken& token)
{
    const std::optional<std::string> value = Lookup(token);
    std::string cleaned = value ? StripForbiddenChars(*value) : std::string();
    if (cleaned.empty()) {
        CountMissing(token.text);
    }
    return cleaned;
}

std::optional<std::string> TokenValues::Lookup(const MaskToken& token)
{
    switch (token.kind) {
    case TokenKind::Counter: {
        std::int64_t value = 0;
        if (__builtin_mul_overflow(token.step, counter_, &value) ||
            __builtin_add_overflow(value, token.start, &value)) {
            throw TokenError(token.text, "the counter does not fit 64 bits");
        }
        std::string text;
        AppendPadded(text, value, token.width);
        return text;
    }
    case TokenKind::Folder:
        return folderName_.empty() ? std::nullopt : std::optional(folderName_);
    case TokenKind::Size:
        return Status() ? std::optional(std::to_string(Status()->size)) : std::nullopt;
    case TokenKind::Date:
        for (const DateSource source : token.dates) {
            if (const std::optional<LocalDateTime> date = DateOf(source)) {
                return FormatDate(*date, token.format);
            }
        }
        return std::nullopt;
    case TokenKind::Media: {
        std::optional<std::string> tag = path_.empty() ? std::nullopt : facts_.Tag(token.field, path_);
        if (tag) {
            PadDigits(*tag, token.width);
        }
        return tag;
    }
    }
    return std::nullopt;
}

std::optional<LocalDateTime> TokenValues::DateOf(DateSource source)
{
    switch (source) {
    case DateSource::Modified:
        return Status() ? std::optional(Status()->modified) : std::nullopt;
    case DateSource::Changed:
        return Status() ? std::optional(Status()->changed) : std::nullopt;
    case DateSource::Now:
        if (!now_) {
            now_ = facts_.Now();
        }
        return now_;
    case DateSource::Taken:
        return path_.empty() ? std::nullopt : facts_.Taken(path_);
    }
    return std::nullopt;
}

const std::optional<FileStatus>& TokenValues::Status()
{
    if (!status_) {
        status_ = path_.empty() ? std::nullopt : facts_.Status(path_);
    }
    return *status_;
}

void TokenValues::CountMissing(const std::string& token)
{
    const auto known = std::find_if(missing_.begin(), missing_.end(),
                                    [&](const MissingValue& missing) { return missing.token == token; });
    if (known == missing_.end()) {
        missing_.push_back({token, 1});
        lastMissedRow_.push_back(row_);
        return;
    }
    std::size_t& lastRow = lastMissedRow_[static_cast<std::size_t>(known - missing_.begin())];
    if (lastRow != row_) {
        ++known->rows;
        lastRow = row_;
    }
}

void AppendPadded(std::string& out, std::int64_t value, std::size_t width)
{
    std::array<char, 24> digits{};
    const bool negative = value < 0;
    const auto magnitude = negative ? 0U - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    auto* const end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    std::size_t signWidth = 0;
    if (negative) {
        out.push_back('-');
        signWidth = 1;
    }
    if (length + signWidth < width) {
        out.append(width - length - signWidth, '0');
    }
    out.append(digits.data(), length);
}

} // namespace tollwick
