// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Undo.h"

#include "platform/Directory.h"
#include "platform/LineFile.h"
#include "platform/Paths.h"
#include "rename/DateText.h"
#include "rename/FolderDates.h"
#include "rename/TextRoutines.h"

#include <unordered_set>

namespace tollwick {
namespace {

constexpr std::string_view UndoSeparator = ">";

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names in the file are joined to this folder, so it must be a whole
// absolute folder: a relative one would act wherever the program was
// started, and one without its closing "/" would reach beside the folder.
std::optional<std::string> FolderOfUndoFile(const std::string& firstLine)
{
    if (firstLine.empty() || firstLine.front() != '/') {
        return std::nullopt;
    }
    return WithClosingSlash(firstLine);
}

// A reservation line: a name closed by the separator, with no earlier name.
std::optional<std::string> ReservedName(const std::string& line)
{
    if (line.size() < 2 || line.find(UndoSeparator) != line.size() - UndoSeparator.size()) {
        return std::nullopt;
    }
    return line.substr(0, line.size() - UndoSeparator.size());
}

} // namespace

std::string UndoLine(std::string_view newName, std::string_view oldName)
{
    std::string line;
    line.reserve(newName.size() + UndoSeparator.size() + oldName.size());
    line.append(newName).append(UndoSeparator).append(oldName);
    return line;
}

std::string ReservationLine(std::string_view reservedName)
{
    return UndoLine(reservedName, {});
}

bool UndoCanRecord(std::string_view dirName, std::string_view oldName, std::string_view newName)
{
    return !HoldsLineBreak(dirName) && !HoldsLineBreak(oldName) && !HoldsLineBreak(newName) &&
           newName.find(UndoSeparator) == std::string_view::npos;
}

std::string_view MessageKeyOf(UndoOutcome outcome)
{
    switch (outcome) {
    case UndoOutcome::Written:
        return "Msg6";
    case UndoOutcome::NotWritten:
        return "Msg7";
    case UndoOutcome::NotDue:
        break;
    }
    return {};
}

std::string_view MessageKeyOf(UndoLoadOutcome outcome)
{
    return outcome == UndoLoadOutcome::NoRenaming ? "Msg1" : "";
}

bool UndoFolderReady(const std::string& undoFolder)
{
    return !undoFolder.empty() && IsWritableFolder(undoFolder);
}

UndoRecorder::UndoRecorder(std::string dirName, std::string undoFolder, std::function<LocalDateTime()> clock,
                           SystemCalls& calls, std::chrono::milliseconds syncInterval)
    : dirName_(std::move(dirName)), undoFolder_(WithClosingSlash(std::move(undoFolder))), clock_(std::move(clock)),
      calls_(calls), syncInterval_(syncInterval)
{
}

bool UndoRecorder::Open()
{
    if (!opened_) {
        opened_ = true;
        // No folder given is a failure, never the folder the program was started in.
        if (!undoFolder_.empty()) {
            file_ = AppendFile::CreateUnique(undoFolder_ + DateTimeText(clock_()), ".twu", calls_, syncInterval_);
        }
        stopped_ = !file_ || !file_->AppendLine(dirName_);
    }
    return !stopped_;
}

bool UndoRecorder::Append(const std::string& line, bool move)
{
    if (!Open()) {
        return false;
    }
    if (!file_->AppendLine(line)) {
        stopped_ = true;
        return false;
    }
    // The first line waits for the disk: a power loss must never keep a
    // rename or a reservation whose line is lost. Later ones are synced a
    // second apart.
    if (lines_ == 0 ? !file_->Sync() : !file_->SyncWhenDue()) {
        // The move will not be made: its line goes again where it can.
        (void)file_->DropLastLine();
        stopped_ = true;
        return false;
    }
    ++lines_;
    moves_ += move ? 1 : 0;
    lastIsMove_ = move;
    return true;
}

bool UndoRecorder::BeforeMove(const std::string& from, const std::string& to)
{
    return Append(UndoLine(to, from), true);
}

bool UndoRecorder::BeforeReserve(const std::string& name)
{
    return Append(ReservationLine(name), false);
}

RunStop UndoRecorder::Fault() const
{
    if (!file_) {
        return {RunStop::Cause::UndoNotMade, undoFolder_, 0};
    }
    const RecordFault& fault = file_->Fault();
    return {RunStop::Cause::UndoRecord, fault.What == RecordFault::Kind::None ? file_->Path() : fault.Path,
            fault.Error};
}

void UndoRecorder::MoveFailed()
{
    if (file_ && lines_ > 0 && file_->DropLastLine()) {
        --lines_;
        moves_ -= lastIsMove_ ? 1 : 0;
        lastIsMove_ = false; // a second drop in a row is never asked for
    } else {
        // The line stays and names a file that did not move; nothing more may follow it.
        stopped_ = true;
    }
}

UndoRecorder::Outcome UndoRecorder::Finish()
{
    if (!opened_) {
        return {};
    }
    if (!file_) {
        return {{}, UndoOutcome::NotWritten};
    }
    // Reservations alone were each moved onto or given back.
    if (moves_ == 0) {
        file_->Discard();
        return {{}, stopped_ ? UndoOutcome::NotWritten : UndoOutcome::NotDue};
    }
    const bool written = file_->Finish() && !stopped_;
    const bool there = EntryExists(file_->Path());
    return {file_->Path(), written && there ? UndoOutcome::Written : UndoOutcome::NotWritten};
}

UndoLoad LoadUndoFile(RenameList& list, const std::string& path, const std::string& dirName,
                      const FilterSettings& filter, Progress& progress)
{
    UndoLoad result{UndoLoadOutcome::Loaded, dirName, filter, {}};
    {
        ProgressPass pass(progress, 5);
        pass.Step(1);
        const std::vector<std::string> lines = ReadEndedLines(path);
        pass.Step(2);
        list.FilterList.clear();
        pass.Step(3);
        list.TotalList.clear();
        pass.Step(4);
        list.NextIndex = 0;
        const std::optional<std::string> folder = lines.empty() ? std::nullopt : FolderOfUndoFile(lines.front());
        if (lines.size() < 2 || !folder) {
            result.Outcome = UndoLoadOutcome::NoRenaming;
        } else {
            result.DirName = *folder;
            pass.Restart(BarMaximum(lines.size()));
            list.TotalList.reserve(lines.size() - 1);
            const FolderDates dates(result.DirName, lines.size() - 1);
            // Newest first: a name freed by one rename and taken by a later
            // one is given back by the later rename before the first needs it.
            std::unordered_set<std::string_view> movedOnto;
            for (std::size_t k = lines.size() - 1; k >= 1; --k) {
                if (const std::optional<std::string> reserved = ReservedName(lines[k])) {
                    result.Reservations.push_back({*reserved, movedOnto.contains(*reserved)});
                    continue;
                }
                std::string present = TextBefore(lines[k], UndoSeparator);
                movedOnto.insert(std::string_view(lines[k]).substr(0, present.size()));
                const RowDate date = dates.DateOf(present);
                list.AddMasterRow(std::move(present), TextAfter(lines[k], UndoSeparator), date);
                pass.Step(list.NextIndex);
            }
        }
    }
    if (result.Outcome == UndoLoadOutcome::Loaded) {
        result.Filter = ApplyFilter(list, filter, progress);
    }
    return result;
}

void RemoveLeftReservations(const std::string& dirName, const std::vector<UndoReservation>& reservations)
{
    if (reservations.empty()) {
        return;
    }
    const FolderDescriptor folder(dirName);
    for (const UndoReservation& reservation : reservations) {
        (void)RemoveLeftReservation(folder, reservation.Name, !reservation.FileMovedThere);
    }
}

} // namespace tollwick
