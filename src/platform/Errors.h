// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tollwick {

/// A failure that ends the running operation; its text is shown to the user as it stands.
class TollwickError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// "Cannot open file %s"
[[nodiscard]] TollwickError CannotOpenFile(std::string_view path);
/// "Cannot create file %s"
[[nodiscard]] TollwickError CannotCreateFile(std::string_view path);
/// "Cannot list folder %s: %s", the folder and the system's reason
[[nodiscard]] TollwickError CannotListFolder(std::string_view folder, std::string_view reason);
/// "'%s' is not a valid integer value"
[[nodiscard]] TollwickError NotValidInteger(std::string_view value);

} // namespace tollwick
