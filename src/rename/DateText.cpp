// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/DateText.h"

#include "platform/Directory.h"

#include <cstdio>

namespace tollwick {

std::string DateTimeText(const LocalDateTime& time)
{
    char text[64];
    (void)std::snprintf(text, sizeof text, "%d-%02d-%02d_%02d-%02d-%02d", time.year, time.month, time.day, time.hour,
                        time.minute, time.second);
    return text;
}

std::string FileDateText(const std::string& folder, const std::string& fileName)
{
    const auto modified = FileModifiedTime(folder, fileName);
    return modified ? DateTimeText(*modified) : std::string(NoDateText);
}

} // namespace tollwick
