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

void ChangeCase(std::string_view name, const CaseOptions& options, std::string& out)
{
    out.clear();
    if (options.GenDownCheck || options.GenUpCheck) {
        AppendMapped(out, name, options.GenDownCheck ? LowerOfChar : UpperOfChar);
    } else if (options.GenFirstUpCheck) {
        const std::int32_t count = options.GenFirstUpCty;
        LowerExceptPicked(name, out, [count](std::size_t index, char32_t) {
            return count > 0 && index < static_cast<std::size_t>(count);
        });
    } else if (options.GenInvertCheck) {
        SwapNamePartCase(name, out);
    } else if (options.GenAllFirstUpCheck) {
        const bool underscoreToo = options.GenSymbol_Check;
        LowerExceptPicked(name, out, [underscoreToo](std::size_t index, char32_t previous) {
            return index == 0 || previous == U' ' || (underscoreToo && previous == U'_');
        });
    } else {
        // A pass with no mode leaves the names as they are rather than emptying them.
        out = name;
    }
}

std::string ChangeCase(std::string_view name, const CaseOptions& options)
{
    std::string out;
    ChangeCase(name, options, out);
    return out;
}

} // namespace tollwick
