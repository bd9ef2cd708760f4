// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RunPlan.h"

#include "platform/Directory.h"
#include "platform/RenameFile.h"
#include "platform/Utf8.h"
#include "rename/Undo.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace tollwick {
namespace {

// Longer names the system refuses.
constexpr std::size_t NameMax = 255;

// The folder as the run leaves it so far: the listing, then the moves.
class NameState {
public:
    explicit NameState(const FolderView& folder) : folder_(folder) {}

    [[nodiscard]] EntryKind Kind(std::string_view name) const
    {
        const auto moved = moved_.find(name);
        if (moved != moved_.end()) {
            return moved->second ? EntryKind::File : EntryKind::None;
        }
        return folder_.KindOf(name);
    }
    void Remove(std::string_view name) { moved_[name] = false; }
    void Add(std::string_view name) { moved_[name] = true; }

private:
    const FolderView& folder_;
    std::unordered_map<std::string_view, bool> moved_;
};

// The checks that need no look at the target: what a row is when no move is due.
std::optional<RunStatus> StatusBeforeMove(const Row& row, const PlanOptions& options, const NameState& state)
{
    if (!IsPlainFileName(row.OldName)) {
        return RunStatus::StatusCanNot;
    }
    if (state.Kind(row.OldName) != EntryKind::File) {
        return RunStatus::StatusDontExist;
    }
    if (row.NewName == row.OldName) {
        return RunStatus::StatusCancel;
    }
    if (!IsPlainFileName(row.NewName) ||
        (options.UndoCheck && !UndoCanRecord(options.DirName, row.OldName, row.NewName))) {
        return RunStatus::StatusCanNot;
    }
    return std::nullopt;
}

// What a taken new name gives when nobody frees it.
RunStatus TakenStatus(const Row& row, EntryKind holder)
{
    return holder == EntryKind::File && !EqualIgnoringCase(row.OldName, row.NewName) ? RunStatus::StatusExist
                                                                                     : RunStatus::StatusCanNot;
}

bool MaySystemRefuse(const Row& row, const FolderView& folder)
{
    return row.NewName.size() > NameMax || !folder.Writable();
}

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

// The shown order as the run takes it, one row after the other.
void PlanShownOrder(const std::vector<Row>& shown, const PlanOptions& options, const FolderView& folder, RunPlan& plan)
{
    NameState state(folder);
    bool stopped = false; // the undo file could not be made
    for (std::size_t slot = 0; slot < plan.Rows.size(); ++slot) {
        const Row& row = shown[plan.Rows[slot]];
        RunStatus& status = plan.Statuses[slot];
        // The branches follow the run's order of decisions, so two may give the same status.
        if (stopped) { // NOLINT(bugprone-branch-clone)
            status = RunStatus::StatusCanNot;
        } else if (const std::optional<RunStatus> settled = StatusBeforeMove(row, options, state)) {
            status = *settled;
        } else if (!options.UndoReady) {
            stopped = true;
            status = RunStatus::StatusCanNot;
        } else if (MaySystemRefuse(row, folder)) {
            status = RunStatus::StatusCanNot;
        } else if (const EntryKind holder = state.Kind(row.NewName); holder != EntryKind::None) {
            status = TakenStatus(row, holder);
        } else {
            status = RunStatus::StatusRenamed;
            state.Remove(row.OldName);
            state.Add(row.NewName);
        }
    }
}

// The order of dependencies: a row whose new name a later row frees
// waits for it; what is left waiting at the end are cycles (and rows
// hanging on them), each broken through a temporary name.
class OrderedPlanner {
public:
    OrderedPlanner(const std::vector<Row>& shown, const PlanOptions& options, const FolderView& folder, RunPlan& plan)
        : shown_(shown), options_(options), folder_(folder), plan_(plan), state_(folder),
          phase_(plan.Rows.size(), Phase::Open)
    {
        pendingGivers_.reserve(plan_.Rows.size());
        holders_.reserve(plan_.Rows.size() / 4);
        for (const std::size_t position : plan_.Rows) {
            ++pendingGivers_[shown_[position].OldName];
        }
    }

    void Plan()
    {
        for (std::size_t slot = 0; slot < plan_.Rows.size(); ++slot) {
            Decide(slot);
            Settle();
        }
        for (std::size_t slot = 0; slot < plan_.Rows.size(); ++slot) {
            if (phase_[slot] == Phase::Waiting) {
                BreakCycleFrom(slot);
                Settle();
            }
        }
        for (std::size_t slot = 0; slot < plan_.Rows.size(); ++slot) {
            if (phase_[slot] != Phase::Done) {
                Finish(slot, RunStatus::StatusExist); // nothing frees its name after all
            }
        }
    }

private:
    enum class Phase : unsigned char { Open, Waiting, InTemporary, Done };
    struct Event {
        std::string_view name;
        bool freed; // else: nobody will free it any more
    };

    [[nodiscard]] const Row& RowOf(std::size_t slot) const { return shown_[plan_.Rows[slot]]; }

    // A later row, or a waiting one, may still take its file away from the name.
    [[nodiscard]] bool MayBeFreed(std::string_view name) const
    {
        const auto pending = pendingGivers_.find(name);
        return (pending != pendingGivers_.end() && pending->second > 0) || holders_.contains(name);
    }

    void Decide(std::size_t slot)
    {
        const Row& row = RowOf(slot);
        --pendingGivers_[row.OldName];
        if (IsPlainFileName(row.OldName) && holders_.contains(row.OldName)) {
            // The file of that name waits for a row of its own.
            Finish(slot, RunStatus::StatusDontExist);
        } else if (const std::optional<RunStatus> settled = StatusBeforeMove(row, options_, state_)) {
            Finish(slot, *settled);
        } else if (MaySystemRefuse(row, folder_)) {
            Finish(slot, RunStatus::StatusCanNot);
        } else if (const EntryKind holder = state_.Kind(row.NewName); holder == EntryKind::None) {
            Move(slot);
        } else if (holder == EntryKind::File && MayBeFreed(row.NewName)) {
            phase_[slot] = Phase::Waiting;
            holders_[row.OldName] = slot;
            waiters_[row.NewName].push_back(slot);
        } else {
            Finish(slot, TakenStatus(row, holder));
        }
    }

    void Move(std::size_t slot)
    {
        const Row& row = RowOf(slot);
        const bool fromTemporary = phase_[slot] == Phase::InTemporary;
        plan_.Moves.push_back(
            {plan_.Rows[slot], fromTemporary ? PlannedMove::Kind::FromTemporary : PlannedMove::Kind::Direct});
        if (!fromTemporary) {
            ForgetHolder(slot);
            state_.Remove(row.OldName);
            events_.push_back({row.OldName, true});
        }
        state_.Add(row.NewName);
        phase_[slot] = Phase::Done;
        plan_.Statuses[slot] = RunStatus::StatusRenamed;
    }

    void Finish(std::size_t slot, RunStatus status)
    {
        const bool held = ForgetHolder(slot);
        phase_[slot] = Phase::Done;
        plan_.Statuses[slot] = status;
        // The file stays: rows waiting for its name may have lost their hope.
        if (held || status != RunStatus::StatusRenamed) {
            const std::string_view name = RowOf(slot).OldName;
            if (!MayBeFreed(name)) {
                events_.push_back({name, false});
            }
        }
    }

    bool ForgetHolder(std::size_t slot)
    {
        const auto holder = holders_.find(RowOf(slot).OldName);
        if (holder == holders_.end() || holder->second != slot) {
            return false;
        }
        holders_.erase(holder);
        return true;
    }

    // Wakes the rows waiting for names that were freed, or that nobody frees any more.
    void Settle()
    {
        while (!events_.empty()) {
            const Event event = events_.front();
            events_.pop_front();
            const auto waiting = waiters_.find(event.name);
            if (waiting == waiters_.end()) {
                continue;
            }
            // Few rows wait for one name; a vector costs far less than a deque each.
            std::vector<std::size_t>& queue = waiting->second;
            const auto done = std::find_if(queue.begin(), queue.end(),
                                           [this](std::size_t slot) { return phase_[slot] != Phase::Done; });
            queue.erase(queue.begin(), done);
            if (event.freed && !queue.empty() && state_.Kind(event.name) == EntryKind::None) {
                const std::size_t first = queue.front();
                queue.erase(queue.begin());
                Move(first);
                if (!MayBeFreed(event.name)) {
                    events_.push_back({event.name, false});
                }
            } else if (!event.freed) {
                std::vector<std::size_t> lost;
                lost.swap(queue);
                waiters_.erase(waiting);
                for (const std::size_t slot : lost) {
                    if (phase_[slot] != Phase::Done) {
                        Finish(slot, TakenStatus(RowOf(slot), EntryKind::File));
                    }
                }
            }
        }
    }

    // Each waiting row waits for the holder of its new name; following
    // them from `start` ends in a cycle or at a row already dealt with.
    void BreakCycleFrom(std::size_t start)
    {
        ++walk_;
        std::size_t slot = start;
        for (;;) {
            walkOf_[slot] = walk_;
            const auto holder = holders_.find(RowOf(slot).NewName);
            if (holder == holders_.end() || phase_[holder->second] != Phase::Waiting) {
                return;
            }
            slot = holder->second;
            if (walkOf_[slot] != 0) {
                if (walkOf_[slot] == walk_) {
                    BreakCycleAt(slot);
                }
                return;
            }
        }
    }

    void BreakCycleAt(std::size_t member)
    {
        // Every member goes first among the rows that want its new name,
        // so the cycle closes and the file under the temporary name ends
        // at its new name.
        std::size_t slot = member;
        do {
            std::vector<std::size_t>& queue = waiters_[RowOf(slot).NewName];
            std::erase(queue, slot);
            queue.insert(queue.begin(), slot);
            slot = holders_.at(RowOf(slot).NewName);
        } while (slot != member);
        const Row& row = RowOf(member);
        plan_.Moves.push_back({plan_.Rows[member], PlannedMove::Kind::ToTemporary});
        ForgetHolder(member);
        phase_[member] = Phase::InTemporary;
        state_.Remove(row.OldName);
        events_.push_back({row.OldName, true});
    }

    const std::vector<Row>& shown_;
    const PlanOptions& options_;
    const FolderView& folder_;
    RunPlan& plan_;
    NameState state_;
    std::vector<Phase> phase_;
    std::unordered_map<std::string_view, std::int32_t> pendingGivers_; // undecided rows by old name
    std::unordered_map<std::string_view, std::size_t> holders_;        // waiting rows by the name their file holds
    std::unordered_map<std::string_view, std::vector<std::size_t>> waiters_; // by the name they wait for
    std::deque<Event> events_;
    std::vector<unsigned> walkOf_ = std::vector<unsigned>(plan_.Rows.size(), 0); // 0: not yet walked
    unsigned walk_ = 0;
};

} // namespace

FolderView::FolderView(std::string dirName, std::optional<FolderNames> names, bool writable)
    : dirName_(std::move(dirName)), names_(std::move(names)), writable_(writable)
{
}

FolderView FolderView::Of(const std::string& dirName)
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
    if (names_->folders.contains(name)) {
        return EntryKind::Folder;
    }
    return names_->files.contains(name) ? EntryKind::File : EntryKind::None;
}

RunPlan PlanRun(const std::vector<Row>& shown, const PlanOptions& options, const FolderView& folder)
{
    RunPlan plan = StartPlan(shown);
    if (!IsRunnableFolder(options.DirName)) {
        // Every row stays StatusCanNot.
    } else if (!options.Ordered) {
        PlanShownOrder(shown, options, folder, plan);
    } else {
        OrderedPlanner(shown, options, folder, plan).Plan();
        if (!options.UndoReady) {
            // Without the undo file no move is made.
            for (const PlannedMove& move : plan.Moves) {
                const auto slot = static_cast<std::size_t>(
                    std::lower_bound(plan.Rows.begin(), plan.Rows.end(), move.Shown) - plan.Rows.begin());
                plan.Statuses[slot] = RunStatus::StatusCanNot;
            }
            plan.Moves.clear();
        }
    }
    CountStatuses(plan);
    return plan;
}

RunForecast ForecastRun(const RenameList& list, const std::string& dirName, bool undoCheck,
                        const std::string& undoFolder)
{
    const FolderView folder = FolderView::Of(dirName);
    PlanOptions options;
    options.DirName = dirName;
    options.UndoCheck = undoCheck;
    options.UndoReady = !undoCheck || UndoFolderReady(undoFolder);
    RunForecast forecast;
    forecast.UndoReady = options.UndoReady;
    forecast.ShownOrder = PlanRun(list.FilterList, options, folder);
    options.Ordered = true;
    forecast.Ordered = PlanRun(list.FilterList, options, folder);
    for (std::size_t slot = 0; slot < forecast.ShownOrder.Statuses.size(); ++slot) {
        forecast.OnlyOrdered += forecast.ShownOrder.Statuses[slot] == RunStatus::StatusExist &&
                                        forecast.Ordered.Statuses[slot] == RunStatus::StatusRenamed
                                    ? 1
                                    : 0;
    }
    return forecast;
}

} // namespace tollwick
