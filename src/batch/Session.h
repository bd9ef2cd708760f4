// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"
#include "generators/GenerationPass.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/TextLookup.h"
#include "settings/KeyLines.h"
#include "settings/SettingsFile.h"
#include "settings/TranslitTables.h"

#include <ostream>
#include <string>

namespace tollwick::batch {

/// What the steps read from the application home; never written back.
struct HomeData {
    std::string home;  // with a closing "/"
    KeyLines keyLines; // settings, language, links and tables lines
    TranslitTables tables;
    Settings settings; // the stored control states
};

/// Reads the data files of `home` as the window does at start; raises the
/// file or conversion error of the first file that fails.
[[nodiscard]] HomeData LoadHomeData(const std::string& home);

/// What lives between the steps, as the window holds it between commands.
struct BatchState {
    RenameList list;
    std::string dirName; // the list folder, with a closing "/"
    FilterSettings filter;
    SortState sort;
    bool checkedOnly = false; // the generator page's check box
};

/// The state at start: the filter page as stored, the toggle off, nothing listed.
[[nodiscard]] BatchState StartState(const Settings& settings);

/// Runs steps one after the other on one state, printing what they print on
/// `out` and the language's messages on `err`.
class Session {
public:
    Session(const HomeData& data, std::ostream& out, std::ostream& err);

    /// Runs one step; a failure raises the core's error and leaves the state as the step left it.
    void Run(const Step& step);

    [[nodiscard]] const BatchState& State() const { return state_; }

    void operator()(const ScanStep& step);
    void operator()(const LoadUndoStep& step);
    void operator()(const ImportStep& step);
    void operator()(const ExportStep& step);
    void operator()(const FilterTermsStep& step);
    void operator()(const FilterDatesStep& step);
    void operator()(const FilterToggleStep& step);
    void operator()(const CheckedOnlyStep& step);
    void operator()(const CaseStep& step);
    void operator()(const ReplaceStep& step);
    void operator()(const MaskStep& step);
    void operator()(const TranslitStep& step);
    void operator()(const DeleteStep& step);
    void operator()(const ListCommandStep& step);
    void operator()(const SortStep& step);
    void operator()(const PrintListStep& step);
    void operator()(const PreviewStep& step);
    void operator()(const RunStep& step);

private:
    void FilterPass();
    /// One generation pass with the options of one tab and the page's check box.
    void Generate(std::string_view tabName, const GeneratorOptions& tab);
    [[nodiscard]] std::string Text(std::string_view key) const { return data_.keyLines.LookupText(key); }

    const HomeData& data_;
    TextLookup lookup_;
    BatchState state_;
    std::ostream& out_;
    std::ostream& err_;
    Progress progress_; // no bar to show
};

} // namespace tollwick::batch
