// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/StepChecks.h"

#include "generators/MaskTokens.h"
#include "generators/ReplaceText.h"
#include "platform/Errors.h"
#include "rename/TextRoutines.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace tollwick {
namespace {

void CheckCountedRuns(std::string_view plain)
{
    constexpr std::string_view digits = "0123456789";
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    const std::string cleaned = StripForbiddenChars(plain, '*'); // as the pass reads it: a dropped "?" joins two runs
    const std::string_view text = cleaned;
    for (std::size_t pos = text.find_first_of(digits); pos != std::string_view::npos;
         pos = text.find_first_of(digits, pos)) {
        const std::string_view run = text.substr(pos, text.find_first_not_of(digits, pos) - pos);
        std::int64_t value = 0;
        if (std::from_chars(run.data(), run.data() + run.size(), value).ec != std::errc() || value > largest) {
            throw TollwickError("the number '" + std::string(run) + "' is larger than the largest value " +
                                std::to_string(largest));
        }
        pos += run.size();
    }
}

} // namespace

void CheckMaskTokens(std::string_view mask)
{
    for (const MaskSegment& segment : SplitMaskSegments(mask)) {
        if (segment.token) {
            (void)ParseToken(segment.text);
        }
    }
}

void CheckCountedNumbers(std::string_view mask)
{
    // Tokens part a mask's numbers, and their own digits never count.
    for (const MaskSegment& segment : SplitMaskSegments(mask)) {
        if (!segment.token) {
            CheckCountedRuns(segment.text);
        }
    }
}

void CheckReplaceExpression(const ReplaceStep& step)
{
    if (step.regex) {
        (void)TextReplacer({step.from, step.to, step.firstOnly, step.matchCase, step.keepExtension, true});
    }
}

} // namespace tollwick
