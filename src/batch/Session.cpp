// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/Session.h"

#include "platform/Errors.h"
#include "rename/NameList.h"
#include "rename/Run.h"
#include "rename/Scan.h"
#include "rename/Undo.h"
#include "settings/DataFiles.h"
#include "settings/TableEditor.h"

namespace tollwick::batch {

HomeData LoadHomeData(const std::string& home)
{
    HomeData data;
    data.home = home;
    data.settings = LayoutSettings();
    LoadDataFiles(home, data.keyLines, data.tables, [](int, int) {});
    RestoreSettings(data.keyLines, data.settings);
    return data;
}

BatchState StartState(const Settings& settings)
{
    BatchState state;
    state.filter.FilterOldNameCheck = settings.At("FilterOldNameCheck").checked;
    state.filter.FilterOldNameEdit = settings.At("FilterOldNameEdit").text;
    state.filter.FilterNewNameCheck = settings.At("FilterNewNameCheck").checked;
    state.filter.FilterNewNameEdit = settings.At("FilterNewNameEdit").text;
    state.filter.FilterDateCheck = settings.At("FilterDateCheck").checked;
    return state;
}

Session::Session(const HomeData& data, std::ostream& out, std::ostream& err)
    : data_(data), lookup_([&data](std::string_view key) { return data.keyLines.LookupText(key); }),
      state_(StartState(data.settings)), out_(out), err_(err)
{
}

void Session::Run(const Step& step)
{
    std::visit(*this, step);
}

void Session::FilterPass()
{
    state_.filter = ApplyFilter(state_.list, state_.filter, progress_);
}

void Session::operator()(const ScanStep& step)
{
    state_.dirName = step.folder;
    state_.filter = ScanFolder(state_.list, state_.dirName, state_.filter, progress_);
}

void Session::operator()(const LoadUndoStep& step)
{
    const UndoLoad load = LoadUndoFile(state_.list, step.file, state_.dirName, state_.filter, progress_);
    state_.dirName = load.DirName;
    state_.filter = load.Filter;
    if (load.Outcome == UndoLoadOutcome::NoRenaming) {
        // An information, as the window shows it; the list is empty and the run goes on.
        err_ << Text(MessageKeyOf(load.Outcome)) << '\n';
    }
}

void Session::operator()(const ImportStep& step)
{
    const ImportOptions options{step.file, static_cast<NameListLayout>(step.layout),
                                step.separator.value_or(data_.settings.At("Kind5Edit").text), state_.dirName};
    state_.filter = ImportNameList(state_.list, options, state_.filter, progress_);
}

void Session::operator()(const ExportStep& step)
{
    const ExportOptions options{step.file, static_cast<NameListLayout>(step.layout),
                                step.separator.value_or(data_.settings.At("KindSaveEdit").text)};
    ExportNameList(state_.list, options, progress_);
}

void Session::operator()(const FilterTermsStep& step)
{
    if (step.newNames) {
        state_.filter.FilterNewNameCheck = true;
        state_.filter.FilterNewNameEdit = step.terms;
    } else {
        state_.filter.FilterOldNameCheck = true;
        state_.filter.FilterOldNameEdit = step.terms;
    }
    FilterPass();
}

void Session::operator()(const FilterDatesStep& step)
{
    state_.filter.FilterDateCheck = true;
    state_.filter.FilterFirstDateEdit = step.first;
    state_.filter.FilterLastDateEdit = step.last;
    FilterPass();
}

void Session::operator()(const FilterToggleStep& step)
{
    switch (step.toggle) {
    case FilterToggle::On:
    case FilterToggle::Off:
        state_.filter.FilterOn = step.toggle == FilterToggle::On;
        FilterPass();
        break;
    case FilterToggle::Update:
        if (state_.filter.FilterOn) {
            FilterPass();
        }
        break;
    }
}

void Session::operator()(const CheckedOnlyStep&)
{
    state_.checkedOnly = true;
}

void Session::operator()(const ListCommandStep& step)
{
    switch (step.command) {
    case ListCommand::CopyOld:
        CopyOldNames(state_.list, progress_);
        break;
    case ListCommand::CheckAll:
        CheckAll(state_.list, progress_);
        break;
    case ListCommand::InvertChecks:
        InvertChecks(state_.list, progress_);
        break;
    case ListCommand::RemoveChecked:
        RemoveCheckedRows(state_.list, progress_);
        break;
    case ListCommand::RemoveAll:
        RemoveAllRows(state_.list, progress_);
        break;
    }
}

void Session::operator()(const SortStep& step)
{
    FilterListColumnClick(state_.list, state_.sort, step.column);
}

void Session::operator()(const PrintListStep&)
{
    for (const Row& row : state_.list.FilterList) {
        out_ << row.OldName << '\t' << row.NewName << '\t' << row.Index << '\t' << row.DateText << '\t'
             << (row.Checked ? '1' : '0') << '\n';
    }
}

void Session::operator()(const PreviewStep&)
{
    const PreviewInfo preview = PreparePreview(state_.list, state_.dirName, true, lookup_, progress_);
    out_ << preview.PreviewDirLabel << '\n' << preview.PreviewCtyLabel << '\n';
}

void Session::operator()(const RunStep& step)
{
    RunOptions options;
    options.DirName = state_.dirName;
    options.UndoCheck = step.writeUndo;
    options.UndoFolder = data_.home + "undo/";
    const RunSummary summary =
        RunRename(state_.list, options, lookup_, progress_, [this](const ResultRow& row, const RunCounts&) {
            out_ << row.OldName << '\t' << row.NewName << '\t' << row.StatusText << '\t' << row.Reason << '\n';
        });
    for (std::size_t k = 0; k < RunStatusCount; ++k) {
        const auto status = static_cast<RunStatus>(k);
        out_ << Text(StatusKey(status)) << '\t' << summary.Counts.Of(status) << '\n';
    }
    if (!summary.UndoPath.empty()) {
        out_ << summary.UndoPath << '\n';
    }
    if (summary.Undo == UndoOutcome::NotWritten) {
        // The renames stand; without its whole undo file the run did not end well.
        throw TollwickError(PromptWithSource(Text(MessageKeyOf(summary.Undo)), options.UndoFolder));
    }
}

} // namespace tollwick::batch
