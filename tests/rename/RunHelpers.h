// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Run.h"
#include "support/TempDir.h"

#include <string>
#include <utility>
#include <vector>

namespace tollwick::test {

/// Status words that show their key, so a test sees which text the run used.
inline TextLookup KeyEchoLookup()
{
    return [](std::string_view key) { return "<" + std::string(key) + ">"; };
}

/// A list whose master and shown rows are the given renames, in order.
inline RenameList ListOfRenames(const std::vector<std::pair<std::string, std::string>>& renames, bool checked = true)
{
    RenameList list;
    for (const auto& [oldName, newName] : renames) {
        list.AddMasterRow(oldName, newName, RowDate()).Checked = checked;
    }
    list.FilterList = list.TotalList;
    return list;
}

/// A run with every result line kept.
struct RecordedRun {
    RunSummary summary;
    std::vector<ResultRow> results;
    std::vector<RunCounts> countsSeen;
};

inline RecordedRun RunAndRecord(const RenameList& list, const RunOptions& options, Progress& progress)
{
    RecordedRun run;
    run.summary =
        RunRename(list, options, KeyEchoLookup(), progress, [&run](const ResultRow& row, const RunCounts& counts) {
            run.results.push_back(row);
            run.countsSeen.push_back(counts);
        });
    return run;
}

inline RecordedRun RunAndRecord(const RenameList& list, const RunOptions& options)
{
    Progress progress;
    return RunAndRecord(list, options, progress);
}

inline std::vector<RunStatus> StatusesOf(const RecordedRun& run)
{
    std::vector<RunStatus> statuses;
    for (const ResultRow& row : run.results) {
        statuses.push_back(row.Status);
    }
    return statuses;
}

/// Run options for a folder, without an undo file.
inline RunOptions OptionsFor(const TempDir& folder)
{
    RunOptions options;
    options.DirName = folder.Path();
    return options;
}

} // namespace tollwick::test
