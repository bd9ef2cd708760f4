// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/ListCommands.h"

#include "platform/Collation.h"

#include <algorithm>
#include <string>

namespace tollwick {
namespace {

template <typename Work> void ForwardLoop(RenameList& list, Progress& progress, Work work)
{
    ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
    int step = 0;
    for (Row& row : list.FilterList) {
        work(row);
        pass.Step(++step);
    }
}

template <typename Pred> void BackwardRemoval(RenameList& list, Progress& progress, Pred doomed)
{
    const ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
    DeleteShownRowsWhere(list, progress, doomed);
}

// Every column sorts by the text it shows, the number column included.
std::string ColumnText(const Row& row, int column)
{
    switch (column) {
    case 1:
        return row.NewName;
    case 2:
        return std::to_string(row.Index);
    case 3:
        return RowDateText(row.Date);
    default:
        return row.OldName;
    }
}

} // namespace

void CopyOldNames(RenameList& list, Progress& progress)
{
    ForwardLoop(list, progress, [](Row& row) { row.NewName = row.OldName; });
}

void CheckAll(RenameList& list, Progress& progress)
{
    ForwardLoop(list, progress, [](Row& row) { row.Checked = true; });
}

void InvertChecks(RenameList& list, Progress& progress)
{
    ForwardLoop(list, progress, [](Row& row) { row.Checked = !row.Checked; });
}

void RemoveCheckedRows(RenameList& list, Progress& progress)
{
    BackwardRemoval(list, progress, [](const Row& row) { return row.Checked; });
}

void RemoveAllRows(RenameList& list, Progress& progress)
{
    BackwardRemoval(list, progress, [](const Row&) { return true; });
}

void FilterListColumnClick(RenameList& list, SortState& sort, int column)
{
    if (column == sort.SortColumn) {
        sort.SortDirection = -sort.SortDirection;
    } else {
        sort.SortDirection = 1;
        sort.SortColumn = column;
    }
    SortShownRows(list, sort);
}

void SortShownRows(RenameList& list, const SortState& sort)
{
    const LocaleCollator collator;
    struct Keyed {
        std::string key;
        std::size_t position;
    };
    std::vector<Keyed> keys;
    keys.reserve(list.FilterList.size());
    for (std::size_t k = 0; k < list.FilterList.size(); ++k) {
        keys.push_back({collator.SortKey(ColumnText(list.FilterList[k], sort.SortColumn)), k});
    }
    const bool descending = sort.SortDirection < 0;
    std::stable_sort(keys.begin(), keys.end(), [descending](const Keyed& a, const Keyed& b) {
        return descending ? b.key < a.key : a.key < b.key;
    });
    std::vector<Row> sorted;
    sorted.reserve(keys.size());
    // Rows that are the master rows are copied: the master keeps its order.
    const bool shared = list.FilterList.SharesMaster();
    for (const Keyed& keyed : keys) {
        Row& row = list.FilterList[keyed.position];
        sorted.push_back(shared ? row : std::move(row));
    }
    list.FilterList = std::move(sorted);
}

} // namespace tollwick
