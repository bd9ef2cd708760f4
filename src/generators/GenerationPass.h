// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/CaseConversion.h"
#include "generators/DeleteChars.h"
#include "generators/MaskTokens.h"
#include "generators/NameMask.h"
#include "generators/ReplaceText.h"
#include "generators/RowFacts.h"
#include "generators/Steps.h"
#include "generators/Transliteration.h"
#include "platform/Errors.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"

#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

namespace tollwick {

/// What a pass needs besides its step.
struct PassContext {
    // A constructor, so callers that need no file may leave the last two out.
    PassContext(bool onlyChecked, const TranslitTables& translitTables, std::string listFolder = {},
                const RowFacts* rowFacts = nullptr)
        : checkedOnly(onlyChecked), tables(translitTables), folder(std::move(listFolder)), facts(rowFacts)
    {
    }

    bool checkedOnly = false;        // only checked rows are processed, and counted by the mask
    const TranslitTables& tables;    // for a transliteration step
    std::string folder;              // the list folder, whose files the mask's tokens read; none reads no file
    const RowFacts* facts = nullptr; // what the tokens read; none takes the files' status and no media tags
    std::stop_token stop;            // a stop asked for part way raises StepStopped and changes no name
};

/// The texts a pass has cleaned, to be written back where they were typed.
/// A text is cleaned only when its generator processed a row; the others
/// stay empty here and keep their text as typed.
struct CleanedTexts {
    std::optional<std::string> replaceFrom;
    std::optional<std::string> replaceTo;
    std::optional<std::string> nameMask;
    std::optional<std::string> extensionMask;
    std::vector<MissingValue> missing; // the mask's tokens that some rows had no value for
};

/// The error that stopped a pass (its text is the message to show), with the
/// texts the generator had cleaned before it stopped: the window writes them
/// back as after a pass that ended well.
class GenerationStopped : public TollwickError {
public:
    GenerationStopped(const TollwickError& cause, CleanedTexts cleaned)
        : TollwickError(cause), cleaned_(std::move(cleaned))
    {
    }
    [[nodiscard]] const CleanedTexts& Cleaned() const { return cleaned_; }

private:
    CleanedTexts cleaned_;
};

/// The generation pass: gives every shown row, in display order, a new name
/// from its current NewName with `step` (none changes nothing, while the
/// bar still runs through the rows). With checkedOnly only checked rows are processed, and
/// the mask's counter counts processed rows only, from 0. Only NewName of
/// shown rows changes. Progress: (0, rows), (k, 0) before row k whether it
/// is processed or not, (0, 100); the cursor is restored at the end.
/// A mask number above 2147483647, a bad mask token or an invalid regular
/// expression raises GenerationStopped at the first processed row, a regular expression that
/// needs too much work on a name (RegexReplacer) at that row; in each case
/// before any name changes.
CleanedTexts GenerateNewNames(RenameList& list, const std::optional<GeneratorStep>& step, const PassContext& context,
                              Progress& progress);

} // namespace tollwick
