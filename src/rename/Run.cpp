// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Run.h"

#include "platform/Directory.h"
#include "platform/RenameFile.h"
#include "platform/Subfolders.h"
#include "platform/Utf8.h"
#include "rename/Undo.h"

#include <optional>
#include <unordered_set>

namespace tollwick {
namespace {

constexpr std::array<std::string_view, RunStatusCount> StatusKeys = {"StatusDontExist", "StatusCancel", "StatusExist",
                                                                     "StatusRenamed", "StatusCanNot"};

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

// The words a run shows: the status words and its own reasons of refusal.
struct RunTexts {
    std::array<std::string, RunStatusCount> Status;
    std::string NoFolder;    // "ReasonNoFolder"
    std::string BadName;     // "ReasonBadName"
    std::string UndoName;    // "ReasonUndoName"
    std::string UndoStopped; // "ReasonUndoStopped"
};

RunTexts TextsOf(const TextLookup& lookup)
{
    RunTexts texts;
    for (std::size_t k = 0; k < RunStatusCount; ++k) {
        texts.Status[k] = lookup(StatusKeys[k]);
    }
    texts.NoFolder = lookup("ReasonNoFolder");
    texts.BadName = lookup("ReasonBadName");
    texts.UndoName = lookup("ReasonUndoName");
    texts.UndoStopped = lookup("ReasonUndoStopped");
    return texts;
}

struct RowResult {
    RunStatus Status = RunStatus::StatusCanNot;
    std::string Reason;
};

RowResult Refused(std::string reason)
{
    return {RunStatus::StatusCanNot, std::move(reason)};
}

// Decides one checked row and renames its file when that is due. Only
// names that stay inside the list folder ever reach a file call.
RowResult RunRow(const std::string& dirName, const SourceTest& source, const Row& row, UndoRecorder* undo,
                 const RunTexts& texts)
{
    // Names that could reach outside the folder are refused before any call.
    if (!IsPlainFileName(row.OldName)) {
        return Refused(texts.BadName);
    }
    if (!source.MayBeFile(row.OldName)) {
        return {RunStatus::StatusDontExist, {}};
    }
    const bool plain = IsPlainFileName(row.NewName);
    const bool recordable = !undo || UndoCanRecord(dirName, row.OldName, row.NewName);
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
    const RenameResult result = RenameNoReplace(dirName, row.OldName, row.NewName, undo);
    if (result.Unrecorded) {
        return Refused(texts.UndoStopped);
    }
    switch (result.Outcome) {
    case RenameOutcome::Renamed:
        return {RunStatus::StatusRenamed, {}};
    case RenameOutcome::TargetTaken:
        // A change of case alone is refused when the other spelling is another file.
        if (!EqualIgnoringCase(row.OldName, row.NewName) && EntryExists(dirName + row.NewName)) {
            return {RunStatus::StatusExist, {}};
        }
        break;
    case RenameOutcome::SourceMissing:
        return {RunStatus::StatusDontExist, {}};
    case RenameOutcome::Refused:
        break;
    }
    return Refused(result.Error != 0 ? SystemErrorText(result.Error) : texts.BadName);
}

} // namespace

std::string_view StatusKey(RunStatus status)
{
    return StatusKeys.at(static_cast<std::size_t>(status));
}

PreviewInfo PreparePreview(const RenameList& list, const std::string& dirName, bool undoCheck, const TextLookup& lookup,
                           Progress& progress)
{
    std::int32_t checked = 0;
    {
        const SavedCursor cursor(progress);
        progress.ShowProgress(0, static_cast<int>(list.FilterList.size()));
        int step = 0;
        for (const Row& row : list.FilterList) {
            checked += row.Checked ? 1 : 0;
            progress.ShowProgress(++step, 0);
        }
    }
    progress.ShowProgress(0, 100);
    PreviewInfo info;
    info.PreviewDirLabel = dirName;
    info.PreviewCtyLabel = std::to_string(checked);
    info.ResultTotalLabel = info.PreviewCtyLabel;
    info.PreviewUndoLabel = lookup(undoCheck ? "PreviewUndoLabel1" : "PreviewUndoLabel2");
    return info;
}

bool IsRunnableFolder(std::string_view dirName)
{
    return !dirName.empty() && dirName.front() == '/' && dirName.back() == '/';
}

RunSummary RunRename(const RenameList& list, const RunOptions& options, const TextLookup& lookup, Progress& progress,
                     const ResultSink& onResult)
{
    RunSummary summary;
    const RunTexts texts = TextsOf(lookup);
    const bool runnable = IsRunnableFolder(options.DirName);
    std::optional<UndoRecorder> undo;
    if (options.UndoCheck && runnable) {
        undo.emplace(options.DirName, options.UndoFolder, options.Clock ? options.Clock : NowLocal);
    }
    progress.ShowProgress(0, static_cast<int>(list.FilterList.size()));
    {
        const SavedCursor cursor(progress);
        const SourceTest source(runnable ? options.DirName : std::string());
        ResultRow result;
        int step = 0;
        for (const Row& row : list.FilterList) {
            if (row.Checked) {
                const RowResult done = !runnable ? Refused(texts.NoFolder)
                                       : undo && undo->Stopped()
                                           ? Refused(texts.UndoStopped)
                                           : RunRow(options.DirName, source, row, undo ? &*undo : nullptr, texts);
                const auto slot = static_cast<std::size_t>(done.Status);
                ++summary.Counts.ByStatus[slot];
                if (onResult) {
                    result.OldName = row.OldName;
                    result.NewName = row.NewName;
                    result.StatusText = texts.Status[slot];
                    result.DateText = row.DateText;
                    result.Status = done.Status;
                    result.Reason = done.Reason;
                    onResult(result, summary.Counts);
                }
            }
            progress.ShowProgress(++step, 0);
        }
        if (undo) {
            const UndoRecorder::Outcome outcome = undo->Finish();
            summary.UndoPath = outcome.Path;
            summary.Undo = outcome.Result;
            summary.UndoLines = undo->TakeLines();
        }
    }
    progress.ShowProgress(0, 100);
    return summary;
}

} // namespace tollwick
