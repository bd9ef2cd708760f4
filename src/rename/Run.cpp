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
    const std::string& dirName_;
    std::optional<std::unordered_set<std::string>> subfolders_;
};

// Decides one checked row and renames its file when that is due. Only
// names that stay inside the list folder ever reach a file call.
RunStatus RunRow(const std::string& dirName, const SourceTest& source, const Row& row, bool undoCheck)
{
    // Names that could reach outside the folder are refused before any call.
    if (!IsPlainFileName(row.OldName)) {
        return RunStatus::StatusCanNot;
    }
    if (!source.MayBeFile(row.OldName)) {
        return RunStatus::StatusDontExist;
    }
    const bool renamable = row.NewName != row.OldName && IsPlainFileName(row.NewName) &&
                           (!undoCheck || UndoCanRecord(dirName, row.OldName, row.NewName));
    if (!renamable) {
        if (!source.IsFile(row.OldName)) {
            return RunStatus::StatusDontExist;
        }
        return row.NewName == row.OldName ? RunStatus::StatusCancel : RunStatus::StatusCanNot;
    }
    // The rename itself refuses a taken name, so a file that turns up after
    // any test of ours is never replaced; the test follows the refusal.
    switch (RenameNoReplace(dirName, row.OldName, row.NewName)) {
    case RenameOutcome::Renamed:
        return RunStatus::StatusRenamed;
    case RenameOutcome::TargetTaken:
        // A change of case alone is refused when the other spelling is another file.
        return !EqualIgnoringCase(row.OldName, row.NewName) && EntryExists(dirName + row.NewName)
                   ? RunStatus::StatusExist
                   : RunStatus::StatusCanNot;
    case RenameOutcome::SourceMissing:
        return RunStatus::StatusDontExist;
    case RenameOutcome::Refused:
        break;
    }
    return RunStatus::StatusCanNot;
}

// The status words of the language in use when the run starts.
std::array<std::string, RunStatusCount> StatusTexts(const TextLookup& lookup)
{
    std::array<std::string, RunStatusCount> texts;
    for (std::size_t k = 0; k < RunStatusCount; ++k) {
        texts[k] = lookup(StatusKeys[k]);
    }
    return texts;
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
        ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
        int step = 0;
        for (const Row& row : list.FilterList) {
            checked += row.Checked ? 1 : 0;
            pass.Step(++step);
        }
    }
    PreviewInfo info;
    info.PreviewDirLabel = dirName;
    info.PreviewCtyLabel = std::to_string(checked);
    info.ResultTotalLabel = info.PreviewCtyLabel;
    info.PreviewUndoLabel = lookup(undoCheck ? "PreviewUndoLabel1" : "PreviewUndoLabel2");
    return info;
}

RunSummary RunRename(const RenameList& list, const RunOptions& options, const TextLookup& lookup, Progress& progress,
                     const ResultSink& onResult)
{
    RunSummary summary;
    const std::array<std::string, RunStatusCount> texts = StatusTexts(lookup);
    std::optional<UndoRecorder> undo;
    if (options.UndoCheck) {
        undo.emplace(options.DirName, options.UndoFolder, options.Clock ? options.Clock : NowLocal);
    }
    {
        ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
        const SourceTest source(options.DirName);
        ResultRow result;
        int step = 0;
        for (const Row& row : list.FilterList) {
            if (row.Checked) {
                const RunStatus status = RunRow(options.DirName, source, row, options.UndoCheck);
                if (status == RunStatus::StatusRenamed && undo) {
                    undo->Record(row.NewName, row.OldName);
                }
                const auto slot = static_cast<std::size_t>(status);
                ++summary.Counts.ByStatus[slot];
                if (onResult) {
                    result.OldName = row.OldName;
                    result.NewName = row.NewName;
                    result.StatusText = texts[slot];
                    result.DateText = row.DateText;
                    result.Status = status;
                    onResult(result, summary.Counts);
                }
            }
            pass.Step(++step);
        }
        if (undo) {
            const UndoRecorder::Outcome outcome = undo->Finish();
            summary.UndoPath = outcome.Path;
            summary.Undo = outcome.Result;
            summary.UndoLines = undo->TakeLines();
        }
    }
    return summary;
}

} // namespace tollwick
