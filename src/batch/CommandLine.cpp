// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/CommandLine.h"

#include "batch/StepTable.h"
#include "batch/StepValues.h"
#include "batch/UsageError.h"

namespace tollwick::batch {
namespace {

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    [[nodiscard]] bool AtEnd() const { return next_ == arguments_.size(); }
    [[nodiscard]] const std::string& Peek() const { return arguments_[next_]; }
    const std::string& Take() { return arguments_[next_++]; }

    // An operand is taken as it stands, also when it begins with "-".
    const std::string& TakeOperand(std::string_view option, std::string_view operand)
    {
        if (AtEnd()) {
            throw UsageError(std::string(option) + ": " + std::string(operand) + " is missing");
        }
        return Take();
    }

private:
    const std::vector<std::string>& arguments_;
    std::size_t next_ = 0;
};

std::string BelongsTo(std::string_view modifier)
{
    std::string owners;
    for (const StepForm& definition : StepForms()) {
        if (FindModifier(definition, modifier) != nullptr) {
            owners += owners.empty() ? "" : " or ";
            owners += definition.name;
        }
    }
    return owners;
}

[[noreturn]] void RejectUnknown(const std::string& argument)
{
    const std::string owners = BelongsTo(argument);
    if (!owners.empty()) {
        throw UsageError(argument + " must follow " + owners);
    }
    throw UsageError("unknown option '" + argument + "' (see --help)");
}

RawStep ReadStep(const StepForm& definition, ArgumentReader& reader)
{
    RawStep raw{&definition, {}, {}};
    for (const OperandForm& operand : definition.operands) {
        raw.operands.push_back(reader.TakeOperand(definition.name, OperandName(operand)));
    }
    while (!reader.AtEnd()) {
        const ModifierForm* modifier = FindModifier(definition, reader.Peek());
        if (modifier == nullptr) {
            break;
        }
        reader.Take();
        if (raw.Has(modifier->name)) {
            throw UsageError(std::string(definition.name) + ": " + std::string(modifier->name) + " is given twice");
        }
        const std::string value =
            modifier->operand.name.empty() ? std::string() : reader.TakeOperand(modifier->name, modifier->operand.name);
        raw.modifiers.emplace_back(modifier->name, value);
    }
    for (const ModifierForm& modifier : definition.modifiers) {
        if (modifier.required && !raw.Has(modifier.name)) {
            throw UsageError(std::string(definition.name) + " needs " + std::string(modifier.name) + " " +
                             std::string(modifier.operand.name));
        }
    }
    return raw;
}

// A run without a list folder would rename inside the working folder.
void RequireFolderBeforeRun(const std::vector<Step>& steps)
{
    bool folderSet = false;
    for (const Step& step : steps) {
        folderSet = folderSet || std::holds_alternative<ScanStep>(step) || std::holds_alternative<LoadUndoStep>(step);
        if (std::holds_alternative<RunStep>(step) && !folderSet) {
            throw UsageError("--run needs a list folder: give --scan or --load-undo before it");
        }
    }
}

} // namespace

Invocation ParseCommandLine(const std::vector<std::string>& arguments)
{
    Invocation invocation;
    ArgumentReader reader(arguments);
    while (!reader.AtEnd()) {
        const std::string& argument = reader.Take();
        if (argument == "--help" || argument == "-h") {
            invocation.showHelp = true;
        } else if (argument == "--completion-table") {
            invocation.showCompletionTable = true;
        } else if (argument == "--home") {
            if (invocation.home) {
                throw UsageError("--home is given twice");
            }
            invocation.home = ParseFolder(reader.TakeOperand("--home", "DIR"), "--home");
        } else if (const StepForm* definition = FindStepForm(argument)) {
            const RawStep raw = ReadStep(*definition, reader);
            invocation.steps.push_back(definition->build(raw));
        } else {
            RejectUnknown(argument);
        }
    }
    if (!invocation.showHelp && !invocation.showCompletionTable && invocation.steps.empty()) {
        throw UsageError("no step given (see --help)");
    }
    RequireFolderBeforeRun(invocation.steps);
    return invocation;
}

} // namespace tollwick::batch
