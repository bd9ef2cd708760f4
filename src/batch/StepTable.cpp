// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/StepTable.h"

#include "batch/GeneratorCommands.h"
#include "batch/OperandForms.h"
#include "batch/StepValues.h"
#include "batch/UsageError.h"
#include "platform/Errors.h"
#include "session/Vocabulary.h"
#include "settings/PresetFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace tollwick::batch {
namespace {

std::optional<std::string> OptionalValue(const RawStep& raw, std::string_view modifier)
{
    return raw.Has(modifier) ? std::optional<std::string>(raw.Value(modifier)) : std::nullopt;
}

// The range lives in the table only, so --help, the completion and the check agree.
int NumberOperand(const RawStep& raw, std::size_t index, std::string_view what)
{
    const OperandForm& operand = raw.definition->operands[index];
    return ParseNumber(raw.operands[index], operand.lowest, operand.highest, what);
}

std::string_view WordOperand(const RawStep& raw, std::size_t index)
{
    const std::string& word = raw.operands[index];
    const std::vector<std::string_view>& words = raw.definition->operands[index].words;
    if (std::ranges::find(words, word) == words.end()) {
        std::string choices;
        for (const std::string_view choice : words) {
            choices += choices.empty() ? "" : ", ";
            choices += choice;
        }
        throw UsageError(std::string(raw.definition->name) + ": '" + word + "' is not one of " + choices);
    }
    return word;
}

int Layout(const RawStep& raw)
{
    const OperandForm& operand = FindModifier(*raw.definition, "--layout")->operand;
    const int layout = ParseNumber(raw.Value("--layout"), operand.lowest, operand.highest,
                                   std::string(raw.definition->name) + " --layout");
    if (raw.Has("--separator") && layout < 5) {
        throw UsageError(std::string(raw.definition->name) + ": --separator applies to layouts 5 and 6 only");
    }
    return layout;
}

Step BuildScan(const RawStep& raw)
{
    return ScanStep{ParseFolder(raw.operands[0], "--scan")};
}
Step BuildLoadUndo(const RawStep& raw)
{
    return LoadUndoStep{ParseFileName(raw.operands[0], "--load-undo")};
}

Step BuildImport(const RawStep& raw)
{
    return ImportStep{ParseFileName(raw.operands[0], "--import"), Layout(raw), OptionalValue(raw, "--separator")};
}

Step BuildExport(const RawStep& raw)
{
    return ExportStep{ParseFileName(raw.operands[0], "--export"), Layout(raw), OptionalValue(raw, "--separator")};
}

Step BuildFilterOld(const RawStep& raw)
{
    return FilterTermsStep{false, raw.operands[0]};
}
Step BuildFilterNew(const RawStep& raw)
{
    return FilterTermsStep{true, raw.operands[0]};
}

Step BuildFilterDates(const RawStep& raw)
{
    const FilterDatesStep step{ParseDate(raw.operands[0], "--filter-dates FIRST"),
                               ParseDate(raw.operands[1], "--filter-dates LAST")};
    if (step.last < step.first) {
        throw UsageError("--filter-dates: the first day " + raw.operands[0] + " is after the last day " +
                         raw.operands[1]);
    }
    return step;
}

Step BuildFilterToggle(const RawStep& raw)
{
    const std::string_view word = WordOperand(raw, 0);
    if (word == "on") {
        return FilterToggleStep{FilterToggle::On};
    }
    return FilterToggleStep{word == "off" ? FilterToggle::Off : FilterToggle::Update};
}

Step BuildCheckedOnly(const RawStep&)
{
    return CheckedOnlyStep{};
}
Step BuildCopyOld(const RawStep&)
{
    return ListCommandStep{ListCommand::CopyOld};
}
Step BuildCheckAll(const RawStep&)
{
    return ListCommandStep{ListCommand::CheckAll};
}
Step BuildInvertChecks(const RawStep&)
{
    return ListCommandStep{ListCommand::InvertChecks};
}
Step BuildRemoveChecked(const RawStep&)
{
    return ListCommandStep{ListCommand::RemoveChecked};
}
Step BuildRemoveAll(const RawStep&)
{
    return ListCommandStep{ListCommand::RemoveAll};
}
Step BuildSort(const RawStep& raw)
{
    return SortStep{NumberOperand(raw, 0, "--sort")};
}
// A name that can be no preset's file is a wrong command line, found before any step runs.
std::string PresetNameOperand(const RawStep& raw, std::string_view option)
{
    const std::string& name = raw.operands.at(0);
    try {
        CheckPresetName(name);
    } catch (const std::exception& error) {
        throw UsageError(std::string(option) + ": " + error.what());
    }
    return name;
}
Step BuildList(const RawStep&)
{
    return PrintListStep{};
}
Step BuildPreset(const RawStep& raw)
{
    return PresetStep{PresetNameOperand(raw, "--preset")};
}
Step BuildSavePreset(const RawStep& raw)
{
    return SavePresetStep{PresetNameOperand(raw, "--save-preset")};
}
Step BuildListPresets(const RawStep&)
{
    return ListPresetsStep{};
}
Step BuildPreview(const RawStep& raw)
{
    return PreviewStep{raw.Has("--order"), !raw.Has("--no-undo")};
}
Step BuildRun(const RawStep& raw)
{
    return RunStep{!raw.Has("--no-undo"), raw.Has("--order"), raw.Has("--wait")};
}

const ModifierForm LayoutModifier{"--layout", Number("N", 1, 6), true, "layout 1 to 6 (see below)"};
const ModifierForm SeparatorModifier{"--separator", Text("S"), false,
                                     "separator of layouts 5 and 6 (default: the stored one)"};

std::vector<StepForm> MakeForms()
{
    std::vector<StepForm> forms{
        {"--scan", {Folder("DIR")}, {}, "Start a new list from the files of folder DIR.", BuildScan},
        {"--load-undo",
         {File("FILE")},
         {},
         "Start a new list from undo file FILE: its rows lead the files back.",
         BuildLoadUndo},
        {"--import",
         {File("FILE")},
         {LayoutModifier, SeparatorModifier},
         "Read name list FILE in layout N.",
         BuildImport},
        {"--export",
         {File("FILE")},
         {LayoutModifier, SeparatorModifier},
         "Write the shown rows to FILE in layout N.",
         BuildExport},
        {"--filter-old",
         {Text("TERMS")},
         {},
         "Filter page: show old names holding one of TERMS (';' between terms); turns the filter on.",
         BuildFilterOld},
        {"--filter-new",
         {Text("TERMS")},
         {},
         "Filter page: show new names holding one of TERMS; turns the filter on.",
         BuildFilterNew},
        {"--filter-dates",
         {Text("FIRST"), Text("LAST")},
         {},
         "Filter page: show files dated FIRST to LAST (YYYY-MM-DD); turns the filter on.",
         BuildFilterDates},
        {"--filter",
         {Words("", {"on", "off", "update"})},
         {},
         "Switch the filter on or off (off after a filter term shows every row again), or apply it again "
         "while it is on.",
         BuildFilterToggle},
        {"--checked-only", {}, {}, "Every later generator changes checked rows only.", BuildCheckedOnly},
    };
    // The generators' steps come from the registry, after --checked-only.
    for (const GeneratorCommand& command : GeneratorCommands()) {
        forms.push_back(FormOf(command));
    }
    std::vector<StepForm> listSteps{
        {"--copy-old", {}, {}, "Copy every shown old name into its new name.", BuildCopyOld},
        {"--check-all", {}, {}, "Check every shown row.", BuildCheckAll},
        {"--invert-checks", {}, {}, "Invert the check of every shown row.", BuildInvertChecks},
        {"--remove-checked", {}, {}, "Remove the checked shown rows from the list.", BuildRemoveChecked},
        {"--remove-all", {}, {}, "Remove every shown row from the list.", BuildRemoveAll},
        {"--sort",
         {Number("COLUMN", 0, 3)},
         {},
         "Sort by column 0 old name, 1 new name, 2 row number, 3 date; the same column again flips it.",
         BuildSort},
        {"--list",
         {},
         {},
         "Print the shown rows: old name, new name, row number, date, 1 or 0 for checked.",
         BuildList},
        {"--preset",
         {Text("NAME")},
         {},
         "Run the generator steps of the preset NAME (data/presets/NAME.cfg of the home) here, in their order; "
         "a damaged preset stops before any name changes.",
         BuildPreset},
        {"--save-preset",
         {Text("NAME")},
         {},
         "Save the generator steps run before this one, presets' steps included, as the preset NAME.",
         BuildSavePreset},
        {"--list-presets", {}, {}, "Print the names of the saved presets, one a line.", BuildListPresets},
        {"--preview",
         {},
         {{"--order", {}, false, "forecast the run with --order"},
          {"--no-undo", {}, false, "forecast the run with --no-undo"}},
         "Print the list folder, the number of checked shown rows, the forecast count of each status and the "
         "rows that will not be renamed.",
         BuildPreview},
        {"--run",
         {},
         {{"--no-undo", {}, false, "write no undo file"},
          {"--order", {}, false, "rename in an order that lets chains, shifts, swaps and cycles succeed"},
          {"--wait", {}, false, "wait while another Tollwick run renames in the folder, instead of failing"}},
         "Rename the checked shown rows; print each result, the count of each status and the undo file.",
         BuildRun},
    };
    forms.insert(forms.end(), listSteps.begin(), listSteps.end());
    return forms;
}

} // namespace

bool RawStep::Has(std::string_view modifier) const
{
    return std::ranges::any_of(modifiers, [&](const auto& entry) { return entry.first == modifier; });
}

const std::string& RawStep::Value(std::string_view modifier) const
{
    return std::ranges::find_if(modifiers, [&](const auto& entry) { return entry.first == modifier; })->second;
}

std::string OperandName(const OperandForm& operand)
{
    if (!operand.name.empty()) {
        return std::string(operand.name);
    }
    std::string joined;
    for (const std::string_view word : operand.words) {
        joined += joined.empty() ? "" : "|";
        joined += word;
    }
    return joined;
}

std::span<const StepForm> StepForms()
{
    static const std::vector<StepForm> forms = MakeForms();
    return forms;
}

const StepForm* FindStepForm(std::string_view name)
{
    const auto forms = StepForms();
    const auto found = std::ranges::find(forms, name, &StepForm::name);
    return found == forms.end() ? nullptr : &*found;
}

const ModifierForm* FindModifier(const StepForm& definition, std::string_view name)
{
    const auto found = std::ranges::find(definition.modifiers, name, &ModifierForm::name);
    return found == definition.modifiers.end() ? nullptr : &*found;
}

} // namespace tollwick::batch
