// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/GeneratorCommands.h"

#include "batch/OperandForms.h"
#include "batch/StepValues.h"
#include "batch/UsageError.h"
#include "session/Vocabulary.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

namespace tollwick::batch {
namespace {

// A position or a count of characters.
OperandForm StepNumber(std::string_view name)
{
    return Number(name, 1, largestStepNumber);
}

ModifierForm Flag(std::string_view name, std::string_view help)
{
    return {name, {}, false, help};
}

const GeneratorCommand& CommandOf(const StepForm& form)
{
    const auto commands = GeneratorCommands();
    return *std::ranges::find(commands, form.name, &GeneratorCommand::name);
}

// The operands and flags as the generator's stored options.
StepOptions OptionsOf(const GeneratorCommand& command, const RawStep& raw)
{
    // The case mode and its count share one operand: lower, first:3, words:underscore.
    if (command.id == "case") {
        return GeneratorOf(GeneratorKind::Case).Save(ParseCaseMode(raw.operands.at(0)));
    }
    StepOptions options;
    for (std::size_t k = 0; k < command.operands.size(); ++k) {
        options.emplace_back(command.operands[k].second, raw.operands.at(k));
    }
    for (const auto& [flag, key] : command.flags) {
        options.emplace_back(key, raw.Has(flag.name) ? "1" : "0");
    }
    return options;
}

// "--delete FROM" for an option an operand sets, the step's name for any other.
std::string Naming(const GeneratorCommand& command, std::string_view key)
{
    std::string named(command.name);
    if (command.operands.size() > 1) {
        const auto operand =
            std::ranges::find(command.operands, key, &std::pair<OperandForm, std::string_view>::second);
        if (operand != command.operands.end()) {
            named += " " + OperandName(operand->first);
        }
    }
    return named;
}

Step BuildGeneratorStep(const RawStep& raw)
{
    const GeneratorCommand& command = CommandOf(*raw.definition);
    const Generator& generator = *FindGenerator(command.id);
    // A wrong value is found before the first step runs.
    try {
        return std::visit([](const auto& step) -> Step { return step; }, generator.Load(OptionsOf(command, raw)));
    } catch (const StepOptionError& error) {
        throw UsageError(Naming(command, error.Key()) + ": " + error.Reason());
    }
}

std::vector<GeneratorCommand> MakeCommands()
{
    std::vector<GeneratorCommand> commands{
        {"case",
         "--case",
         {{Words("MODE", {"lower", "upper", "first", "first:", "swap", "words", "words:underscore"}), "mode"}},
         {},
         "Letter case: lower, upper, first[:N], swap, words[:underscore]."},
        {"replace",
         "--replace",
         {{Text("FROM"), "from"}, {Text("TO"), "to"}},
         {{Flag("--first-only", "only the first occurrence"), "first-only"},
          {Flag("--match-case", "letter case must match"), "match-case"},
          {Flag("--keep-ext", "leave the extension alone"), "keep-ext"},
          {Flag("--regex", "FROM is a regular expression, TO may use $0..$9"), "regex"}},
         "Replace FROM by TO in the new names."},
        {"mask",
         "--mask",
         {{Text("NAME"), "name"}, {Text("EXT"), "ext"}},
         {{Flag("--count", "add a running counter to every number in the masks"), "count"}},
         "Build new names from masks; '*' stands for the present name part or extension."},
        {"translit",
         "--translit",
         {{Words("", {"cyr-lat", "lat-cyr"}), "direction"}},
         {},
         "Transliterate the name parts by the stored tables."},
        {"delete",
         "--delete",
         {{StepNumber("FROM"), "from"}, {StepNumber("COUNT"), "count"}},
         {{Flag("--from-end", "count positions from the end of the name part"), "from-end"}},
         "Delete COUNT characters of the name part from position FROM (1 to 256 each)."},
    };
    // One command a generator, in the registry's order: a new generator cannot be left out.
    const auto& generators = AllGenerators();
    if (commands.size() != generators.size() ||
        !std::ranges::equal(commands, generators, {}, &GeneratorCommand::id, &Generator::Id)) {
        throw std::logic_error("the command line does not offer every generator");
    }
    return commands;
}

} // namespace

std::span<const GeneratorCommand> GeneratorCommands()
{
    static const std::vector<GeneratorCommand> commands = MakeCommands();
    return commands;
}

StepForm FormOf(const GeneratorCommand& command)
{
    StepForm form{command.name, {}, {}, command.help, BuildGeneratorStep};
    for (const auto& operand : command.operands) {
        form.operands.push_back(operand.first);
    }
    for (const auto& flag : command.flags) {
        form.modifiers.push_back(flag.first);
    }
    return form;
}

} // namespace tollwick::batch
