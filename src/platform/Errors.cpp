// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"

namespace tollwick {

TollwickError CannotOpenFile(std::string_view path)
{
    return TollwickError{"Cannot open file " + std::string(path)};
}

TollwickError CannotCreateFile(std::string_view path)
{
    return TollwickError{"Cannot create file " + std::string(path)};
}

TollwickError CannotListFolder(std::string_view folder, std::string_view reason)
{
    return TollwickError{"Cannot list folder " + std::string(folder) + ": " + std::string(reason)};
}

TollwickError NotValidInteger(std::string_view value)
{
    std::string message = "'";
    message.append(value);
    message.append("' is not a valid integer value");
    return TollwickError{message};
}

} // namespace tollwick
