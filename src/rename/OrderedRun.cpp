// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/OrderedRun.h"

#include "platform/RenameFile.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace tollwick {
namespace {

constexpr std::size_t NoMove = static_cast<std::size_t>(-1);

class MoveRunner {
public:
    MoveRunner(const PlannedRun& run, RunStop& stop, const RowDone& onDone)
        : shown_(run.Shown), plan_(run.Plan), dirName_(run.DirName), folder_(run.Folder), undo_(run.Undo),
          journal_(run.Journal != nullptr ? run.Journal : run.Undo), texts_(run.Texts), stopRequest_(run.StopRequest),
          stop_(stop), onDone_(onDone), results_(run.Plan.Rows.size()), lastMove_(run.Plan.Rows.size(), NoMove),
          temporary_(run.Plan.Rows.size())
    {
        for (std::size_t slot = 0; slot < plan_.Rows.size(); ++slot) {
            results_[slot].Status = plan_.Statuses[slot];
            if (plan_.Statuses[slot] == RunStatus::StatusCanNot) {
                results_[slot].Reason = PlannedRefusal(dirName_, RowAt(slot), undo_ != nullptr, texts_);
            }
        }
        for (std::size_t k = 0; k < plan_.Moves.size(); ++k) {
            lastMove_[SlotOf(plan_.Moves[k].Shown)] = k;
        }
    }

    void Run()
    {
        ReportReadyRows();
        for (std::size_t k = 0; k < plan_.Moves.size(); ++k) {
            const std::size_t slot = SlotOf(plan_.Moves[k].Shown);
            if (lastMove_[slot] == NoMove) {
                continue; // an earlier move of the row failed
            }
            if (!stop_.Stopped() && stopRequest_.stop_requested() && NoFileAside()) {
                stop_ = {RunStop::Cause::Cancelled, dirName_, 0};
            }
            if (stop_.Stopped()) {
                Fail(slot, NotReached(stop_, texts_));
                ReportReadyRows();
                continue;
            }
            Make(plan_.Moves[k], slot);
            NoteStop(results_[slot], undo_, dirName_, stop_);
            if (results_[slot].Status == RunStatus::StatusNotReached) {
                Fail(slot, NotReached(stop_, texts_));
            }
            if (lastMove_[slot] == k) {
                lastMove_[slot] = NoMove;
            }
            ReportReadyRows();
        }
    }

private:
    // A stop between the moves of a cycle would leave its first file under
    // a temporary name: the cycle is closed first.
    [[nodiscard]] bool NoFileAside() const { return aside_ == 0; }

    // Every change of a temporary name goes through here, so the count stays true.
    void SetTemporary(std::size_t slot, std::optional<std::string> name)
    {
        aside_ = aside_ - (temporary_[slot] ? 1 : 0) + (name ? 1 : 0);
        temporary_[slot] = std::move(name);
    }

    [[nodiscard]] const Row& RowAt(std::size_t slot) const { return shown_[plan_.Rows[slot]]; }

    [[nodiscard]] std::size_t SlotOf(std::size_t shown) const
    {
        return static_cast<std::size_t>(std::lower_bound(plan_.Rows.begin(), plan_.Rows.end(), shown) -
                                        plan_.Rows.begin());
    }

    void Make(const PlannedMove& move, std::size_t slot)
    {
        const Row& row = RowAt(slot);
        switch (move.Step) {
        case PlannedMove::Kind::Direct:
            results_[slot] =
                ResultOfRename(dirName_, row, RenameNoReplace(folder_, row.OldName, row.NewName, journal_), texts_);
            break;
        case PlannedMove::Kind::ToTemporary:
            MoveAside(slot);
            break;
        case PlannedMove::Kind::FromTemporary:
            results_[slot] = ResultOfRename(dirName_, row,
                                            RenameNoReplace(folder_, *temporary_[slot], row.NewName, journal_), texts_);
            if (results_[slot].Status != RunStatus::StatusRenamed) {
                PutBack(slot);
            } else {
                SetTemporary(slot, std::nullopt);
            }
            break;
        }
    }

    // Breaks a cycle: the file steps aside under a reserved name, which the
    // undo file names before the file gets there.
    void MoveAside(std::size_t slot)
    {
        const Row& row = RowAt(slot);
        SetTemporary(slot, ReserveTemporaryName(folder_, journal_));
        if (!temporary_[slot]) {
            const int error = errno;
            if (journal_ != nullptr && journal_->Stopped()) {
                // The reservation found no room in the record: the stop says why.
                Fail(slot, RowResult{RunStatus::StatusNotReached, {}, 0});
                return;
            }
            RowResult refused = Refused(SystemErrorText(error));
            refused.Error = error;
            Fail(slot, std::move(refused));
            return;
        }
        const RenameResult aside = MoveOntoReservation(folder_, row.OldName, *temporary_[slot], journal_);
        if (aside.Outcome != RenameOutcome::Renamed) {
            SetTemporary(slot, std::nullopt);
            Fail(slot, ResultOfRename(dirName_, row, aside, texts_));
        }
    }

    void Fail(std::size_t slot, RowResult result)
    {
        results_[slot] = std::move(result);
        if (temporary_[slot]) {
            PutBack(slot);
        }
        lastMove_[slot] = NoMove;
    }

    // The file left under its temporary name goes back to its old name
    // where that is free; else it stays where the undo file names it, and
    // the row says so: its status must tell where the file is.
    void PutBack(std::size_t slot)
    {
        MoveJournal* journal = journal_ != nullptr && !journal_->Stopped() ? journal_ : nullptr;
        const std::string temporary = *temporary_[slot];
        SetTemporary(slot, std::nullopt);
        if (RenameNoReplace(folder_, temporary, RowAt(slot).OldName, journal).Outcome != RenameOutcome::Renamed) {
            results_[slot] = Refused(LeftAside(texts_, temporary));
        }
    }

    void ReportReadyRows()
    {
        while (reported_ < plan_.Rows.size() && lastMove_[reported_] == NoMove) {
            onDone_(reported_, results_[reported_]);
            ++reported_;
        }
    }

    const std::vector<Row>& shown_;
    const RunPlan& plan_;
    const std::string& dirName_;
    const FolderDescriptor& folder_;
    UndoRecorder* undo_;   // its faults stop the run
    MoveJournal* journal_; // hears of every move; the undo file unless a test listens
    const RunTexts& texts_;
    std::stop_token stopRequest_;
    RunStop& stop_;
    const RowDone& onDone_;
    std::vector<RowResult> results_;
    std::vector<std::size_t> lastMove_; // the row's last move still to make, or NoMove once final
    std::vector<std::optional<std::string>> temporary_;
    std::size_t aside_ = 0; // files now under a temporary name
    std::size_t reported_ = 0;
};

} // namespace

void RunPlannedMoves(const PlannedRun& run, RunStop& stop, const RowDone& onDone)
{
    MoveRunner(run, stop, onDone).Run();
}

} // namespace tollwick
