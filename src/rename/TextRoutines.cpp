#include "rename/TextRoutines.h"

#include "platform/Utf8.h"

namespace tollwick {

std::string TextBefore(std::string_view text, std::string_view separator)
{
    if (separator.empty()) {
        return std::string(text);
    }
    const std::size_t found = FindIgnoringCase(text, separator);
    return std::string(found == std::string_view::npos ? text : text.substr(0, found));
}

std::string TextAfter(std::string_view text, std::string_view separator)
{
    if (separator.empty()) {
        return {};
    }
    const std::size_t found = FindIgnoringCase(text, separator);
    if (found == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(found + MatchLengthIgnoringCase(text, found, separator)));
}

std::string StripForbiddenChars(std::string_view text, std::optional<char> kept)
{
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char ch : text) {
        if (ForbiddenChars.find(ch) == std::string_view::npos || (kept && ch == *kept)) {
            cleaned.push_back(ch);
        }
    }
    return cleaned;
}

} // namespace tollwick
