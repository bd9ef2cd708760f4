// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/GenerationPass.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// The characters a file name cannot hold that the generator's typed texts
/// lose when the pass cleans them, each once, in the order they first
/// appear; empty when nothing is lost. A pass drops them silently, so the
/// front ends say so before the user takes the new names for what was typed.
struct RemovedChars {
    std::string From{}; // the replace tab's search text (used as typed when it is an expression)
    std::string To{};   // its replacement; for an expression, the characters it writes literally
    std::string Name{}; // the name mask, its "*" kept
    std::string Ext{};  // the extension mask, its "*" kept

    [[nodiscard]] bool Any() const { return !From.empty() || !To.empty() || !Name.empty() || !Ext.empty(); }
    /// Every removed character of the four texts, each once.
    [[nodiscard]] std::string All() const;
};

/// What the generator's texts lose; nothing for the generators that take no text.
[[nodiscard]] RemovedChars RemovedFromTypedTexts(const std::optional<GeneratorStep>& step);

/// The forbidden characters of `text`, but `kept`, each once in the order they first appear.
[[nodiscard]] std::string ForbiddenCharsIn(std::string_view text, std::optional<char> kept = std::nullopt);

/// The characters, one blank between two, as the messages name them.
[[nodiscard]] std::string SpacedChars(std::string_view chars);

} // namespace tollwick
