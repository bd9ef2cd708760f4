// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/StepTable.h"

#include "batch/StepValues.h"
#include "batch/UsageError.h"

#include <algorithm>

namespace tollwick::batch {
namespace {

std::optional<std::string> OptionalValue(const RawStep& raw, std::string_view modifier)
{
    return raw.Has(modifier) ? std::optional<std::string>(raw.Value(modifier)) : std::nullopt;
}

int Layout(const RawStep& raw)
{
    const int layout = ParseNumber(raw.Value("--layout"), 1, 6, std::string(raw.definition->name) + " --layout");
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
    const std::string& word = raw.operands[0];
    if (word == "on") {
        return FilterToggleStep{FilterToggle::On};
    }
    if (word == "off") {
        return FilterToggleStep{FilterToggle::Off};
    }
    if (word == "update") {
        return FilterToggleStep{FilterToggle::Update};
    }
    throw UsageError("--filter: '" + word + "' is not one of on, off, update");
}

Step BuildCheckedOnly(const RawStep&)
{
    return CheckedOnlyStep{};
}
Step BuildCase(const RawStep& raw)
{
    return ParseCaseMode(raw.operands[0]);
}

Step BuildReplace(const RawStep& raw)
{
    return ReplaceStep{raw.operands[0], raw.operands[1], raw.Has("--first-only"), raw.Has("--match-case"),
                       raw.Has("--keep-ext")};
}

Step BuildMask(const RawStep& raw)
{
    return MaskStep{raw.operands[0], raw.operands[1], raw.Has("--count")};
}

Step BuildTranslit(const RawStep& raw)
{
    const std::string& direction = raw.operands[0];
    if (direction != "cyr-lat" && direction != "lat-cyr") {
        throw UsageError("--translit: '" + direction + "' is not one of cyr-lat, lat-cyr");
    }
    return TranslitStep{direction == "cyr-lat"};
}

Step BuildDelete(const RawStep& raw)
{
    return DeleteStep{ParseNumber(raw.operands[0], 1, 256, "--delete FROM"),
                      ParseNumber(raw.operands[1], 1, 256, "--delete COUNT"), raw.Has("--from-end")};
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
    return SortStep{ParseNumber(raw.operands[0], 0, 3, "--sort")};
}
Step BuildList(const RawStep&)
{
    return PrintListStep{};
}
Step BuildPreview(const RawStep& raw)
{
    return PreviewStep{raw.Has("--order")};
}
Step BuildRun(const RawStep& raw)
{
    return RunStep{!raw.Has("--no-undo"), raw.Has("--order")};
}

const ModifierSpec LayoutModifier{"--layout", "N", true, "layout 1 to 6 (see below)"};

std::vector<StepSpec> MakeSpecs()
{
    return {
        {"--scan", {"DIR"}, {}, "Start a new list from the files of folder DIR.", BuildScan},
        {"--load-undo",
         {"FILE"},
         {},
         "Start a new list from undo file FILE: its rows lead the files back.",
         BuildLoadUndo},
        {"--import",
         {"FILE"},
         {LayoutModifier, {"--separator", "S", false, "separator of layouts 5 and 6 (default: the stored one)"}},
         "Read name list FILE in layout N.",
         BuildImport},
        {"--export",
         {"FILE"},
         {LayoutModifier, {"--separator", "S", false, "separator of layouts 5 and 6 (default: the stored one)"}},
         "Write the shown rows to FILE in layout N.",
         BuildExport},
        {"--filter-old",
         {"TERMS"},
         {},
         "Filter page: show old names holding one of TERMS (';' between terms).",
         BuildFilterOld},
        {"--filter-new", {"TERMS"}, {}, "Filter page: show new names holding one of TERMS.", BuildFilterNew},
        {"--filter-dates",
         {"FIRST", "LAST"},
         {},
         "Filter page: show files dated FIRST to LAST (YYYY-MM-DD).",
         BuildFilterDates},
        {"--filter",
         {"on|off|update"},
         {},
         "Switch the filter on or off, or apply it again while it is on.",
         BuildFilterToggle},
        {"--checked-only", {}, {}, "Every later generator changes checked rows only.", BuildCheckedOnly},
        {"--case", {"MODE"}, {}, "Letter case: lower, upper, first[:N], swap, words[:underscore].", BuildCase},
        {"--replace",
         {"FROM", "TO"},
         {{"--first-only", "", false, "only the first occurrence"},
          {"--match-case", "", false, "letter case must match"},
          {"--keep-ext", "", false, "leave the extension alone"}},
         "Replace FROM by TO in the new names.",
         BuildReplace},
        {"--mask",
         {"NAME", "EXT"},
         {{"--count", "", false, "add a running counter to every number in the masks"}},
         "Build new names from masks; '*' stands for the present name part or extension.",
         BuildMask},
        {"--translit", {"cyr-lat|lat-cyr"}, {}, "Transliterate the name parts by the stored tables.", BuildTranslit},
        {"--delete",
         {"FROM", "COUNT"},
         {{"--from-end", "", false, "count positions from the end of the name part"}},
         "Delete COUNT characters of the name part from position FROM (1 to 256 each).",
         BuildDelete},
        {"--copy-old", {}, {}, "Copy every shown old name into its new name.", BuildCopyOld},
        {"--check-all", {}, {}, "Check every shown row.", BuildCheckAll},
        {"--invert-checks", {}, {}, "Invert the check of every shown row.", BuildInvertChecks},
        {"--remove-checked", {}, {}, "Remove the checked shown rows from the list.", BuildRemoveChecked},
        {"--remove-all", {}, {}, "Remove every shown row from the list.", BuildRemoveAll},
        {"--sort",
         {"COLUMN"},
         {},
         "Sort by column 0 old name, 1 new name, 2 row number, 3 date; the same column again flips it.",
         BuildSort},
        {"--list",
         {},
         {},
         "Print the shown rows: old name, new name, row number, date, 1 or 0 for checked.",
         BuildList},
        {"--preview",
         {},
         {{"--order", "", false, "forecast the run with --order"}},
         "Print the list folder, the number of checked shown rows, the forecast count of each status and the "
         "rows that will not be renamed.",
         BuildPreview},
        {"--run",
         {},
         {{"--no-undo", "", false, "write no undo file"},
          {"--order", "", false, "rename in an order that lets chains, shifts, swaps and cycles succeed"}},
         "Rename the checked shown rows; print each result, the five counts and the undo file.",
         BuildRun},
    };
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

std::span<const StepSpec> StepSpecs()
{
    static const std::vector<StepSpec> specs = MakeSpecs();
    return specs;
}

const StepSpec* FindStepSpec(std::string_view name)
{
    const auto specs = StepSpecs();
    const auto found = std::ranges::find(specs, name, &StepSpec::name);
    return found == specs.end() ? nullptr : &*found;
}

const ModifierSpec* FindModifier(const StepSpec& definition, std::string_view name)
{
    const auto found = std::ranges::find(definition.modifiers, name, &ModifierSpec::name);
    return found == definition.modifiers.end() ? nullptr : &*found;
}

} // namespace tollwick::batch
