// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/StepTable.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick::batch {

/// How the command line writes the step of one generator of the registry:
/// each operand and flag sets one of the generator's stored options, so
/// the generator itself reads and checks them as it reads a preset.
struct GeneratorCommand {
    std::string_view id;                                            // the generator's id
    std::string_view name;                                          // "--replace"
    std::vector<std::pair<OperandForm, std::string_view>> operands; // with the option each sets
    std::vector<std::pair<ModifierForm, std::string_view>> flags;   // each sets its option to 1
    std::string_view help;
};

/// One a generator, in the registry's order.
[[nodiscard]] std::span<const GeneratorCommand> GeneratorCommands();
/// The step table's entry of `command`.
[[nodiscard]] StepForm FormOf(const GeneratorCommand& command);

} // namespace tollwick::batch
