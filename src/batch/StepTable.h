// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick::batch {

/// What an operand holds; the shell completion offers values by it.
enum class OperandKind { Text, Folder, File, Number, Words };

struct OperandForm {
    std::string_view name; // "DIR" as --help shows it; empty for a flag's none
    OperandKind kind = OperandKind::Text;
    std::vector<std::string_view> words; // the values of a Words operand
    int lowest = 0;                      // the range of a Number operand
    int highest = 0;
};

/// An option that may follow a step and belongs to it, as --layout follows --import.
struct ModifierForm {
    std::string_view name; // "--layout"
    OperandForm operand;   // no name for a flag
    bool required = false;
    std::string_view help;
};

struct RawStep;

/// One step the command line offers; the table drives parsing and --help alike.
struct StepForm {
    std::string_view name; // "--scan"
    std::vector<OperandForm> operands;
    std::vector<ModifierForm> modifiers;
    std::string_view help;
    Step (*build)(const RawStep&); // checks the values; raises UsageError
};

/// A step as written: its operands and the modifiers that followed it.
struct RawStep {
    const StepForm* definition = nullptr;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string_view, std::string>> modifiers;

    [[nodiscard]] bool Has(std::string_view modifier) const;
    /// The value of a modifier that is there.
    [[nodiscard]] const std::string& Value(std::string_view modifier) const;
};

[[nodiscard]] std::span<const StepForm> StepForms();
/// The operand as --help shows it: its name, else its words joined by "|".
[[nodiscard]] std::string OperandName(const OperandForm& operand);
[[nodiscard]] const StepForm* FindStepForm(std::string_view name);
[[nodiscard]] const ModifierForm* FindModifier(const StepForm& definition, std::string_view name);

/// The text of --help, made from the table.
[[nodiscard]] std::string HelpText();

/// The table for the shell completion, one line per step or modifier:
/// "step NAME OPERAND..." or "modifier STEP NAME OPERAND...", each operand
/// "folder", "file", "text" or "=" and its values joined by "|".
[[nodiscard]] std::string CompletionTable();

} // namespace tollwick::batch
