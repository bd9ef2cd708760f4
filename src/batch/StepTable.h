// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick::batch {

/// An option that may follow a step and belongs to it, as --layout follows --import.
struct ModifierSpec {
    std::string_view name;    // "--layout"
    std::string_view operand; // "N"; empty for a flag
    bool required = false;
    std::string_view help;
};

struct RawStep;

/// One step the command line offers; the table drives parsing and --help alike.
struct StepSpec {
    std::string_view name;                  // "--scan"
    std::vector<std::string_view> operands; // {"DIR"}
    std::vector<ModifierSpec> modifiers;
    std::string_view help;
    Step (*build)(const RawStep&); // checks the values; raises UsageError
};

/// A step as written: its operands and the modifiers that followed it.
struct RawStep {
    const StepSpec* definition = nullptr;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string_view, std::string>> modifiers;

    [[nodiscard]] bool Has(std::string_view modifier) const;
    /// The value of a modifier that is there.
    [[nodiscard]] const std::string& Value(std::string_view modifier) const;
};

[[nodiscard]] std::span<const StepSpec> StepSpecs();
[[nodiscard]] const StepSpec* FindStepSpec(std::string_view name);
[[nodiscard]] const ModifierSpec* FindModifier(const StepSpec& definition, std::string_view name);

/// The text of --help, made from the table.
[[nodiscard]] std::string HelpText();

} // namespace tollwick::batch
