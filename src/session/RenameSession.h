// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/GenerationPass.h"
#include "generators/MediaFacts.h"
#include "platform/Directory.h"
#include "platform/SystemCalls.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "rename/NameList.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/Run.h"
#include "rename/RunPlan.h"
#include "rename/StepStopped.h"
#include "rename/TextLookup.h"
#include "rename/Undo.h"
#include "session/SessionObserver.h"
#include "settings/DataFiles.h"
#include "settings/KeyLines.h"
#include "settings/TranslitTables.h"

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The wizard between its steps: the rename list, the list folder, the
/// filter settings and toggle, the sort state, the application home and the
/// texts of the data files. The window and tollwick-batch gather what the
/// user chose, call these steps and show what they give back; neither wires
/// a step of its own, so both do exactly the same work.
class RenameSession {
public:
    /// `home` is the application home, ending with "/"; `progress` shows
    /// every long step; the runs rename and sync through `calls`.
    RenameSession(std::string home, Progress& progress, SystemCalls& calls = RealSystemCalls());

    /// Reads the settings, language, links and tables files into the texts
    /// and the tables, as the start and a language change do; raises the
    /// error of the first file that fails, keeping what the files before it gave.
    void LoadDataFiles(const ShowProgressFunction& showProgress);
    /// Writes the settings file and then the tables file, each whole.
    void SaveDataFiles(const Settings& settings, const ShowProgressFunction& showProgress) const;
    [[nodiscard]] const KeyLines& Texts() const { return texts_; }
    /// A language text; empty for a key no data file holds.
    [[nodiscard]] std::string Text(std::string_view key) const { return texts_.LookupText(key); }
    /// What the front ends say of a mask token some rows had no value for, in the language.
    [[nodiscard]] std::string NoValueMessage(const MissingValue& missing) const;
    [[nodiscard]] const std::string& Home() const { return home_; }
    /// Where the undo files of the runs go.
    [[nodiscard]] std::string UndoFolder() const { return home_ + "undo/"; }

    [[nodiscard]] const RenameList& List() const { return list_; }
    /// `observer` hears of every later change of the rows, until it is
    /// removed; it must be removed before it is destroyed.
    void AddObserver(SessionObserver& observer);
    void RemoveObserver(const SessionObserver& observer);
    /// The list folder, ending with "/"; empty before the first list.
    [[nodiscard]] const std::string& DirName() const { return dirName_; }
    [[nodiscard]] const SortState& Sort() const { return sort_; }
    /// The filter page and the toggle, as the last pass left them.
    [[nodiscard]] const FilterSettings& Filter() const { return filter_; }
    /// What the filter page and the toggle now hold; used by the next pass.
    void SetFilter(const FilterSettings& filter) { filter_ = filter; }

    // The generator page: one step per generator, the checked-only flag and
    // the transliteration tables, as the passes and the sample use them.
    [[nodiscard]] const GeneratorSetup& Generators() const { return setup_; }
    void SetGenerators(const GeneratorSetup& setup) { setup_ = setup; }
    void SetCheckedOnly(bool checkedOnly) { setup_.checkedOnly = checkedOnly; }
    [[nodiscard]] const TranslitTables& Tables() const { return tables_; }
    /// Appends `entry` ("source  >  target") to `table`.
    void AddTableEntry(TranslitTable table, std::string entry);
    /// Replaces entry `position` of `table`; a position past its end changes nothing.
    void SetTableEntry(TranslitTable table, std::size_t position, std::string entry);
    /// Removes entry `position` of `table`; a position past its end changes nothing.
    void RemoveTableEntry(TranslitTable table, std::size_t position);

    // New lists. Each replaces the list and ends with a filter pass.
    /// The files of `folder` (a closing "/" is added when missing). A folder
    /// that is gone gives an empty list; one that cannot be read raises its
    /// reason and keeps the present list and folder, as does a `stop`
    /// asked for while the folder is listed (StepStopped).
    void ScanFolder(const std::string& folder, const std::stop_token& stop = {});
    /// Whether later scans read the files' dates; a front end that never
    /// shows or filters by them may spare the call a file.
    void SetScanDates(FileDates dates) { scanDates_ = dates; }
    /// Rows that lead the files of an undo file back to their earlier names;
    /// the next run also removes the reservations the file names, where a
    /// stopped run left them.
    [[nodiscard]] UndoLoadOutcome LoadUndoFile(const std::string& path);
    /// A name list in one of the six layouts; the dates are looked up in the list folder.
    void ImportNameList(const std::string& path, NameListLayout layout, const std::string& separator);
    /// The shown rows into a name list.
    void ExportNameList(const std::string& path, NameListLayout layout, const std::string& separator);

    /// Stores the shown rows back and rebuilds them from the master list.
    void ApplyFilter();
    /// The filter toggle: switches the filter on or off, then a pass.
    void SetFilterOn(bool on);
    /// Applies the filter again when it is on; nothing when it is off.
    void UpdateFilter();

    /// What the generator page shows of one row before the passes run.
    struct RowSample {
        std::string presentName;          // the row's new name now
        std::string newName;              // what the steps make of it; the present name when not processed
        std::optional<std::string> error; // or the error that would stop a pass, as the pass words it
        std::string charsLeftOut;         // what the steps' typed texts lose, each character once
    };
    /// The sample of shown row `selected` (the first one when there is none
    /// or it is gone) under `steps`, one pass after another, with the mask's
    /// counter the pass would give it; none while no row is shown.
    [[nodiscard]] std::optional<RowSample> Sample(std::optional<std::size_t> selected,
                                                  const std::vector<GeneratorStep>& steps) const;

    // The presets of the home: named lists of generator steps, as both programs run them.
    [[nodiscard]] std::vector<std::string> PresetNames() const;
    /// Raises "FILE:LINE: reason" for a damaged preset, which then gives no step.
    [[nodiscard]] std::vector<GeneratorStep> LoadPreset(std::string_view name) const;
    /// Replaces the preset `name` whole; raises for a name no file may have.
    void SavePreset(std::string_view name, const std::vector<GeneratorStep>& steps) const;

    /// A generation pass of `step` over the shown rows, with the page's
    /// checked-only flag and tables; none changes no name. A `stop` asked
    /// for part way raises StepStopped and changes no name.
    [[nodiscard]] CleanedTexts GenerateNewNames(const std::optional<GeneratorStep>& step,
                                                const std::stop_token& stop = {});
    /// A pass of the page's own step of `kind`; none changes no name.
    [[nodiscard]] CleanedTexts GenerateNewNames(std::optional<GeneratorKind> kind, const std::stop_token& stop = {});
    /// One pass after another, as a preset runs; a `stop` part way puts
    /// back every new name the earlier passes gave.
    [[nodiscard]] CleanedTexts GenerateNewNames(const std::vector<GeneratorStep>& steps,
                                                const std::stop_token& stop = {});

    // The list page's commands.
    void CopyOldNames();
    void CheckAll();
    void InvertChecks();
    void RemoveCheckedRows();
    void RemoveAllRows();
    /// Removes shown row `position` and its master row.
    void DeleteRow(std::size_t position);
    /// The typed new name of shown row `position`, cleaned of the nine
    /// forbidden characters; an untyped answer keeps the row's own bytes.
    void EditNewName(std::size_t position, const std::string& typed, bool typedAnew);
    /// Checks or unchecks shown row `position`.
    void SetChecked(std::size_t position, bool checked);
    /// A click on a column header of the shown list.
    void FilterListColumnClick(int column);

    /// The list page's plan: what a run in the shown order would give each
    /// checked shown row, with its own fate only (a missing undo folder is
    /// the preview page's warning). Lists the list folder when it has no
    /// listing yet and a row is checked; an empty plan when none is.
    /// Observers hear of it.
    RunPlan Forecast(bool undoCheck);
    /// Drops the listing the forecasts use, for a folder that may have changed.
    void RelistFolder() { folder_.reset(); }

    /// What the preview page shows before a run.
    [[nodiscard]] PreviewInfo PreparePreview(bool undoCheck);
    /// What a run of the checked shown rows will give each of them, with
    /// and without ordering, decided from one listing of the list folder.
    [[nodiscard]] RunForecast ForecastRun(bool undoCheck) const;
    /// Renames the checked shown rows; with `undoCheck` the run keeps its
    /// undo file in the home's undo folder; `ordered` lets chains, shifts,
    /// swaps and cycles succeed; `whenBusy` says what to do while another
    /// Tollwick run renames in the folder; `stop` ends it after the rename in progress.
    RunSummary RunRename(bool undoCheck, const ResultSink& onResult = {}, bool ordered = false,
                         FolderWait whenBusy = {}, std::stop_token stop = {});
    /// What a stopped run is shown with, in the language; empty when it was not stopped.
    [[nodiscard]] std::string StopMessage(const RunStop& stop) const;

private:
    [[nodiscard]] TextLookup Lookup() const;
    [[nodiscard]] PassContext Context() const { return {setup_.checkedOnly, tables_, dirName_, &facts_}; }
    void TellRowsReset() const;
    void TellRowsChanged(std::size_t first, std::size_t count) const;
    void TellAllRowsChanged() const;

    std::string home_;
    Progress& progress_;
    SystemCalls& calls_;
    KeyLines texts_;
    TranslitTables tables_;
    GeneratorSetup setup_;
    MediaTagCache tagCache_;
    MediaFacts facts_{tagCache_}; // what the mask's tokens read of the files
    RenameList list_;
    std::string dirName_;
    std::vector<UndoReservation> reservations_; // of the undo file loaded last, for the run after it
    FilterSettings filter_;
    SortState sort_;
    std::optional<FolderView> folder_; // of the list folder, for the forecasts
    FileDates scanDates_ = FileDates::Read;
    std::vector<SessionObserver*> observers_;
};

} // namespace tollwick
