// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/CharTable.h"

#include "platform/CharWalk.h"

#include <algorithm>

namespace tollwick {
namespace {

// Every occurrence of `source` in `text` replaced by `target`.
std::string ReplaceChar(std::string_view text, char32_t source, std::string_view target)
{
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = NextChar(text, pos);
        if (ch.codePoint == source) {
            out += target;
        } else {
            out.append(text, pos, ch.length);
        }
        pos += ch.length;
    }
    return out;
}

} // namespace

CharTable::CharTable(const std::vector<std::pair<char32_t, std::string>>& replacements)
{
    ascii_.fill(-1);
    for (const auto& [source, ignored] : replacements) {
        if (ResultOf(source) != nullptr) {
            continue;
        }
        std::string result;
        AppendChar(result, source);
        for (const auto& [from, to] : replacements) {
            if (result.size() > GrownTextLimit) {
                break;
            }
            result = ReplaceChar(result, from, to);
        }
        const std::size_t index = results_.size();
        results_.push_back(std::move(result));
        if (source < 0x80) {
            ascii_[source] = static_cast<std::int32_t>(index);
        } else {
            others_.insert(std::upper_bound(others_.begin(), others_.end(), std::pair{source, index}), {source, index});
        }
    }
}

const std::string* CharTable::ResultOf(char32_t codePoint) const
{
    if (codePoint < 0x80) {
        const std::int32_t index = ascii_[codePoint];
        return index < 0 ? nullptr : &results_[static_cast<std::size_t>(index)];
    }
    const auto found = std::lower_bound(others_.begin(), others_.end(), codePoint,
                                        [](const auto& entry, char32_t wanted) { return entry.first < wanted; });
    return (found == others_.end() || found->first != codePoint) ? nullptr : &results_[found->second];
}

void CharTable::Apply(std::string_view text, std::string& out) const
{
    // Room for the common case of one letter becoming one or two of another script.
    out.reserve(out.size() + 2 * text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = NextChar(text, pos);
        const std::string* result = ch.valid ? ResultOf(ch.codePoint) : nullptr;
        if (result != nullptr) {
            out += *result;
        } else if (ch.length == 1) {
            out.push_back(text[pos]);
        } else {
            out.append(text.data() + pos, ch.length);
        }
        pos += ch.length;
    }
}

} // namespace tollwick
