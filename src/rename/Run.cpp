// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Run.h"

#include "platform/Directory.h"
#include "platform/RenameFile.h"
#include "platform/Subfolders.h"
#include "platform/Utf8.h"
#include "rename/OrderedRun.h"
#include "rename/RunLock.h"
#include "rename/RunOutcome.h"
#include "rename/RunPlan.h"
#include "rename/Undo.h"

#include <optional>
#include <unordered_set>

namespace tollwick {
namespace {

// Tells folders from files. One listing of the folder at the start spares
// the run an existence test per row: the rename itself reports a missing
// source, and only folders, which it would move too, must be kept from it.
class SourceTest {
public:
    explicit SourceTest(const std::string& dirName) : dirName_(dirName), subfolders_(SubfolderNames(dirName)) {}

    // False when the name can be no file of the folder.
    [[nodiscard]] bool MayBeFile(const std::string& name) const
    {
        if (!IsPlainFileName(name)) {
            return false; // "", "." and ".." name the folder or its parent
        }
        return subfolders_ ? subfolders_->count(name) == 0 : EntryExists(dirName_ + name);
    }

    [[nodiscard]] bool IsFile(const std::string& name) const
    {
        return MayBeFile(name) && (!subfolders_ || EntryExists(dirName_ + name));
    }

private:
    std::string dirName_;
    std::optional<std::unordered_set<std::string>> subfolders_;
};

// Decides one checked row and renames its file when that is due. Only
// names that stay inside the list folder ever reach a file call.
RowResult RunRow(const std::string& dirName, const FolderDescriptor& folder, const SourceTest& source, const Row& row,
                 UndoRecorder* undo, const RunTexts& texts)
{
    // Names that could reach outside the folder are refused before any call.
    if (!IsPlainFileName(row.OldName)) {
        return Refused(texts.BadName);
    }
    if (!source.MayBeFile(row.OldName)) {
        return {RunStatus::StatusDontExist, {}};
    }
    const bool plain = IsPlainFileName(row.NewName);
    const bool recordable = undo == nullptr || UndoCanRecord(dirName, row.OldName, row.NewName);
    if (row.NewName == row.OldName || !plain || !recordable) {
        if (!source.IsFile(row.OldName)) {
            return {RunStatus::StatusDontExist, {}};
        }
        if (row.NewName == row.OldName) {
            return {RunStatus::StatusCancel, {}};
        }
        return Refused(plain ? texts.UndoName : texts.BadName);
    }
    // The rename itself refuses a taken name, so a file that turns up after
    // any test of ours is never replaced; the test follows the refusal.
    return ResultOfRename(dirName, row, RenameNoReplace(folder, row.OldName, row.NewName, undo), texts);
}

} // namespace

PreviewInfo PreparePreview(const RenameList& list, const std::string& dirName, bool undoCheck, const TextLookup& lookup,
                           Progress& progress)
{
    std::int32_t checked = 0;
    {
        ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
        int step = 0;
        for (const Row& row : list.FilterList) {
            checked += row.Checked ? 1 : 0;
            pass.Step(++step);
        }
    }
    PreviewInfo info;
    info.folder = dirName;
    info.checkedCount = std::to_string(checked);
    info.totalCount = info.checkedCount;
    info.undoLine = lookup(undoCheck ? "PreviewUndoLabel1" : "PreviewUndoLabel2");
    return info;
}

bool IsRunnableFolder(std::string_view dirName)
{
    return !dirName.empty() && dirName.front() == '/' && dirName.back() == '/';
}

bool LeavesRowsUnrenamed(const RunCounts& counts)
{
    return counts.Of(RunStatus::StatusDontExist) > 0 || counts.Of(RunStatus::StatusExist) > 0 ||
           counts.Of(RunStatus::StatusCanNot) > 0 || counts.Of(RunStatus::StatusNotReached) > 0;
}

namespace {

// Counts a checked row and hands its result line to the window.
class ResultReporter {
public:
    ResultReporter(const RunTexts& texts, RunCounts& counts, const ResultSink& onResult)
        : texts_(texts), counts_(counts), onResult_(onResult)
    {
    }

    void Report(const Row& row, const RowResult& done)
    {
        const auto slot = static_cast<std::size_t>(done.Status);
        ++counts_.ByStatus[slot];
        if (onResult_) {
            line_.OldName = row.OldName;
            line_.NewName = row.NewName;
            line_.StatusText = texts_.Status[slot];
            line_.Date = row.Date;
            line_.Status = done.Status;
            line_.Reason = done.Reason;
            onResult_(line_, counts_);
        }
    }

private:
    const RunTexts& texts_;
    RunCounts& counts_;
    const ResultSink& onResult_;
    ResultRow line_;
};

// Marks the run stopped when the user asked for it; a stop of another cause stays.
bool StopAsked(const RunOptions& options, RunStop& stop)
{
    if (stop.Stopped() || !options.stopRequest.stop_requested()) {
        return false;
    }
    stop = {RunStop::Cause::Cancelled, options.DirName, 0};
    return true;
}

void RunInShownOrder(const RenameList& list, const RunOptions& options, UndoRecorder* undo, const RunTexts& texts,
                     ResultReporter& reporter, ProgressPass& pass, RunStop& stop)
{
    const bool runnable = IsRunnableFolder(options.DirName);
    const SourceTest source(runnable ? options.DirName : std::string());
    // Opened once: each rename then names its file relative to the folder.
    const FolderDescriptor folder(runnable ? options.DirName : std::string(), *options.Calls);
    int step = 0;
    for (const Row& row : list.FilterList) {
        if (!row.Checked) {
            pass.Step(++step);
            continue;
        }
        if (!runnable) {
            reporter.Report(row, Refused(texts.NoFolder));
        } else if (stop.Stopped() || StopAsked(options, stop)) {
            reporter.Report(row, NotReached(stop, texts));
        } else {
            const RowResult done = RunRow(options.DirName, folder, source, row, undo, texts);
            NoteStop(done, undo, options.DirName, stop);
            reporter.Report(row, done.Status == RunStatus::StatusNotReached ? NotReached(stop, texts) : done);
        }
        pass.Step(++step);
    }
}

// The plan is made from a listing taken now, and the rows are reported in
// shown order: each row's own status is what the result page is read for.
void RunInDependencyOrder(const RenameList& list, const RunOptions& options, UndoRecorder* undo, const RunTexts& texts,
                          ResultReporter& reporter, ProgressPass& pass, RunStop& stop)
{
    PlanOptions planning;
    planning.DirName = options.DirName;
    planning.writeUndo = options.writeUndo;
    planning.Ordered = true;
    const RunPlan plan = PlanRun(list.FilterList, planning, FolderView::Of(planning.DirName));
    const FolderDescriptor folder(options.DirName, *options.Calls);
    const PlannedRun run{list.FilterList, plan, options.DirName, folder, undo, texts, nullptr, options.stopRequest};
    RunPlannedMoves(run, stop, [&](std::size_t slot, const RowResult& done) {
        reporter.Report(list.FilterList[plan.Rows[slot]], done);
        pass.Step(static_cast<int>(plan.Rows[slot]) + 1);
    });
    pass.Step(static_cast<int>(list.FilterList.size()));
}

} // namespace

RunSummary RunRename(const RenameList& list, const RunOptions& options, const TextLookup& lookup, Progress& progress,
                     const ResultSink& onResult)
{
    RunSummary summary;
    const std::optional<FolderLock> lock = LockFolderForRun(options.DirName, options.WhenBusy);
    if (IsRunnableFolder(options.DirName)) {
        RemoveLeftReservations(options.DirName, options.Reservations);
    }
    const RunTexts texts = TextsOf(lookup);
    std::optional<UndoRecorder> undo;
    if (options.writeUndo && IsRunnableFolder(options.DirName)) {
        undo.emplace(options.DirName, options.UndoFolder, options.Clock ? options.Clock : NowLocal, *options.Calls,
                     options.UndoSyncInterval);
    }
    {
        ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
        ResultReporter reporter(texts, summary.Counts, onResult);
        UndoRecorder* journal = undo ? &*undo : nullptr;
        if (options.Ordered && IsRunnableFolder(options.DirName)) {
            RunInDependencyOrder(list, options, journal, texts, reporter, pass, summary.Stop);
        } else {
            RunInShownOrder(list, options, journal, texts, reporter, pass, summary.Stop);
        }
        if (undo) {
            const UndoRecorder::Outcome outcome = undo->Finish();
            summary.UndoPath = outcome.Path;
            summary.Undo = outcome.Result;
            // The last sync may fail too, once every rename is made.
            if (outcome.Result == UndoOutcome::NotWritten && !summary.Stop.Stopped()) {
                summary.Stop = undo->Fault();
            }
        }
    }
    return summary;
}

} // namespace tollwick
