// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/CaseConversion.h"
#include "generators/DeleteChars.h"
#include "generators/NameMask.h"
#include "generators/ReplaceText.h"
#include "generators/Steps.h"
#include "generators/Transliteration.h"
#include "platform/Errors.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tollwick {

/// The generator of a tab, by its exact name "Generate1".."Generate5"; none
/// for any other name.
[[nodiscard]] std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName);

/// Everything the generator page shows, read from its controls just before
/// the pass.
struct GeneratorOptions {
    CaseOptions Case;         // tab "Generate1"
    ReplaceOptions Replace;   // tab "Generate2"
    MaskOptions Mask;         // tab "Generate3"
    TranslitOptions Translit; // tab "Generate4"
    DeleteOptions Delete;     // tab "Generate5"
    bool ApplyCheckedOnlyCheck = false;
};

/// The edit texts a pass has cleaned, to be written back into their edits.
/// An edit is cleaned only when its generator processed a row; the others
/// stay empty here and keep their text as typed.
struct GeneratedEdits {
    std::optional<std::string> ChangeFromEdit;
    std::optional<std::string> ChangeToEdit;
    std::optional<std::string> MaskNameEdit;
    std::optional<std::string> MaskExtEdit;
};

/// The error that stopped a pass (its text is the message to show), with the
/// edits the generator had cleaned before it stopped: the window writes them
/// back as after a pass that ended well.
class GenerationStopped : public TollwickError {
public:
    GenerationStopped(const TollwickError& cause, GeneratedEdits edits) : TollwickError(cause), edits_(std::move(edits))
    {
    }
    [[nodiscard]] const GeneratedEdits& Edits() const { return edits_; }

private:
    GeneratedEdits edits_;
};

/// The generation pass: gives every shown row, in display order, a new name
/// from its current NewName with `generator` (none changes nothing, while
/// the bar still runs through the rows). With ApplyCheckedOnlyCheck only checked rows are processed, and
/// the mask's counter counts processed rows only, from 0. Only NewName of
/// shown rows changes. Progress: (0, rows), (k, 0) before row k whether it
/// is processed or not, (0, 100); the cursor is restored at the end.
/// A mask number above 2147483647 or an invalid regular expression raises
/// GenerationStopped at the first processed row, a regular expression that
/// needs too much work on a name (RegexReplacer) at that row; in each case
/// before any name changes.
GeneratedEdits GenerateNewNames(RenameList& list, std::optional<GeneratorKind> generator,
                                const GeneratorOptions& options, Progress& progress);

} // namespace tollwick
