// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RunPlan.h"

#include "platform/Directory.h"
#include "platform/DirectoryWalk.h"
#include "platform/RenameFile.h"
#include "rename/PlanRows.h"
#include "rename/Undo.h"

#include <algorithm>

namespace tollwick {
namespace {

void CountStatuses(RunPlan& plan)
{
    for (const RunStatus status : plan.Statuses) {
        ++plan.Counts.ByStatus[static_cast<std::size_t>(status)];
    }
}

RunPlan StartPlan(const std::vector<Row>& shown)
{
    RunPlan plan;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        if (shown[k].Checked) {
            plan.Rows.push_back(k);
        }
    }
    plan.Statuses.assign(plan.Rows.size(), RunStatus::StatusCanNot);
    return plan;
}

// The shown order as the run takes it, one row after the other. Tells
// whether a row met its new name held by a file that a later row moves
// away: only then may another order rename more.
bool PlanShownOrder(const std::vector<Row>& shown, const PlanRows& rows, bool undoReady, RunPlan& plan)
{
    std::vector<EntryKind> kinds = rows.FolderKinds;
    std::vector<std::uint32_t> laterGivers(kinds.size(), 0); // by name: rows still to come of that old name
    for (const PlanRow& row : rows.Rows) {
        ++laterGivers[row.OldId];
    }
    bool chained = false;
    bool stopped = false; // the undo file could not be made
    for (std::size_t slot = 0; slot < rows.Rows.size(); ++slot) {
        const PlanRow& row = rows.Rows[slot];
        --laterGivers[row.OldId];
        RunStatus& status = plan.Statuses[slot];
        // The branches follow the run's order of decisions, so two may give the same status.
        if (stopped) { // NOLINT(bugprone-branch-clone)
            status = RunStatus::StatusNotReached;
        } else if (const std::optional<RunStatus> settled = StatusBeforeMove(row, kinds)) {
            status = *settled;
        } else if (!undoReady) {
            stopped = true;
            status = RunStatus::StatusNotReached;
        } else if (row.MayBeRefused) {
            status = RunStatus::StatusCanNot;
        } else if (const EntryKind holder = kinds[row.NewId]; holder != EntryKind::None) {
            status = TakenStatus(shown[plan.Rows[slot]], holder);
            chained = chained || (holder == EntryKind::File && laterGivers[row.NewId] > 0);
        } else {
            status = RunStatus::StatusRenamed;
            kinds[row.OldId] = EntryKind::None;
            kinds[row.NewId] = EntryKind::File;
        }
    }
    return chained;
}

// Without the undo file the run stops before its first move.
void DropMoves(RunPlan& plan)
{
    for (const PlannedMove& move : plan.Moves) {
        const auto slot = static_cast<std::size_t>(std::lower_bound(plan.Rows.begin(), plan.Rows.end(), move.Shown) -
                                                   plan.Rows.begin());
        plan.Statuses[slot] = RunStatus::StatusNotReached;
    }
    plan.Moves.clear();
}

RunPlan PlanPrepared(const std::vector<Row>& shown, const PlanOptions& options, const PlanRows& rows, RunPlan plan)
{
    if (!options.Ordered) {
        PlanShownOrder(shown, rows, options.UndoReady, plan);
    } else {
        PlanInDependencyOrder(shown, rows, plan);
        if (!options.UndoReady) {
            DropMoves(plan);
        }
    }
    CountStatuses(plan);
    return plan;
}

// Where no row waits for another, ordering moves the same rows in the same order.
RunPlan OrderedAsShown(const RunPlan& shownOrder)
{
    RunPlan ordered = shownOrder;
    for (std::size_t slot = 0; slot < ordered.Rows.size(); ++slot) {
        if (ordered.Statuses[slot] == RunStatus::StatusRenamed) {
            ordered.Moves.push_back({ordered.Rows[slot], PlannedMove::Kind::Direct});
        }
    }
    return ordered;
}

} // namespace

FolderView::FolderView(std::string dirName, std::optional<FolderNames> names, bool writable)
    : dirName_(std::move(dirName)), names_(std::move(names)), writable_(writable)
{
}

FolderView::FolderView(std::string dirName, bool writable)
    : dirName_(std::move(dirName)), writable_(writable), listsOnLookUp_(true)
{
}

FolderView FolderView::Of(const std::string& dirName)
{
    if (!IsRunnableFolder(dirName)) {
        return {dirName, FolderNames{}, false};
    }
    return {dirName, IsWritableFolder(dirName)};
}

FolderView FolderView::Listed(const std::string& dirName)
{
    if (!IsRunnableFolder(dirName)) {
        return {dirName, FolderNames{}, false};
    }
    return {dirName, ListFolderNames(dirName), IsWritableFolder(dirName)};
}

EntryKind FolderView::KindOf(std::string_view name) const
{
    if (!names_) {
        return KindOfEntry(dirName_ + std::string(name));
    }
    if (names_->folders.Contains(name)) {
        return EntryKind::Folder;
    }
    return names_->files.Contains(name) ? EntryKind::File : EntryKind::None;
}

// Every entry is a plain name, so only the plan's plain names can match one.
bool FolderView::LookUpWhileListing(const NameIds& ids, std::vector<EntryKind>& kinds) const
{
    const WalkResult walked = WalkDirectory(dirName_, [&](const DirectoryEntry& entry) {
        const std::string_view name = entry.name;
        if (name == "." || name == "..") {
            return;
        }
        if (const std::optional<NameIds::Id> id = ids.Find(name)) {
            kinds[*id] = IsFolderEntry(entry) ? EntryKind::Folder : EntryKind::File;
        }
    });
    return walked == WalkResult::Complete;
}

std::vector<EntryKind> FolderView::KindsOf(const NameIds& ids) const
{
    std::vector<EntryKind> kinds(ids.Size(), EntryKind::None);
    if (listsOnLookUp_ && LookUpWhileListing(ids, kinds)) {
        return kinds;
    }
    // A listing cut short could miss a name: each is tested on its own.
    for (NameIds::Id id = 0; id < ids.Size(); ++id) {
        const std::string_view name = ids.NameOf(id);
        if (IsPlainFileName(name)) {
            kinds[id] = KindOf(name);
        }
    }
    return kinds;
}

RunPlan PlanRun(const std::vector<Row>& shown, const PlanOptions& options, const FolderView& folder)
{
    RunPlan plan = StartPlan(shown);
    if (!IsRunnableFolder(options.DirName)) {
        CountStatuses(plan); // every row stays StatusCanNot
        return plan;
    }
    const PlanRows rows = PrepareRows(shown, plan.Rows, options, folder);
    return PlanPrepared(shown, options, rows, std::move(plan));
}

std::uint64_t UndoFileBytes(const std::vector<Row>& shown, const RunPlan& plan, const std::string& dirName)
{
    constexpr std::uint64_t lineEnd = 2;
    // ".tollwick-" + a process number + "-" + 16 hex digits.
    constexpr std::uint64_t temporaryName = 10 + 10 + 1 + 16;
    std::uint64_t bytes = dirName.size() + lineEnd;
    const auto moveLine = [&](std::size_t from, std::size_t to) { bytes += from + 1 + to + lineEnd; };
    if (plan.Moves.empty()) {
        for (std::size_t slot = 0; slot < plan.Rows.size(); ++slot) {
            if (plan.Statuses[slot] == RunStatus::StatusRenamed) {
                const Row& row = shown[plan.Rows[slot]];
                moveLine(row.OldName.size(), row.NewName.size());
            }
        }
    }
    for (const PlannedMove& move : plan.Moves) {
        const Row& row = shown[move.Shown];
        switch (move.Step) {
        case PlannedMove::Kind::Direct:
            moveLine(row.OldName.size(), row.NewName.size());
            break;
        case PlannedMove::Kind::ToTemporary:
            bytes += temporaryName + 1 + lineEnd; // the reservation's line
            moveLine(row.OldName.size(), temporaryName);
            break;
        case PlannedMove::Kind::FromTemporary:
            moveLine(temporaryName, row.NewName.size());
            break;
        }
    }
    return bytes;
}

namespace {

// The file takes whole blocks, and one more may go to the filesystem's own
// records of where they lie.
bool UndoFileFits(std::uint64_t bytes, const FolderSpace& space)
{
    const std::uint64_t blocks = (bytes + space.blockSize - 1) / space.blockSize + 1;
    return blocks <= space.freeBytes / space.blockSize;
}

RunForecast PlanForecast(const RenameList& list, const std::string& dirName, const PlanOptions& options)
{
    const std::vector<Row>& shown = list.FilterList;
    RunForecast forecast;
    forecast.UndoReady = options.UndoReady;
    RunPlan plan = StartPlan(shown);
    if (!IsRunnableFolder(dirName)) {
        CountStatuses(plan);
        forecast.ShownOrder = plan;
        forecast.Ordered = std::move(plan);
        return forecast;
    }
    // One listing and one numbering of the names for both plans.
    const PlanRows rows = PrepareRows(shown, plan.Rows, options, FolderView::Of(dirName));
    forecast.ShownOrder = std::move(plan);
    const bool chained = PlanShownOrder(shown, rows, options.UndoReady, forecast.ShownOrder);
    CountStatuses(forecast.ShownOrder);
    if (!chained && options.UndoReady) {
        forecast.Ordered = OrderedAsShown(forecast.ShownOrder);
        return forecast;
    }
    PlanOptions ordered = options;
    ordered.Ordered = true;
    forecast.Ordered = PlanPrepared(shown, ordered, rows, StartPlan(shown));
    for (std::size_t slot = 0; slot < forecast.ShownOrder.Statuses.size(); ++slot) {
        forecast.OnlyOrdered += forecast.ShownOrder.Statuses[slot] == RunStatus::StatusExist &&
                                        forecast.Ordered.Statuses[slot] == RunStatus::StatusRenamed
                                    ? 1
                                    : 0;
    }
    return forecast;
}

} // namespace

RunForecast ForecastRun(const RenameList& list, const std::string& dirName, bool undoCheck,
                        const std::string& undoFolder, const SpaceReader& spaceOf)
{
    PlanOptions options;
    options.DirName = dirName;
    options.writeUndo = undoCheck;
    options.UndoReady = !undoCheck || UndoFolderReady(undoFolder);
    RunForecast forecast = PlanForecast(list, dirName, options);
    const bool renames = forecast.ShownOrder.Counts.Of(RunStatus::StatusRenamed) > 0 ||
                         forecast.Ordered.Counts.Of(RunStatus::StatusRenamed) > 0;
    // A run that renames nothing keeps no undo file.
    if (!undoCheck || !forecast.UndoReady || !renames) {
        return forecast;
    }
    const std::uint64_t bytes = std::max(UndoFileBytes(list.FilterList, forecast.ShownOrder, dirName),
                                         UndoFileBytes(list.FilterList, forecast.Ordered, dirName));
    const std::optional<FolderSpace> space = spaceOf(undoFolder);
    if (!space || UndoFileFits(bytes, *space)) {
        return forecast;
    }
    // The run would stop at the first line that finds no room.
    options.UndoReady = false;
    forecast = PlanForecast(list, dirName, options);
    forecast.UndoFull = true;
    return forecast;
}

} // namespace tollwick
