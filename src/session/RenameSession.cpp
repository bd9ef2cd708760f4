// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"

#include "platform/Paths.h"
#include "rename/Scan.h"
#include "rename/TextRoutines.h"

#include <utility>

namespace tollwick {

RenameSession::RenameSession(std::string home, Progress& progress, SystemCalls& calls)
    : home_(std::move(home)), progress_(progress), calls_(calls)
{
}

void RenameSession::LoadDataFiles(TranslitTables& tables, const ShowProgressFunction& showProgress)
{
    tollwick::LoadDataFiles(home_, texts_, tables, showProgress);
}

void RenameSession::SaveDataFiles(const Settings& settings, const TranslitTables& tables,
                                  const ShowProgressFunction& showProgress) const
{
    tollwick::SaveDataFiles(home_, settings, tables, showProgress);
}

TextLookup RenameSession::Lookup() const
{
    return [this](std::string_view key) { return texts_.LookupText(key); };
}

void RenameSession::ScanFolder(const std::string& folder)
{
    const std::string dirName = WithClosingSlash(folder);
    filter_ = tollwick::ScanFolder(list_, dirName, filter_, progress_);
    dirName_ = dirName;
    reservations_.clear();
}

UndoLoadOutcome RenameSession::LoadUndoFile(const std::string& path)
{
    const UndoLoad load = tollwick::LoadUndoFile(list_, path, dirName_, filter_, progress_);
    dirName_ = load.DirName;
    filter_ = load.Filter;
    reservations_ = load.Reservations;
    return load.Outcome;
}

void RenameSession::ImportNameList(const std::string& path, NameListLayout layout, const std::string& separator)
{
    filter_ = tollwick::ImportNameList(list_, {path, layout, separator, dirName_}, filter_, progress_);
}

void RenameSession::ExportNameList(const std::string& path, NameListLayout layout, const std::string& separator)
{
    tollwick::ExportNameList(list_, {path, layout, separator}, progress_);
}

void RenameSession::ApplyFilter()
{
    filter_ = tollwick::ApplyFilter(list_, filter_, progress_);
}

void RenameSession::SetFilterOn(bool on)
{
    filter_.on = on;
    ApplyFilter();
}

void RenameSession::UpdateFilter()
{
    if (filter_.on) {
        ApplyFilter();
    }
}

CleanedTexts RenameSession::GenerateNewNames(const std::optional<GeneratorStep>& step, const PassContext& context)
{
    return tollwick::GenerateNewNames(list_, step, context, progress_);
}

void RenameSession::CopyOldNames()
{
    tollwick::CopyOldNames(list_, progress_);
}

void RenameSession::CheckAll()
{
    tollwick::CheckAll(list_, progress_);
}

void RenameSession::InvertChecks()
{
    tollwick::InvertChecks(list_, progress_);
}

void RenameSession::RemoveCheckedRows()
{
    tollwick::RemoveCheckedRows(list_, progress_);
}

void RenameSession::RemoveAllRows()
{
    tollwick::RemoveAllRows(list_, progress_);
}

void RenameSession::DeleteRow(std::size_t position)
{
    tollwick::DeleteRow(list_, position);
}

void RenameSession::EditNewName(std::size_t position, const std::string& typed, bool typedAnew)
{
    Row& row = list_.FilterList.at(position);
    row.NewName = StripForbiddenChars(typedAnew ? typed : row.NewName);
}

void RenameSession::FilterListColumnClick(int column)
{
    tollwick::FilterListColumnClick(list_, sort_, column);
}

PreviewInfo RenameSession::PreparePreview(bool undoCheck)
{
    return tollwick::PreparePreview(list_, dirName_, undoCheck, Lookup(), progress_);
}

RunForecast RenameSession::ForecastRun(bool undoCheck) const
{
    return tollwick::ForecastRun(list_, dirName_, undoCheck, UndoFolder());
}

RunSummary RenameSession::RunRename(bool undoCheck, const ResultSink& onResult, bool ordered, FolderWait whenBusy)
{
    RunOptions options;
    options.DirName = dirName_;
    options.UndoCheck = undoCheck;
    options.UndoFolder = UndoFolder();
    options.Ordered = ordered;
    options.WhenBusy = std::move(whenBusy);
    options.Reservations = std::exchange(reservations_, {});
    options.Calls = &calls_;
    return tollwick::RunRename(list_, options, Lookup(), progress_, onResult);
}

std::string RenameSession::StopMessage(const RunStop& stop) const
{
    return tollwick::StopMessage(stop, Lookup());
}

} // namespace tollwick
