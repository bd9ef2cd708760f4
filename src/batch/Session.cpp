#include "batch/Session.h"

#include "rename/Scan.h"

namespace tollwick::batch {

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

} // namespace tollwick::batch
