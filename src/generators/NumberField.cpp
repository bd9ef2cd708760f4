// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/NumberField.h"

#include "platform/Errors.h"
#include "platform/Integer.h"

namespace tollwick {

std::int32_t NumberFieldValue(std::string_view text)
{
    try {
        return ParseInt32(text);
    } catch (const TollwickError&) {
        return 1; // what the field shows at start
    }
}

} // namespace tollwick
