// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/CaseConversion.h"

#include "generators/NameParts.h"
#include "platform/CharWalk.h"

namespace tollwick {
namespace {

// The name part in lower case except the characters that `pick` chooses,
// which go upper, followed by the extension in lower case. `pick` sees the
// 0-based character number and the lower-case character before it (0 at
// the start and after an invalid byte).
template <typename Pick> void LowerExceptPicked(std::string_view name, std::string& out, Pick pick)
{
    const NameSplit split = SplitName(name);
    char32_t previous = 0;
    std::size_t index = 0;
    for (std::size_t pos = 0; pos < split.NamePart.size(); ++index) {
        const Utf8Char ch = NextChar(split.NamePart, pos);
        if (ch.valid) {
            const char32_t lower = LowerOfChar(ch.codePoint);
            AppendChar(out, pick(index, previous) ? UpperOfChar(lower) : lower);
            previous = lower;
        } else {
            out.push_back(split.NamePart[pos]);
            previous = 0;
        }
        pos += ch.length;
    }
    AppendMapped(out, split.Extension, LowerOfChar);
}

void SwapNamePartCase(std::string_view name, std::string& out)
{
    const NameSplit split = SplitName(name);
    for (std::size_t pos = 0; pos < split.NamePart.size();) {
        const Utf8Char ch = NextChar(split.NamePart, pos);
        if (ch.valid) {
            AppendChar(out, IsUpperCharFast(ch) ? LowerOfChar(ch.codePoint) : UpperOfChar(ch.codePoint));
        } else {
            out.push_back(split.NamePart[pos]);
        }
        pos += ch.length;
    }
    out += split.Extension;
}

} // namespace

void ChangeCase(std::string_view name, const CaseStep& step, std::string& out)
{
    out.clear();
    switch (step.mode) {
    case CaseMode::Lower:
        AppendMapped(out, name, LowerOfChar);
        return;
    case CaseMode::Upper:
        AppendMapped(out, name, UpperOfChar);
        return;
    case CaseMode::First: {
        const int count = step.firstCount;
        LowerExceptPicked(name, out, [count](std::size_t index, char32_t) {
            return count > 0 && index < static_cast<std::size_t>(count);
        });
        return;
    }
    case CaseMode::Swap:
        SwapNamePartCase(name, out);
        return;
    case CaseMode::Words: {
        const bool underscoreToo = step.underscoreStartsWord;
        LowerExceptPicked(name, out, [underscoreToo](std::size_t index, char32_t previous) {
            return index == 0 || previous == U' ' || (underscoreToo && previous == U'_');
        });
        return;
    }
    }
    // A mode read from outside the enumeration leaves the name as it is rather than emptying it.
    out = name;
}

std::string ChangeCase(std::string_view name, const CaseStep& step)
{
    std::string out;
    ChangeCase(name, step, out);
    return out;
}

} // namespace tollwick
