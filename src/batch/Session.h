// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/Commands.h"
#include "session/RenameSession.h"
#include "session/Vocabulary.h"
#include "settings/SettingsFile.h"

#include <ostream>
#include <stop_token>
#include <string>
#include <vector>

namespace tollwick::batch {

/// The steps of one command line on one rename session: each step turns its
/// values into the session's call and prints what the session gives back.
class Session {
public:
    /// Reads the data files of `home` as the window does at start (they are
    /// never written); raises the error of the first file that fails. Runs
    /// rename and sync through `calls`.
    /// A run ends after the rename in progress once `stop` is asked.
    Session(const std::string& home, std::ostream& out, std::ostream& err, SystemCalls& calls = RealSystemCalls(),
            std::stop_token stop = {});

    /// Scans read the files' dates only when one of `steps` shows, sorts,
    /// filters or exports the rows: a run alone spares a call a file.
    void ReadDatesFor(const std::vector<Step>& steps);

    /// Runs one step; a failure raises the core's error and leaves the list as the step left it.
    void Run(const Step& step);

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
    void operator()(const PresetStep& step);
    void operator()(const SavePresetStep& step);
    void operator()(const ListPresetsStep& step);
    void operator()(const PreviewStep& step);
    void operator()(const RunStep& step);

    /// Whether a run, or the forecast of a preview, left a checked row not
    /// renamed (missing, taken, refused or not reached).
    [[nodiscard]] bool RowsNotRenamed() const { return rowsNotRenamed_; }

private:
    /// One generation pass of `step` over the rows the page's check box chooses.
    void Generate(const GeneratorStep& step);
    /// A line on standard error when a typed text of `option` loses `chars`, which no name can hold.
    void SayWhatIsLeftOut(std::string_view option, std::string_view text, const std::string& chars) const;
    [[nodiscard]] std::string Text(std::string_view key) const { return session_.Text(key); }

    Progress progress_; // no bar to show
    RenameSession session_;
    Settings settings_; // the stored control states, read once
    std::stop_token stop_;
    std::vector<GeneratorStep> stepsRun_; // the generator passes so far, for --save-preset
    bool rowsNotRenamed_ = false;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace tollwick::batch
