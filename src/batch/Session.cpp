// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/Session.h"

#include "platform/Errors.h"
#include "session/ControlNames.h"
#include "session/Vocabulary.h"

#include <utility>

namespace tollwick::batch {
Session::Session(const std::string& home, std::ostream& out, std::ostream& err, SystemCalls& calls,
                 std::stop_token stop)
    : session_(home, progress_, calls), settings_(LayoutSettings()), stop_(std::move(stop)), out_(out), err_(err)
{
    session_.LoadDataFiles([](int, int) {});
    RestoreSettings(session_.Texts(), settings_);
    session_.SetFilter(StoredFilterOf(settings_));
}

void Session::ReadDatesFor(const std::vector<Step>& steps)
{
    const bool shown = std::any_of(steps.begin(), steps.end(), [](const Step& step) {
        return std::holds_alternative<PrintListStep>(step) || std::holds_alternative<SortStep>(step) ||
               std::holds_alternative<FilterDatesStep>(step) || std::holds_alternative<FilterToggleStep>(step) ||
               std::holds_alternative<ExportStep>(step);
    });
    session_.SetScanDates(shown ? FileDates::Read : FileDates::Skip);
}

void Session::Run(const Step& step)
{
    std::visit(*this, step);
}

void Session::operator()(const ScanStep& step)
{
    session_.ScanFolder(step.folder);
}

void Session::operator()(const LoadUndoStep& step)
{
    const UndoLoadOutcome outcome = session_.LoadUndoFile(step.file);
    if (outcome == UndoLoadOutcome::NoRenaming) {
        // An information, as the window shows it; the list is empty and the run goes on.
        err_ << Text(MessageKeyOf(outcome)) << '\n';
    }
}

void Session::operator()(const ImportStep& step)
{
    session_.ImportNameList(step.file, static_cast<NameListLayout>(step.layout),
                            step.separator.value_or(ImportSeparatorOf(settings_)));
}

void Session::operator()(const ExportStep& step)
{
    session_.ExportNameList(step.file, static_cast<NameListLayout>(step.layout),
                            step.separator.value_or(ExportSeparatorOf(settings_)));
}

void Session::operator()(const FilterTermsStep& step)
{
    FilterSettings filter = session_.Filter();
    if (step.newNames) {
        filter.newNameTest = true;
        filter.newNameTerms = step.terms;
    } else {
        filter.oldNameTest = true;
        filter.oldNameTerms = step.terms;
    }
    // A term alone must narrow the list: a run after it would otherwise touch every file.
    filter.on = true;
    session_.SetFilter(filter);
    session_.ApplyFilter();
}

void Session::operator()(const FilterDatesStep& step)
{
    FilterSettings filter = session_.Filter();
    filter.dateTest = true;
    filter.firstDate = step.first;
    filter.lastDate = step.last;
    filter.on = true;
    session_.SetFilter(filter);
    session_.ApplyFilter();
}

void Session::operator()(const FilterToggleStep& step)
{
    switch (step.toggle) {
    case FilterToggle::On:
    case FilterToggle::Off:
        session_.SetFilterOn(step.toggle == FilterToggle::On);
        break;
    case FilterToggle::Update:
        session_.UpdateFilter();
        break;
    }
}

void Session::operator()(const CheckedOnlyStep&)
{
    session_.SetCheckedOnly(true);
}

void Session::operator()(const ListCommandStep& step)
{
    switch (step.command) {
    case ListCommand::CopyOld:
        session_.CopyOldNames();
        break;
    case ListCommand::CheckAll:
        session_.CheckAll();
        break;
    case ListCommand::InvertChecks:
        session_.InvertChecks();
        break;
    case ListCommand::RemoveChecked:
        session_.RemoveCheckedRows();
        break;
    case ListCommand::RemoveAll:
        session_.RemoveAllRows();
        break;
    }
}

void Session::operator()(const SortStep& step)
{
    session_.FilterListColumnClick(step.column);
}

void Session::operator()(const PrintListStep&)
{
    for (const Row& row : session_.List().FilterList) {
        out_ << row.OldName << '\t' << row.NewName << '\t' << row.Index << '\t' << RowDateText(row.Date) << '\t'
             << (row.Checked ? '1' : '0') << '\n';
    }
}

void Session::operator()(const PreviewStep& step)
{
    const PreviewInfo preview = session_.PreparePreview(step.writeUndo);
    out_ << preview.folder << '\n' << preview.checkedCount << '\n';
    const RunForecast forecast = session_.ForecastRun(step.writeUndo);
    const RunPlan& plan = step.ordered ? forecast.Ordered : forecast.ShownOrder;
    for (std::size_t k = 0; k < RunStatusCount; ++k) {
        const auto status = static_cast<RunStatus>(k);
        out_ << Text(StatusKey(status)) << '\t' << plan.Counts.Of(status) << '\n';
    }
    rowsNotRenamed_ = rowsNotRenamed_ || LeavesRowsUnrenamed(plan.Counts);
    const std::vector<Row>& shown = session_.List().FilterList;
    for (std::size_t slot = 0; slot < plan.Rows.size(); ++slot) {
        if (plan.Statuses[slot] != RunStatus::StatusRenamed) {
            const Row& row = shown[plan.Rows[slot]];
            out_ << row.OldName << '\t' << row.NewName << '\t' << Text(StatusKey(plan.Statuses[slot])) << '\n';
        }
    }
}

void Session::operator()(const RunStep& step)
{
    FolderWait whenBusy;
    whenBusy.Wait = step.wait;
    whenBusy.OnWait = [this](bool waiting) {
        if (waiting) {
            err_ << "Waiting: the folder is being renamed by another Tollwick run" << std::endl;
        }
    };
    const RunSummary summary = session_.RunRename(
        step.writeUndo,
        [this](const ResultRow& row, const RunCounts&) {
            out_ << row.OldName << '\t' << row.NewName << '\t' << row.StatusText << '\t' << row.Reason << '\n';
        },
        step.ordered, whenBusy, stop_);
    for (std::size_t k = 0; k < RunStatusCount; ++k) {
        const auto status = static_cast<RunStatus>(k);
        out_ << Text(StatusKey(status)) << '\t' << summary.Counts.Of(status) << '\n';
    }
    if (!summary.UndoPath.empty()) {
        out_ << summary.UndoPath << '\n';
    }
    if (summary.Stop.Stopped()) {
        // The renames before the stop stand, recorded; the rows after it say "not reached".
        throw TollwickError(session_.StopMessage(summary.Stop));
    }
    rowsNotRenamed_ = rowsNotRenamed_ || LeavesRowsUnrenamed(summary.Counts);
}

} // namespace tollwick::batch
