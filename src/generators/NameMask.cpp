// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NameMask.h"

#include "generators/NameParts.h"
#include "platform/Integer.h"
#include "rename/TextRoutines.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tollwick {
namespace {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Puts `piece` in place of the first "*" at or after byte `from` of out.
void FillFirstStar(std::string& out, std::size_t from, std::string_view piece)
{
    const std::size_t star = out.find('*', from);
    if (star != std::string::npos) {
        out.replace(star, 1, piece);
    }
}

} // namespace

std::string CleanMask(std::string_view mask)
{
    std::string cleaned;
    for (const MaskSegment& segment : SplitMaskSegments(mask)) {
        cleaned += segment.token ? std::string(segment.text) : StripForbiddenChars(segment.text, '*');
    }
    return cleaned;
}

NumberedText::NumberedText(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        while (pos < text.size() && !IsDigit(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            tail_ = text.substr(start);
            break;
        }
        const std::size_t runStart = pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
        }
        pieces_.push_back({std::string(text.substr(start, runStart - start)), 0, pos - runStart});
    }
    // Runs are read from the last to the first, so an unreadable last run is the one reported.
    std::size_t runEnd = text.size() - tail_.size();
    std::for_each(pieces_.rbegin(), pieces_.rend(), [&](Piece& piece) {
        const std::size_t runStart = runEnd - piece.Width;
        piece.Value = ParseInt32(text.substr(runStart, piece.Width));
        runEnd = runStart - piece.Text.size();
    });
}

void NumberedText::AppendWithCounter(std::string& out, std::int64_t counter) const
{
    for (const Piece& piece : pieces_) {
        out += piece.Text;
        AppendPadded(out, piece.Value + counter, piece.Width);
    }
    out += tail_;
}

std::string AddToNumbers(std::string_view text, std::int64_t counter)
{
    std::string out;
    out.reserve(text.size() + 4);
    NumberedText(text).AppendWithCounter(out, counter);
    return out;
}

MaskText::MaskText(std::string_view mask, bool counting) : counting_(counting)
{
    const std::vector<MaskSegment> segments = SplitMaskSegments(mask);
    pieces_.resize(segments.size());
    for (std::size_t k = 0; k < segments.size(); ++k) {
        if (segments[k].token) {
            pieces_[k] = ParseToken(segments[k].text);
        }
    }
    // Numbers are read from the last to the first, so an unreadable last one is the one reported.
    for (std::size_t k = segments.size(); k-- > 0;) {
        if (!segments[k].token) {
            std::string text = StripForbiddenChars(segments[k].text, '*');
            NumberedText numbers(counting ? std::string_view(text) : std::string_view());
            pieces_[k] = Plain{std::move(text), std::move(numbers)};
        }
    }
}

void MaskText::Append(std::string& out, std::int64_t counter, TokenValues& values) const
{
    for (const auto& piece : pieces_) {
        if (const auto* plain = std::get_if<Plain>(&piece)) {
            if (counting_) {
                plain->numbers.AppendWithCounter(out, counter);
            } else {
                out += plain->text;
            }
        } else {
            out += values.ValueOf(std::get<MaskToken>(piece));
        }
    }
}

bool MaskText::HasTokens() const
{
    return std::any_of(pieces_.begin(), pieces_.end(),
                       [](const auto& piece) { return std::holds_alternative<MaskToken>(piece); });
}

MediaReads MaskText::Reads() const
{
    MediaReads reads;
    for (const auto& piece : pieces_) {
        const MaskToken* token = std::get_if<MaskToken>(&piece);
        if (token == nullptr) {
            continue;
        }
        if (token->kind == TokenKind::Media) {
            (token->field < MediaField::Artist ? reads.photo : reads.audio) = true;
        } else if (token->kind == TokenKind::Date &&
                   std::ranges::find(token->dates, DateSource::Taken) != token->dates.end()) {
            reads.photo = true;
        }
    }
    return reads;
}

MediaReads NameMask::Reads() const
{
    const MediaReads name = name_.Reads();
    const MediaReads ext = ext_.Reads();
    return {name.photo || ext.photo, name.audio || ext.audio};
}

NameMask::NameMask(const MaskStep& step)
    : nameMask_(CleanMask(step.nameMask)), extMask_(CleanMask(step.extensionMask)), name_(step.nameMask, step.count),
      ext_(step.extensionMask, step.count)
{
}

std::string NameMask::Apply(std::string_view name, std::int64_t counter) const
{
    std::string out;
    Apply(name, counter, out);
    return out;
}

void NameMask::Apply(std::string_view name, std::int64_t counter, std::string& joined) const
{
    const FileSystemFacts facts;
    TokenValues values(facts, {});
    values.StartRow({}, counter);
    Apply(name, counter, joined, values);
}

void NameMask::Apply(std::string_view name, std::int64_t counter, std::string& joined, TokenValues& values) const
{
    const NameSplit split = SplitName(name);
    const std::string_view extension = split.Extension.empty() ? split.Extension : split.Extension.substr(1);
    joined.clear();
    name_.Append(joined, counter, values);
    FillFirstStar(joined, 0, split.NamePart);
    joined.push_back('.');
    const std::size_t extStart = joined.size();
    ext_.Append(joined, counter, values);
    FillFirstStar(joined, extStart, extension);
    // Also drops the later stars of the masks.
    std::erase_if(joined, IsForbiddenChar);
}

MaskResult ApplyMask(std::string_view name, std::int64_t counter, const MaskStep& step)
{
    const NameMask mask(step);
    return {mask.Apply(name, counter), mask.CleanedName(), mask.CleanedExt()};
}

} // namespace tollwick
