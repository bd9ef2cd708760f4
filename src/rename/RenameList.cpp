// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RenameList.h"

#include <algorithm>

namespace tollwick {
namespace {

std::optional<std::size_t> WalkForIndex(const std::vector<Row>& rows, std::uint32_t index)
{
    const auto found = std::find_if(rows.begin(), rows.end(), [index](const Row& row) { return row.Index == index; });
    if (found == rows.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - rows.begin());
}

} // namespace

RenameList::RenameList(const RenameList& other)
    : TotalList(other.TotalList), FilterList(other.FilterList, TotalList), NextIndex(other.NextIndex),
      OldNameTerms(other.OldNameTerms), NewNameTerms(other.NewNameTerms)
{
}

RenameList::RenameList(RenameList&& other) noexcept
    : TotalList(std::move(other.TotalList)), FilterList(std::move(other.FilterList), TotalList),
      NextIndex(other.NextIndex), OldNameTerms(std::move(other.OldNameTerms)),
      NewNameTerms(std::move(other.NewNameTerms))
{
}

RenameList& RenameList::operator=(const RenameList& other)
{
    if (this != &other) {
        TotalList = other.TotalList;
        FilterList = other.FilterList;
        NextIndex = other.NextIndex;
        OldNameTerms = other.OldNameTerms;
        NewNameTerms = other.NewNameTerms;
    }
    return *this;
}

RenameList& RenameList::operator=(RenameList&& other) noexcept
{
    if (this != &other) {
        TotalList = std::move(other.TotalList);
        FilterList = std::move(other.FilterList);
        NextIndex = other.NextIndex;
        OldNameTerms = std::move(other.OldNameTerms);
        NewNameTerms = std::move(other.NewNameTerms);
    }
    return *this;
}

void RenameList::StartNewList()
{
    FilterList.clear();
    TotalList.clear();
    NextIndex = 0;
}

Row& RenameList::AddMasterRow(std::string oldName, std::string newName, RowDate date)
{
    TotalList.push_back({std::move(oldName), std::move(newName), static_cast<std::uint32_t>(NextIndex), false, date});
    ++NextIndex;
    return TotalList.back();
}

std::optional<std::size_t> FindMasterRow(const RenameList& list, std::uint32_t index)
{
    const auto& rows = list.TotalList;
    const auto first =
        std::partition_point(rows.begin(), rows.end(), [index](const Row& row) { return row.Index < index; });
    if (first != rows.end() && first->Index == index) {
        const auto position = static_cast<std::size_t>(first - rows.begin());
        // Only a list that is in rising order may skip the rows before.
        if (position == 0 || rows[position - 1].Index < index) {
            return position;
        }
    }
    return WalkForIndex(rows, index);
}

void DeleteRow(RenameList& list, std::size_t shownPosition)
{
    if (shownPosition >= list.FilterList.size()) {
        return;
    }
    if (list.FilterList.SharesMaster()) {
        list.TotalList.erase(list.TotalList.begin() + static_cast<std::ptrdiff_t>(shownPosition));
        return;
    }
    if (const auto master = FindMasterRow(list, list.FilterList[shownPosition].Index)) {
        list.TotalList.erase(list.TotalList.begin() + static_cast<std::ptrdiff_t>(*master));
    }
    list.FilterList.erase(list.FilterList.begin() + static_cast<std::ptrdiff_t>(shownPosition));
}

void DeleteRowsByFlags(RenameList& list, Progress& progress, const std::vector<bool>& doomedShown)
{
    const bool shared = list.FilterList.SharesMaster();
    std::vector<bool> doomedMaster(shared ? 0 : list.TotalList.size());
    for (std::size_t k = list.FilterList.size(); k-- > 0;) {
        if (doomedShown[k] && !shared) {
            if (const auto master = FindMasterRow(list, list.FilterList[k].Index)) {
                doomedMaster[*master] = true;
            }
        }
        progress.ShowProgress(-1, 0);
    }
    const auto compact = [](auto& rows, const std::vector<bool>& doomed) {
        std::size_t kept = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            if (!doomed[k]) {
                if (kept != k) {
                    rows[kept] = std::move(rows[k]);
                }
                ++kept;
            }
        }
        rows.resize(kept);
    };
    if (shared) {
        compact(list.TotalList, doomedShown);
        return;
    }
    compact(list.TotalList, doomedMaster);
    compact(list.FilterList, doomedShown);
}

void StoreShownRows(RenameList& list, Progress& progress)
{
    ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
    int step = 0;
    // Shown rows that are the master rows have nothing to store.
    if (list.FilterList.SharesMaster()) {
        for (std::size_t k = 0; k < list.FilterList.size(); ++k) {
            pass.Step(++step);
        }
        return;
    }
    for (const Row& shown : list.FilterList) {
        if (const auto master = FindMasterRow(list, shown.Index)) {
            Row& target = list.TotalList[*master];
            target.Checked = shown.Checked;
            target.NewName = shown.NewName;
        }
        pass.Step(++step);
    }
}

} // namespace tollwick
