// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/InterfaceTexts.h"

#include "settings/LanguageKeys.h"
#include "settings/NumberedLines.h"

namespace tollwick {

std::vector<std::string> AboutLines(const KeyLines& keys)
{
    return NumberedLines(keys, AboutFamily());
}

std::optional<std::vector<std::string>> HelpLines(const KeyLines& keys, std::string_view base)
{
    const TextFamily family = HelpFamily(base);
    if (keys.LookupNumber(family.countKey) <= 0) {
        return std::nullopt;
    }
    return NumberedLines(keys, family);
}

std::vector<std::string> LayoutExampleLines(const KeyLines& keys, std::string_view layout)
{
    return NumberedLines(keys, LayoutFamily(layout));
}

bool LayoutUsesSeparator(std::string_view layout)
{
    return layout == "Kind5" || layout == "Kind6";
}

std::string InternetLinkText(const KeyLines& keys)
{
    std::string link = keys.LookupText(std::string(InternetLinkPrefix) + keys.LookupText(LanguageNameKey));
    if (link.empty()) {
        link = keys.LookupText(InternetLinkFallbackKey);
    }
    return link;
}

} // namespace tollwick
