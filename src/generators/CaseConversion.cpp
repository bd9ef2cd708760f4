#include "generators/CaseConversion.h"

#include "generators/NameParts.h"
#include "platform/Utf8.h"

namespace tollwick {
namespace {

// The name part in lower case except the characters that `pick` chooses,
// which go upper, followed by the extension in lower case. `pick` sees the
// 0-based character number and the lower-case character before it (0 at
// the start and after an invalid byte).
template <typename Pick> std::string LowerExceptPicked(std::string_view name, Pick pick)
{
    const NameSplit split = SplitName(name);
    std::string out;
    out.reserve(name.size());
    char32_t previous = 0;
    std::size_t index = 0;
    for (std::size_t pos = 0; pos < split.NamePart.size(); ++index) {
        const Utf8Char ch = DecodeChar(split.NamePart, pos);
        if (ch.valid) {
            const char32_t lower = LowerOf(ch.codePoint);
            AppendCodePoint(out, pick(index, previous) ? UpperOf(lower) : lower);
            previous = lower;
        } else {
            out.push_back(split.NamePart[pos]);
            previous = 0;
        }
        pos += ch.length;
    }
    out += ToLower(split.Extension);
    return out;
}

std::string SwapNamePartCase(std::string_view name)
{
    const NameSplit split = SplitName(name);
    std::string out;
    out.reserve(name.size());
    for (std::size_t pos = 0; pos < split.NamePart.size();) {
        const Utf8Char ch = DecodeChar(split.NamePart, pos);
        if (ch.valid) {
            AppendCodePoint(out, IsUpperChar(ch) ? LowerOf(ch.codePoint) : UpperOf(ch.codePoint));
        } else {
            out.push_back(split.NamePart[pos]);
        }
        pos += ch.length;
    }
    out += split.Extension;
    return out;
}

} // namespace

std::string ChangeCase(std::string_view name, const CaseOptions& options)
{
    if (options.GenDownCheck) {
        return ToLower(name);
    }
    if (options.GenUpCheck) {
        return ToUpper(name);
    }
    if (options.GenFirstUpCheck) {
        const std::int32_t count = options.GenFirstUpCty;
        return LowerExceptPicked(name, [count](std::size_t index, char32_t) {
            return count > 0 && index < static_cast<std::size_t>(count);
        });
    }
    if (options.GenInvertCheck) {
        return SwapNamePartCase(name);
    }
    if (options.GenAllFirstUpCheck) {
        const bool underscoreToo = options.GenSymbol_Check;
        return LowerExceptPicked(name, [underscoreToo](std::size_t index, char32_t previous) {
            return index == 0 || previous == U' ' || (underscoreToo && previous == U'_');
        });
    }
    // A pass with no mode leaves the names as they are rather than emptying them.
    return std::string(name);
}

} // namespace tollwick
