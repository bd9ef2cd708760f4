// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/RemovedChars.h"

#include "generators/MaskTokens.h"
#include "rename/TextRoutines.h"

#include <variant>

namespace tollwick {
namespace {

void AddOnce(std::string& chars, char ch)
{
    if (chars.find(ch) == std::string::npos) {
        chars.push_back(ch);
    }
}

// A replacement of ICU keeps the character after a backslash literally and
// writes no backslash, so only what it writes is lost.
std::string ForbiddenCharsWritten(std::string_view replacement)
{
    std::string chars;
    for (std::size_t k = 0; k < replacement.size(); ++k) {
        char written = replacement[k];
        if (written == '\\' && k + 1 < replacement.size()) {
            written = replacement[++k];
        }
        if (IsForbiddenChar(written)) {
            AddOnce(chars, written);
        }
    }
    return chars;
}

// A mask's tokens are kept as typed.
std::string ForbiddenCharsOutsideTokens(std::string_view mask)
{
    std::string plain;
    for (const MaskSegment& segment : SplitMaskSegments(mask)) {
        if (!segment.token) {
            plain += segment.text;
        }
    }
    return ForbiddenCharsIn(plain, '*');
}

} // namespace

std::string ForbiddenCharsIn(std::string_view text, std::optional<char> kept)
{
    std::string chars;
    for (const char ch : text) {
        if (IsForbiddenChar(ch) && !(kept && ch == *kept)) {
            AddOnce(chars, ch);
        }
    }
    return chars;
}

std::string RemovedChars::All() const
{
    std::string chars;
    for (const std::string* part : {&From, &To, &Name, &Ext}) {
        for (const char ch : *part) {
            AddOnce(chars, ch);
        }
    }
    return chars;
}

RemovedChars RemovedFromTypedTexts(const std::optional<GeneratorStep>& step)
{
    RemovedChars removed;
    if (const auto* replace = step ? std::get_if<ReplaceStep>(&*step) : nullptr) {
        if (replace->regex) {
            removed.To = ForbiddenCharsWritten(replace->to);
        } else {
            removed.From = ForbiddenCharsIn(replace->from);
            removed.To = ForbiddenCharsIn(replace->to);
        }
    } else if (const auto* mask = step ? std::get_if<MaskStep>(&*step) : nullptr) {
        removed.Name = ForbiddenCharsOutsideTokens(mask->nameMask);
        removed.Ext = ForbiddenCharsOutsideTokens(mask->extensionMask);
    }
    return removed;
}

std::string SpacedChars(std::string_view chars)
{
    std::string spaced;
    for (const char ch : chars) {
        if (!spaced.empty()) {
            spaced.push_back(' ');
        }
        spaced.push_back(ch);
    }
    return spaced;
}

} // namespace tollwick
