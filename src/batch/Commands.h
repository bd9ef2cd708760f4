// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "session/Vocabulary.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tollwick::batch {

// One checked step of the command line each; the values are already valid.

struct ScanStep {
    std::string folder; // absolute, with a closing "/"
};
struct LoadUndoStep {
    std::string file;
};
struct ImportStep {
    std::string file;
    int layout = 1;                       // 1..6
    std::optional<std::string> separator; // none: the stored one
};
struct ExportStep {
    std::string file;
    int layout = 1;
    std::optional<std::string> separator;
};
struct FilterTermsStep {
    bool newNames = false; // the new-name test, else the old-name test
    std::string terms;
};
struct FilterDatesStep {
    CalendarDate first;
    CalendarDate last;
};
enum class FilterToggle { On, Off, Update };
struct FilterToggleStep {
    FilterToggle toggle = FilterToggle::On;
};
struct CheckedOnlyStep {};

enum class ListCommand { CopyOld, CheckAll, InvertChecks, RemoveChecked, RemoveAll };
struct ListCommandStep {
    ListCommand command = ListCommand::CopyOld;
};
struct SortStep {
    int column = 0; // 0..3
};
struct PrintListStep {};
struct PresetStep {
    std::string name; // runs the preset's generator steps here
};
struct SavePresetStep {
    std::string name; // keeps the generator steps run before it
};
struct ListPresetsStep {};
struct PreviewStep {
    bool ordered = false;  // forecast the run with --order
    bool writeUndo = true; // forecast a run with its undo file, unless --no-undo
};
struct RunStep {
    bool writeUndo = true;
    bool ordered = false; // in an order that lets chains, swaps and cycles succeed
    bool wait = false;    // for another Tollwick run on the folder to end, else fail
};

using Step =
    std::variant<ScanStep, LoadUndoStep, ImportStep, ExportStep, FilterTermsStep, FilterDatesStep, FilterToggleStep,
                 CheckedOnlyStep, CaseStep, ReplaceStep, MaskStep, TranslitStep, DeleteStep, ListCommandStep, SortStep,
                 PrintListStep, PresetStep, SavePresetStep, ListPresetsStep, PreviewStep, RunStep>;

/// What the whole command line asks for.
struct Invocation {
    bool showHelp = false;
    bool showCompletionTable = false; // hidden: what the shell completion is built from
    std::optional<std::string> home;  // --home
    std::vector<Step> steps;
};

} // namespace tollwick::batch
