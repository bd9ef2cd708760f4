// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"
#include "settings/TranslitTables.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The prompt with its first "%s" replaced by the source; a prompt without
/// "%s" comes back unchanged.
[[nodiscard]] std::string PromptWithSource(std::string_view prompt, std::string_view source);

/// An input box: (title, prompt, initial text) gives the text typed, or the
/// initial text when the user cancels.
using InputBox =
    std::function<std::string(const std::string& title, const std::string& prompt, const std::string& initial)>;

/// The Add command: asks for the source ("AddMenuCaption1", "AddMenuPromt1")
/// and, unless it is empty once cleaned, for the target ("AddMenuCaption2",
/// "AddMenuPromt2" with the source for "%s"). Gives the entry to append at
/// the end of the list, or none when nothing is to be added.
[[nodiscard]] std::optional<std::string> AskNewEntry(const KeyLines& texts, const InputBox& ask);

/// The Edit command on `entry`: offers its target for editing
/// ("EditMenuCaption", "EditMenuPromt" with the source for "%s") and gives
/// the entry that replaces it: the same source, the separator and the
/// cleaned answer. Cancelling writes the old target back, cleaned.
[[nodiscard]] std::string AskEditedEntry(const KeyLines& texts, std::string_view entry, const InputBox& ask);

} // namespace tollwick
