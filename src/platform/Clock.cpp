// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

namespace tollwick {

LocalDateTime ToLocalDateTime(std::time_t time)
{
    std::tm parts{};
    if (localtime_r(&time, &parts) == nullptr) {
        return {};
    }
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

LocalDateTime NowLocal()
{
    return ToLocalDateTime(std::time(nullptr));
}

} // namespace tollwick
