// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

namespace tollwick {

// The generator steps: what one generation pass does, as values. The window
// reads them from its tabs, tollwick-batch from its command line and a preset
// from its file; the pass takes nothing else.

/// The five generators.
enum class GeneratorKind { Case, Replace, Mask, Translit, Delete };

enum class CaseMode { Lower, Upper, First, Swap, Words };
struct CaseStep {
    CaseMode mode = CaseMode::Lower;
    int firstCount = 1;                // characters put in upper case by First; 0 or less puts none
    bool underscoreStartsWord = false; // for Words
    friend bool operator==(const CaseStep&, const CaseStep&) = default;
};
struct ReplaceStep {
    std::string from; // as typed
    std::string to;
    bool firstOnly = false;
    bool matchCase = false;
    bool keepExtension = false;
    bool regex = false; // FROM is a regular expression, TO may use $0..$9
    friend bool operator==(const ReplaceStep&, const ReplaceStep&) = default;
};
struct MaskStep {
    std::string nameMask = "*";      // its first "*" is the name part
    std::string extensionMask = "*"; // its first "*" is the extension without "."
    bool count = false;              // add the counter to every number of both masks
    friend bool operator==(const MaskStep&, const MaskStep&) = default;
};
struct TranslitStep {
    bool cyrillicToLatin = true; // else Latin to Cyrillic
    friend bool operator==(const TranslitStep&, const TranslitStep&) = default;
};
struct DeleteStep {
    int from = 1; // 1-based
    int count = 1;
    bool fromEnd = false;
    friend bool operator==(const DeleteStep&, const DeleteStep&) = default;
};

/// One generation pass; the alternatives are in GeneratorKind's order.
using GeneratorStep = std::variant<CaseStep, ReplaceStep, MaskStep, TranslitStep, DeleteStep>;

[[nodiscard]] constexpr GeneratorKind KindOf(const GeneratorStep& step)
{
    return static_cast<GeneratorKind>(step.index());
}

/// The generator page: one step per generator as its tab holds it, and the
/// page's check box.
struct GeneratorSetup {
    CaseStep caseStep;
    ReplaceStep replace;
    MaskStep mask;
    TranslitStep translit;
    DeleteStep deleteStep;
    bool checkedOnly = false; // only checked rows are processed, and counted by the mask
    friend bool operator==(const GeneratorSetup&, const GeneratorSetup&) = default;
};

/// The setup's step of `kind`.
[[nodiscard]] GeneratorStep StepOf(const GeneratorSetup& setup, GeneratorKind kind);

} // namespace tollwick
