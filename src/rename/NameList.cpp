// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/NameList.h"

#include "platform/LineFile.h"
#include "rename/DateText.h"
#include "rename/FolderDates.h"
#include "rename/TextRoutines.h"

#include <vector>

namespace tollwick {
namespace {

std::string Clean(std::string_view name)
{
    return StripForbiddenChars(name);
}

std::optional<NameListLayout> LayoutOfTab(std::string_view tabName, std::string_view prefix)
{
    if (tabName.size() != prefix.size() + 1 || tabName.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    const char digit = tabName.back();
    if (digit < '1' || digit > '6') {
        return std::nullopt;
    }
    return static_cast<NameListLayout>(digit - '0');
}

void AddExportLines(std::vector<std::string>& lines, const Row& row, const ExportOptions& options)
{
    switch (options.Layout) {
    case NameListLayout::OldThenNew:
        lines.push_back(row.OldName);
        lines.push_back(row.NewName);
        break;
    case NameListLayout::NewThenOld:
        lines.push_back(row.NewName);
        lines.push_back(row.OldName);
        break;
    case NameListLayout::OldOnly:
        lines.push_back(row.OldName);
        break;
    case NameListLayout::NewOnly:
        lines.push_back(row.NewName);
        break;
    case NameListLayout::OldSepNew:
        lines.push_back(row.OldName + options.separator + row.NewName);
        break;
    case NameListLayout::NewSepOld:
        lines.push_back(row.NewName + options.separator + row.OldName);
        break;
    }
}

void AddImportedRow(RenameList& list, std::string oldName, std::string newName, const FolderDates& dates,
                    Progress& progress)
{
    const RowDate date = dates.DateOf(oldName);
    list.AddMasterRow(std::move(oldName), std::move(newName), date);
    progress.ShowProgress(list.NextIndex, 0);
}

// Layouts 1 and 2: a row from each pair of lines; an odd last line is left.
void ImportPairs(RenameList& list, const std::vector<std::string>& lines, const ImportOptions& options,
                 Progress& progress)
{
    list.StartNewList();
    const std::size_t pairs = lines.size() / 2;
    progress.ShowProgress(0, BarMaximum(pairs));
    list.TotalList.reserve(pairs);
    const bool oldFirst = options.Layout == NameListLayout::OldThenNew;
    const FolderDates dates(options.DirName, pairs);
    for (std::size_t d = 0; d < pairs; ++d) {
        std::string first = Clean(lines[2 * d]);
        std::string second = Clean(lines[2 * d + 1]);
        if (oldFirst) {
            AddImportedRow(list, std::move(first), std::move(second), dates, progress);
        } else {
            AddImportedRow(list, std::move(second), std::move(first), dates, progress);
        }
    }
}

// Layouts 5 and 6: every line a row, blank lines included.
void ImportSeparated(RenameList& list, const std::vector<std::string>& lines, const ImportOptions& options,
                     Progress& progress)
{
    list.StartNewList();
    progress.ShowProgress(0, BarMaximum(lines.size()));
    list.TotalList.reserve(lines.size());
    const bool oldFirst = options.Layout == NameListLayout::OldSepNew;
    const FolderDates dates(options.DirName, lines.size());
    for (const std::string& line : lines) {
        std::string before = Clean(TextBefore(line, options.separator));
        std::string after = Clean(TextAfter(line, options.separator));
        if (oldFirst) {
            AddImportedRow(list, std::move(before), std::move(after), dates, progress);
        } else {
            AddImportedRow(list, std::move(after), std::move(before), dates, progress);
        }
    }
}

void SetOneSide(Row& row, std::string name, bool oldSide, const FolderDates& dates)
{
    if (oldSide) {
        row.Date = dates.DateOf(name);
        row.OldName = std::move(name);
    } else {
        row.NewName = std::move(name);
    }
}

void DropEmptyRows(std::vector<Row>& rows)
{
    std::erase_if(rows, [](const Row& row) { return row.OldName.empty() && row.NewName.empty(); });
}

// Layouts 3 and 4: line i goes to the i-th master row, hidden rows counted.
void ImportOneSide(RenameList& list, const std::vector<std::string>& lines, const ImportOptions& options,
                   Progress& progress)
{
    if (lines.empty()) {
        return;
    }
    StoreShownRows(list, progress);
    list.FilterList.clear();
    progress.ShowProgress(0, BarMaximum(lines.size()));
    const bool oldSide = options.Layout == NameListLayout::OldOnly;
    const std::size_t present = list.TotalList.size();
    const FolderDates dates(options.DirName, oldSide ? lines.size() : 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name = Clean(lines[i]);
        if (i < present) {
            SetOneSide(list.TotalList[i], std::move(name), oldSide, dates);
        } else {
            const RowDate date = oldSide ? dates.DateOf(name) : RowDate();
            if (oldSide) {
                list.AddMasterRow(std::move(name), {}, date);
            } else {
                list.AddMasterRow({}, std::move(name), date);
            }
        }
        progress.ShowProgress(static_cast<int>(i + 1), 0);
    }
    for (std::size_t i = lines.size(); i < present; ++i) {
        SetOneSide(list.TotalList[i], {}, oldSide, dates);
    }
    DropEmptyRows(list.TotalList);
}

} // namespace

std::optional<NameListLayout> ImportLayoutOfTab(std::string_view tabName)
{
    return LayoutOfTab(tabName, "Kind");
}

std::optional<NameListLayout> ExportLayoutOfTab(std::string_view tabName)
{
    return LayoutOfTab(tabName, "SKind");
}

void ExportNameList(const RenameList& list, const ExportOptions& options, Progress& progress)
{
    if (list.FilterList.empty()) {
        return;
    }
    {
        ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
        std::vector<std::string> lines;
        const bool twoLines =
            options.Layout == NameListLayout::OldThenNew || options.Layout == NameListLayout::NewThenOld;
        lines.reserve(list.FilterList.size() * (twoLines ? 2 : 1));
        int step = 0;
        for (const Row& row : list.FilterList) {
            AddExportLines(lines, row, options);
            pass.Step(++step);
        }
        WriteLinesAtomic(options.Path, lines);
    }
}

FilterSettings ImportNameList(RenameList& list, const ImportOptions& options, const FilterSettings& filter,
                              Progress& progress)
{
    {
        ProgressPass pass(progress, 3);
        pass.Step(1);
        const std::vector<std::string> lines = ReadLines(options.Path);
        pass.Step(2);
        switch (options.Layout) {
        case NameListLayout::OldThenNew:
        case NameListLayout::NewThenOld:
            ImportPairs(list, lines, options, progress);
            break;
        case NameListLayout::OldOnly:
        case NameListLayout::NewOnly:
            ImportOneSide(list, lines, options, progress);
            break;
        case NameListLayout::OldSepNew:
        case NameListLayout::NewSepOld:
            ImportSeparated(list, lines, options, progress);
            break;
        }
    }
    return ApplyFilter(list, filter, progress);
}

} // namespace tollwick
