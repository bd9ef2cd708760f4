// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/PlanRows.h"

#include <limits>

namespace tollwick {
namespace {

using Id = NameIds::Id;
using Slot = std::uint32_t;
constexpr Slot NoSlot = std::numeric_limits<Slot>::max();

// The order of dependencies: a row whose new name a later row frees
// waits for it; what is left waiting at the end are cycles (and rows
// hanging on them), each broken through a temporary name. Every name's
// state sits in vectors by its number.
class OrderedPlanner {
public:
    OrderedPlanner(const std::vector<Row>& shown, const PlanRows& rows, RunPlan& plan)
        : shown_(shown), rows_(rows.Rows), plan_(plan), kinds_(rows.FolderKinds), pendingGivers_(kinds_.size(), 0),
          holder_(kinds_.size(), NoSlot), firstWaiter_(kinds_.size(), NoSlot), lastWaiter_(kinds_.size(), NoSlot),
          nextWaiter_(rows_.size(), NoSlot), phase_(rows_.size(), Phase::Open), walkOf_(rows_.size(), 0)
    {
        for (const PlanRow& row : rows_) {
            ++pendingGivers_[row.OldId];
        }
    }

    void Plan()
    {
        const auto slots = static_cast<Slot>(rows_.size());
        for (Slot slot = 0; slot < slots; ++slot) {
            Decide(slot);
            Settle();
        }
        for (Slot slot = 0; slot < slots; ++slot) {
            if (phase_[slot] == Phase::Waiting) {
                BreakCycleFrom(slot);
                Settle();
            }
        }
        for (Slot slot = 0; slot < slots; ++slot) {
            if (phase_[slot] != Phase::Done) {
                Finish(slot, RunStatus::StatusExist); // nothing frees its name after all
            }
        }
    }

private:
    enum class Phase : unsigned char { Open, Waiting, InTemporary, Done };
    struct Event {
        Id name;
        bool freed; // else: nobody will free it any more
    };

    [[nodiscard]] const Row& RowOf(Slot slot) const { return shown_[plan_.Rows[slot]]; }

    // A later row, or a waiting one, may still take its file away from the name.
    [[nodiscard]] bool MayBeFreed(Id name) const { return pendingGivers_[name] > 0 || holder_[name] != NoSlot; }

    void Decide(Slot slot)
    {
        const PlanRow& row = rows_[slot];
        --pendingGivers_[row.OldId];
        if (row.OldPlain && holder_[row.OldId] != NoSlot) {
            // The file of that name waits for a row of its own.
            Finish(slot, RunStatus::StatusDontExist);
        } else if (const std::optional<RunStatus> settled = StatusBeforeMove(row, kinds_)) {
            Finish(slot, *settled);
        } else if (row.MayBeRefused) {
            Finish(slot, RunStatus::StatusCanNot);
        } else if (const EntryKind holder = kinds_[row.NewId]; holder == EntryKind::None) {
            Move(slot);
        } else if (holder == EntryKind::File && MayBeFreed(row.NewId)) {
            phase_[slot] = Phase::Waiting;
            holder_[row.OldId] = slot;
            AppendWaiter(row.NewId, slot);
        } else {
            Finish(slot, TakenStatus(RowOf(slot), holder));
        }
    }

    void Move(Slot slot)
    {
        const PlanRow& row = rows_[slot];
        const bool fromTemporary = phase_[slot] == Phase::InTemporary;
        plan_.Moves.push_back(
            {plan_.Rows[slot], fromTemporary ? PlannedMove::Kind::FromTemporary : PlannedMove::Kind::Direct});
        if (!fromTemporary) {
            ForgetHolder(slot);
            kinds_[row.OldId] = EntryKind::None;
            events_.push_back({row.OldId, true});
        }
        kinds_[row.NewId] = EntryKind::File;
        phase_[slot] = Phase::Done;
        plan_.Statuses[slot] = RunStatus::StatusRenamed;
    }

    void Finish(Slot slot, RunStatus status)
    {
        const bool held = ForgetHolder(slot);
        phase_[slot] = Phase::Done;
        plan_.Statuses[slot] = status;
        // The file stays: rows waiting for its name may have lost their hope.
        if (held || status != RunStatus::StatusRenamed) {
            const Id name = rows_[slot].OldId;
            if (!MayBeFreed(name)) {
                events_.push_back({name, false});
            }
        }
    }

    bool ForgetHolder(Slot slot)
    {
        Slot& holder = holder_[rows_[slot].OldId];
        if (holder != slot) {
            return false;
        }
        holder = NoSlot;
        return true;
    }

    // The rows waiting for one name, first come first: a list through nextWaiter_.
    void AppendWaiter(Id name, Slot slot)
    {
        nextWaiter_[slot] = NoSlot;
        if (firstWaiter_[name] == NoSlot) {
            firstWaiter_[name] = slot;
        } else {
            nextWaiter_[lastWaiter_[name]] = slot;
        }
        lastWaiter_[name] = slot;
    }

    Slot PopWaiter(Id name)
    {
        const Slot first = firstWaiter_[name];
        firstWaiter_[name] = nextWaiter_[first];
        if (firstWaiter_[name] == NoSlot) {
            lastWaiter_[name] = NoSlot;
        }
        return first;
    }

    void MoveWaiterToFront(Id name, Slot slot)
    {
        if (firstWaiter_[name] == slot) {
            return;
        }
        Slot before = firstWaiter_[name];
        while (before != NoSlot && nextWaiter_[before] != slot) {
            before = nextWaiter_[before];
        }
        if (before != NoSlot) {
            nextWaiter_[before] = nextWaiter_[slot];
            if (lastWaiter_[name] == slot) {
                lastWaiter_[name] = before;
            }
        } else if (lastWaiter_[name] == NoSlot) {
            lastWaiter_[name] = slot;
        }
        nextWaiter_[slot] = firstWaiter_[name];
        firstWaiter_[name] = slot;
    }

    // Wakes the rows waiting for names that were freed, or that nobody frees any more.
    void Settle()
    {
        for (std::size_t next = 0; next < events_.size(); ++next) {
            const Event event = events_[next];
            while (firstWaiter_[event.name] != NoSlot && phase_[firstWaiter_[event.name]] == Phase::Done) {
                PopWaiter(event.name);
            }
            if (firstWaiter_[event.name] == NoSlot) {
                continue;
            }
            if (event.freed && kinds_[event.name] == EntryKind::None) {
                Move(PopWaiter(event.name));
                if (!MayBeFreed(event.name)) {
                    events_.push_back({event.name, false});
                }
            } else if (!event.freed) {
                Slot lost = firstWaiter_[event.name];
                firstWaiter_[event.name] = NoSlot;
                lastWaiter_[event.name] = NoSlot;
                while (lost != NoSlot) {
                    const Slot after = nextWaiter_[lost];
                    if (phase_[lost] != Phase::Done) {
                        Finish(lost, TakenStatus(RowOf(lost), EntryKind::File));
                    }
                    lost = after;
                }
            }
        }
        events_.clear();
    }

    // Each waiting row waits for the holder of its new name; following
    // them from `start` ends in a cycle or at a row already dealt with.
    void BreakCycleFrom(Slot start)
    {
        ++walk_;
        Slot slot = start;
        for (;;) {
            walkOf_[slot] = walk_;
            const Slot holder = holder_[rows_[slot].NewId];
            if (holder == NoSlot || phase_[holder] != Phase::Waiting) {
                return;
            }
            slot = holder;
            if (walkOf_[slot] != 0) {
                if (walkOf_[slot] == walk_) {
                    BreakCycleAt(slot);
                }
                return;
            }
        }
    }

    void BreakCycleAt(Slot member)
    {
        // Every member goes first among the rows that want its new name,
        // so the cycle closes and the file under the temporary name ends
        // at its new name.
        Slot slot = member;
        do {
            MoveWaiterToFront(rows_[slot].NewId, slot);
            slot = holder_[rows_[slot].NewId];
        } while (slot != member);
        plan_.Moves.push_back({plan_.Rows[member], PlannedMove::Kind::ToTemporary});
        ForgetHolder(member);
        phase_[member] = Phase::InTemporary;
        kinds_[rows_[member].OldId] = EntryKind::None;
        events_.push_back({rows_[member].OldId, true});
    }

    const std::vector<Row>& shown_;
    const std::vector<PlanRow>& rows_;
    RunPlan& plan_;
    std::vector<EntryKind> kinds_;            // by name: what the folder holds so far
    std::vector<std::int32_t> pendingGivers_; // by name: undecided rows of that old name
    std::vector<Slot> holder_;                // by name: the waiting row whose file holds it
    std::vector<Slot> firstWaiter_;           // by name: the rows that wait for it
    std::vector<Slot> lastWaiter_;
    std::vector<Slot> nextWaiter_; // by slot
    std::vector<Phase> phase_;     // by slot
    std::vector<unsigned> walkOf_; // by slot; 0: not yet walked
    std::vector<Event> events_;
    unsigned walk_ = 0;
};

} // namespace

void PlanInDependencyOrder(const std::vector<Row>& shown, const PlanRows& rows, RunPlan& plan)
{
    OrderedPlanner(shown, rows, plan).Plan();
}

} // namespace tollwick
