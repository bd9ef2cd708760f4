// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/DeleteChars.h"

#include "generators/NameParts.h"
#include "platform/CharWalk.h"

#include <algorithm>

namespace tollwick {

void DeleteChars(std::string_view name, const DeleteStep& step, std::string& out)
{
    const NameSplit split = SplitName(name);
    const auto length = static_cast<std::int64_t>(CountCharsFast(split.NamePart));
    const std::int64_t position = step.from;
    const std::int64_t count = step.count;
    if (position < 1 || position > length || count < 1) {
        out = name;
        return;
    }
    // Characters first..last (1-based, inclusive) go. Counted from the end,
    // position 1 is the last character: the same run as reversing, deleting
    // and reversing back.
    std::int64_t first = position;
    std::int64_t last = std::min(position + count - 1, length);
    if (step.fromEnd) {
        first = length - last + 1;
        last = length - position + 1;
    }
    const std::size_t from = ByteOffsetOfChar(split.NamePart, static_cast<std::size_t>(first - 1));
    const std::size_t to =
        from + ByteOffsetOfChar(split.NamePart.substr(from), static_cast<std::size_t>(last - first + 1));
    out.assign(split.NamePart.substr(0, from));
    out += split.NamePart.substr(to);
    out += split.Extension;
}

std::string DeleteChars(std::string_view name, const DeleteStep& step)
{
    std::string out;
    DeleteChars(name, step, out);
    return out;
}

std::string ReverseText(std::string_view text)
{
    std::string out(text.size(), '\0');
    std::size_t end = text.size();
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = NextChar(text, pos).length;
        end -= length;
        text.copy(out.data() + end, length, pos);
        pos += length;
    }
    return out;
}

} // namespace tollwick
