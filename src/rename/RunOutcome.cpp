// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RunOutcome.h"

#include "platform/Directory.h"
#include "platform/Utf8.h"
#include "rename/Undo.h"

#include <cerrno>

namespace tollwick {
namespace {

constexpr std::array<std::string_view, RunStatusCount> StatusKeys = {
    "StatusDontExist", "StatusCancel", "StatusExist", "StatusRenamed", "StatusCanNot", "StatusNotReached"};

// Longer names the system refuses.
constexpr std::size_t NameMax = 255;

} // namespace

std::string_view StatusKey(RunStatus status)
{
    return StatusKeys.at(static_cast<std::size_t>(status));
}

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
    texts.LeftAside = lookup("ReasonLeftAside");
    texts.RunStopped = lookup("ReasonRunStopped");
    texts.RunCancelled = lookup("ReasonRunCancelled");
    return texts;
}

RowResult Refused(std::string reason)
{
    return {RunStatus::StatusCanNot, std::move(reason), 0};
}

RowResult NotReached(const RunStop& stop, const RunTexts& texts)
{
    if (stop.Why == RunStop::Cause::Cancelled) {
        return {RunStatus::StatusNotReached, texts.RunCancelled, 0};
    }
    if (stop.Why != RunStop::Cause::Folder) {
        return {RunStatus::StatusNotReached, texts.UndoStopped, 0};
    }
    std::string reason = texts.RunStopped;
    const std::size_t at = reason.find("%s");
    if (at != std::string::npos) {
        reason.replace(at, 2, SystemErrorText(stop.Error));
    }
    return {RunStatus::StatusNotReached, std::move(reason), 0};
}

void NoteStop(const RowResult& done, const UndoRecorder* undo, const std::string& dirName, RunStop& stop)
{
    if (stop.Stopped()) {
        return;
    }
    if (undo != nullptr && undo->Stopped()) {
        stop = undo->Fault();
    } else if (done.Status == RunStatus::StatusCanNot && FailsTheWholeFolder(done.Error)) {
        stop = {RunStop::Cause::Folder, dirName, done.Error};
    }
}

std::string LeftAside(const RunTexts& texts, const std::string& temporaryName)
{
    std::string reason = texts.LeftAside;
    const std::size_t place = reason.find("%s");
    if (place != std::string::npos) {
        reason.replace(place, 2, temporaryName);
    }
    return reason;
}

RowResult ResultOfRename(const std::string& dirName, const Row& row, const RenameResult& result, const RunTexts& texts)
{
    if (result.LeftInDetour) {
        return Refused(LeftAside(texts, result.Detour));
    }
    if (result.Unrecorded) {
        return {RunStatus::StatusNotReached, texts.UndoStopped, 0};
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
    RowResult refused = Refused(result.Error != 0 ? SystemErrorText(result.Error) : texts.BadName);
    refused.Error = result.Error;
    return refused;
}

std::string PlannedRefusal(const std::string& dirName, const Row& row, bool undoCheck, const RunTexts& texts)
{
    if (!IsPlainFileName(row.OldName) || !IsPlainFileName(row.NewName)) {
        return texts.BadName;
    }
    if (undoCheck && !UndoCanRecord(dirName, row.OldName, row.NewName)) {
        return texts.UndoName;
    }
    if (row.NewName.size() > NameMax) {
        return SystemErrorText(ENAMETOOLONG);
    }
    // A folder, or another spelling of the name, holds it; else the folder may not be written.
    return SystemErrorText(EntryExists(dirName + row.NewName) || IsExistingDirectory(dirName + row.NewName) ? EEXIST
                                                                                                            : EACCES);
}

} // namespace tollwick
