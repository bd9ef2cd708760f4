// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"

#include "generators/GeneratorSample.h"
#include "generators/Presets.h"
#include "generators/RemovedChars.h"
#include "platform/Paths.h"
#include "rename/Scan.h"
#include "rename/TextRoutines.h"
#include "settings/PresetFile.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tollwick {
namespace {

// Tells the observers once a change is over, also when it ended by an error,
// as rows may have changed before it.
class AfterChange {
public:
    explicit AfterChange(std::function<void()> tell) : tell_(std::move(tell)) {}
    ~AfterChange() { tell_(); }
    AfterChange(const AfterChange&) = delete;
    AfterChange& operator=(const AfterChange&) = delete;
    AfterChange(AfterChange&&) = delete;
    AfterChange& operator=(AfterChange&&) = delete;

private:
    std::function<void()> tell_;
};

} // namespace

RenameSession::RenameSession(std::string home, Progress& progress, SystemCalls& calls)
    : home_(std::move(home)), progress_(progress), calls_(calls)
{
}

void RenameSession::LoadDataFiles(const ShowProgressFunction& showProgress)
{
    tollwick::LoadDataFiles(home_, texts_, tables_, showProgress);
}

void RenameSession::SaveDataFiles(const Settings& settings, const ShowProgressFunction& showProgress) const
{
    tollwick::SaveDataFiles(home_, settings, tables_, showProgress);
}

void RenameSession::AddTableEntry(TranslitTable table, std::string entry)
{
    TableEntries(tables_, table).push_back(std::move(entry));
}

void RenameSession::SetTableEntry(TranslitTable table, std::size_t position, std::string entry)
{
    std::vector<std::string>& entries = TableEntries(tables_, table);
    if (position < entries.size()) {
        entries[position] = std::move(entry);
    }
}

void RenameSession::RemoveTableEntry(TranslitTable table, std::size_t position)
{
    std::vector<std::string>& entries = TableEntries(tables_, table);
    if (position < entries.size()) {
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(position));
    }
}

void RenameSession::AddObserver(SessionObserver& observer)
{
    observers_.push_back(&observer);
}

void RenameSession::RemoveObserver(const SessionObserver& observer)
{
    std::erase(observers_, &observer);
}

void RenameSession::TellRowsReset() const
{
    for (SessionObserver* observer : observers_) {
        observer->RowsReset();
    }
}

void RenameSession::TellRowsChanged(std::size_t first, std::size_t count) const
{
    for (SessionObserver* observer : observers_) {
        observer->RowsChanged(first, count);
    }
}

void RenameSession::TellAllRowsChanged() const
{
    TellRowsChanged(0, list_.FilterList.size());
}

std::string RenameSession::NoValueMessage(const MissingValue& missing) const
{
    // The token first: a "%s" inside it is not filled in.
    std::string text = Text("MsgTokenNoValue");
    const std::size_t at = text.find("%s");
    if (at == std::string::npos) {
        return text;
    }
    text.replace(at, 2, missing.token);
    const std::size_t next = text.find("%s", at + missing.token.size());
    if (next != std::string::npos) {
        text.replace(next, 2, std::to_string(missing.rows));
    }
    return text;
}

TextLookup RenameSession::Lookup() const
{
    return [this](std::string_view key) { return texts_.LookupText(key); };
}

void RenameSession::ScanFolder(const std::string& folder, const std::stop_token& stop)
{
    RelistFolder();
    const AfterChange tell([this] { TellRowsReset(); });
    const std::string dirName = WithClosingSlash(folder);
    filter_ = tollwick::ScanFolder(list_, dirName, filter_, progress_, stop, scanDates_);
    dirName_ = dirName;
    reservations_.clear();
    // Tags of another folder's files are of no more use: the cache stays small.
    tagCache_.Clear();
}

UndoLoadOutcome RenameSession::LoadUndoFile(const std::string& path)
{
    RelistFolder();
    const AfterChange tell([this] { TellRowsReset(); });
    const UndoLoad load = tollwick::LoadUndoFile(list_, path, dirName_, filter_, progress_);
    dirName_ = load.DirName;
    filter_ = load.Filter;
    reservations_ = load.Reservations;
    return load.Outcome;
}

void RenameSession::ImportNameList(const std::string& path, NameListLayout layout, const std::string& separator)
{
    RelistFolder();
    const AfterChange tell([this] { TellRowsReset(); });
    filter_ = tollwick::ImportNameList(list_, {path, layout, separator, dirName_}, filter_, progress_);
}

void RenameSession::ExportNameList(const std::string& path, NameListLayout layout, const std::string& separator)
{
    tollwick::ExportNameList(list_, {path, layout, separator}, progress_);
}

void RenameSession::ApplyFilter()
{
    const AfterChange tell([this] { TellRowsReset(); });
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

std::optional<RenameSession::RowSample> RenameSession::Sample(std::optional<std::size_t> selected,
                                                              const std::vector<GeneratorStep>& steps) const
{
    const PassContext context = Context();
    const std::vector<Row>& rows = list_.FilterList;
    if (rows.empty()) {
        return std::nullopt;
    }
    const std::size_t position = selected && *selected < rows.size() ? *selected : 0;
    const Row& row = rows[position];
    // The mask's counter is the number of rows a pass processes before this one.
    auto processedBefore = static_cast<std::int64_t>(position);
    if (context.checkedOnly) {
        processedBefore = std::count_if(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(position),
                                        [](const Row& earlier) { return earlier.Checked; });
    }
    RowSample sample{row.NewName, row.NewName, std::nullopt, {}};
    RemovedChars removed;
    for (const GeneratorStep& step : steps) {
        const GeneratorSample made = SampleNewName(sample.newName, step, context.tables, processedBefore,
                                                   {context.folder, row.OldName, context.facts});
        if (made.Error) {
            sample.error = made.Error;
            return sample;
        }
        sample.newName = made.NewName;
        const RemovedChars lost = RemovedFromTypedTexts(step);
        removed.From += lost.From;
        removed.To += lost.To;
        removed.Name += lost.Name;
        removed.Ext += lost.Ext;
    }
    if (context.checkedOnly && !row.Checked) {
        sample.newName = row.NewName;
    }
    sample.charsLeftOut = removed.All();
    return sample;
}

std::vector<std::string> RenameSession::PresetNames() const
{
    return tollwick::PresetNames(home_);
}

std::vector<GeneratorStep> RenameSession::LoadPreset(std::string_view name) const
{
    return tollwick::LoadPreset(home_, name);
}

void RenameSession::SavePreset(std::string_view name, const std::vector<GeneratorStep>& steps) const
{
    tollwick::SavePreset(home_, name, steps);
}

CleanedTexts RenameSession::GenerateNewNames(const std::optional<GeneratorStep>& step, const std::stop_token& stop)
{
    const AfterChange tell([this] { TellAllRowsChanged(); });
    PassContext context = Context();
    context.stop = stop;
    return tollwick::GenerateNewNames(list_, step, context, progress_);
}

CleanedTexts RenameSession::GenerateNewNames(std::optional<GeneratorKind> kind, const std::stop_token& stop)
{
    return GenerateNewNames(kind ? std::optional<GeneratorStep>(StepOf(setup_, *kind)) : std::nullopt, stop);
}

CleanedTexts RenameSession::GenerateNewNames(const std::vector<GeneratorStep>& steps, const std::stop_token& stop)
{
    // Only a pass that can be stopped needs the names to go back to.
    std::vector<std::string> before;
    if (steps.size() > 1 && stop.stop_possible()) {
        before.reserve(list_.FilterList.size());
        for (const Row& row : list_.FilterList) {
            before.push_back(row.NewName);
        }
    }
    CleanedTexts all;
    try {
        for (const GeneratorStep& step : steps) {
            CleanedTexts cleaned = GenerateNewNames(step, stop);
            all.missing.insert(all.missing.end(), cleaned.missing.begin(), cleaned.missing.end());
        }
    } catch (const StepStopped&) {
        if (!before.empty()) {
            const AfterChange tell([this] { TellAllRowsChanged(); });
            auto name = before.begin();
            for (Row& row : list_.FilterList) {
                row.NewName = std::move(*name++);
            }
        }
        throw;
    }
    return all;
}

void RenameSession::CopyOldNames()
{
    const AfterChange tell([this] { TellAllRowsChanged(); });
    tollwick::CopyOldNames(list_, progress_);
}

void RenameSession::CheckAll()
{
    const AfterChange tell([this] { TellAllRowsChanged(); });
    tollwick::CheckAll(list_, progress_);
}

void RenameSession::InvertChecks()
{
    const AfterChange tell([this] { TellAllRowsChanged(); });
    tollwick::InvertChecks(list_, progress_);
}

void RenameSession::RemoveCheckedRows()
{
    const AfterChange tell([this] { TellRowsReset(); });
    tollwick::RemoveCheckedRows(list_, progress_);
}

void RenameSession::RemoveAllRows()
{
    const AfterChange tell([this] { TellRowsReset(); });
    tollwick::RemoveAllRows(list_, progress_);
}

void RenameSession::DeleteRow(std::size_t position)
{
    const AfterChange tell([this] { TellRowsReset(); });
    tollwick::DeleteRow(list_, position);
}

void RenameSession::EditNewName(std::size_t position, const std::string& typed, bool typedAnew)
{
    Row& row = list_.FilterList.at(position);
    row.NewName = StripForbiddenChars(typedAnew ? typed : row.NewName);
    TellRowsChanged(position, 1);
}

void RenameSession::SetChecked(std::size_t position, bool checked)
{
    list_.FilterList.at(position).Checked = checked;
    TellRowsChanged(position, 1);
}

void RenameSession::FilterListColumnClick(int column)
{
    const AfterChange tell([this] { TellRowsReset(); });
    tollwick::FilterListColumnClick(list_, sort_, column);
}

PreviewInfo RenameSession::PreparePreview(bool undoCheck)
{
    return tollwick::PreparePreview(list_, dirName_, undoCheck, Lookup(), progress_);
}

RunPlan RenameSession::Forecast(bool undoCheck)
{
    const std::vector<Row>& shown = list_.FilterList;
    PlanOptions options;
    options.DirName = dirName_;
    options.writeUndo = undoCheck;
    options.UndoReady = true;
    // A fresh list has no checked row: the list page opens without listing the folder.
    if (!folder_ && std::any_of(shown.begin(), shown.end(), [](const Row& row) { return row.Checked; })) {
        folder_ = FolderView::Listed(dirName_);
    }
    RunPlan plan = folder_ ? PlanRun(shown, options, *folder_) : RunPlan{};
    for (SessionObserver* observer : observers_) {
        observer->ForecastReady(plan);
    }
    return plan;
}

RunForecast RenameSession::ForecastRun(bool undoCheck) const
{
    return tollwick::ForecastRun(list_, dirName_, undoCheck, UndoFolder());
}

RunSummary RenameSession::RunRename(bool undoCheck, const ResultSink& onResult, bool ordered, FolderWait whenBusy,
                                    std::stop_token stop)
{
    RunOptions options;
    options.DirName = dirName_;
    options.writeUndo = undoCheck;
    options.UndoFolder = UndoFolder();
    options.Ordered = ordered;
    options.WhenBusy = std::move(whenBusy);
    options.Reservations = std::exchange(reservations_, {});
    options.Calls = &calls_;
    options.stopRequest = std::move(stop);
    return tollwick::RunRename(list_, options, Lookup(), progress_, onResult);
}

std::string RenameSession::StopMessage(const RunStop& stop) const
{
    return tollwick::StopMessage(stop, Lookup());
}

} // namespace tollwick
