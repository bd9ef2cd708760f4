// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The lines of the About page's memo; none when the count is 0 or less.
/// Raises the conversion error for a count that is not an integer.
[[nodiscard]] std::vector<std::string> AboutLines(const KeyLines& keys);

/// The help text of a page ("GroupBox" + n) or generator tab ("Generate" + n).
/// None when its count is missing, 0 or less: the help panel then keeps
/// what it shows. Raises the conversion error for a count that is not an integer.
[[nodiscard]] std::optional<std::vector<std::string>> HelpLines(const KeyLines& keys, std::string_view base);

/// The example lines of a name-list layout ("Kind1".."Kind6"), the same for
/// import and export; empty for a count of 0 or less.
[[nodiscard]] std::vector<std::string> LayoutExampleLines(const KeyLines& keys, std::string_view layout);

/// Whether a layout uses the separator field: "Kind5" and "Kind6" only.
[[nodiscard]] bool LayoutUsesSeparator(std::string_view layout);

/// The web address of the About page: the link of the language named by
/// "Language" when it has a non-empty one, else "InternetLinkLabel_Other".
[[nodiscard]] std::string InternetLinkText(const KeyLines& keys);

} // namespace tollwick
