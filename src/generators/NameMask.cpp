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
    return StripForbiddenChars(mask, '*');
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

NameMask::NameMask(const MaskStep& step)
    : nameMask_(CleanMask(step.nameMask)), extMask_(CleanMask(step.extensionMask)),
      nameNumbers_(step.count ? std::string_view(nameMask_) : std::string_view()),
      extNumbers_(step.count ? std::string_view(extMask_) : std::string_view()), counting_(step.count)
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
    const NameSplit split = SplitName(name);
    const std::string_view extension = split.Extension.empty() ? split.Extension : split.Extension.substr(1);
    joined.clear();
    if (counting_) {
        nameNumbers_.AppendWithCounter(joined, counter);
    } else {
        joined += nameMask_;
    }
    FillFirstStar(joined, 0, split.NamePart);
    joined.push_back('.');
    const std::size_t extStart = joined.size();
    if (counting_) {
        extNumbers_.AppendWithCounter(joined, counter);
    } else {
        joined += extMask_;
    }
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
