// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/TextRoutines.h"

#include "platform/TextSearch.h"

namespace tollwick {

std::string TextBefore(std::string_view text, std::string_view separator)
{
    if (separator.empty()) {
        return std::string(text);
    }
    const auto found = TextSearcher(separator, true).Find(text);
    return std::string(found ? text.substr(0, found->pos) : text);
}

std::string TextAfter(std::string_view text, std::string_view separator)
{
    if (separator.empty()) {
        return {};
    }
    const auto found = TextSearcher(separator, true).Find(text);
    return found ? std::string(text.substr(found->pos + found->length)) : std::string();
}

std::string StripForbiddenChars(std::string_view text, std::optional<char> kept)
{
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char ch : text) {
        if (!IsForbiddenChar(ch) || (kept && ch == *kept)) {
            cleaned.push_back(ch);
        }
    }
    return cleaned;
}

} // namespace tollwick
