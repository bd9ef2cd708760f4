// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Utf8.h"
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
#include "rename/RunPlan.h"
#include "rename/Undo.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace tollwick::test {
namespace {

using enum RunStatus;
using Folder = std::map<std::string, std::string>; // name -> content
using Renames = std::vector<std::pair<std::string, std::string>>;

// Letters with case partners (ASCII and two-byte), bytes that are no
// UTF-8, and extensions.
const std::vector<std::string> Pieces = {"a", "B", "\xC3\xA9", "\xC3\x89", "\xFF", "\xC3(", "x.txt", "Y.TXT", "1"};

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}

    std::size_t Below(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_); }

    template <typename T> const T& OneOf(const std::vector<T>& items) { return items[Below(items.size())]; }

    std::string Name()
    {
        std::string name;
        for (std::size_t k = Below(3); k < 3; ++k) {
            name += OneOf(Pieces);
        }
        return name;
    }

private:
    std::mt19937 engine_;
};

// Rows that collide, swap, chain through names freed earlier in the run,
// change case only, or move a file a second time.
RenameList RandomList(Random& random, std::vector<std::string> oldNames)
{
    oldNames.push_back(random.Name()); // mostly a file that is not there
    Renames renames;
    for (std::size_t k = 0; k < oldNames.size() * 2; ++k) {
        const std::string oldName =
            random.Below(4) == 0 && !renames.empty() ? random.OneOf(renames).second : random.OneOf(oldNames);
        const std::size_t kind = random.Below(7);
        std::string newName = kind == 0   ? oldName
                              : kind == 1 ? (ToUpper(oldName) == oldName ? ToLower(oldName) : ToUpper(oldName))
                              : kind == 2 ? random.OneOf(oldNames)
                              : kind == 3 && !renames.empty() ? random.OneOf(renames).first
                              : kind == 4 && !renames.empty() ? random.OneOf(renames).second
                                                              : random.Name();
        renames.emplace_back(oldName, std::move(newName));
    }
    RenameList list = ListOfRenames(renames);
    for (Row& row : list.FilterList) {
        row.Checked = random.Below(5) != 0;
    }
    return list;
}

// The run's rules over a case-sensitive folder, kept as simple as they read.
std::vector<RunStatus> ModelRun(Folder& folder, const RenameList& list)
{
    std::vector<RunStatus> statuses;
    for (const Row& row : list.FilterList) {
        if (!row.Checked) {
            continue;
        }
        if (!folder.count(row.OldName)) {
            statuses.push_back(StatusDontExist);
        } else if (row.NewName == row.OldName) {
            statuses.push_back(StatusCancel);
        } else if (folder.count(row.NewName)) {
            statuses.push_back(EqualIgnoringCase(row.OldName, row.NewName) ? StatusCanNot : StatusExist);
        } else {
            folder[row.NewName] = folder[row.OldName];
            folder.erase(row.OldName);
            statuses.push_back(StatusRenamed);
        }
    }
    return statuses;
}

Folder ReadFolder(const TempDir& folder)
{
    Folder contents;
    for (const std::string& name : folder.Names()) {
        contents[name] = folder.ReadFile(name);
    }
    return contents;
}

std::multiset<std::string> ContentsOf(const Folder& folder)
{
    std::multiset<std::string> contents;
    for (const auto& entry : folder) {
        contents.insert(entry.second);
    }
    return contents;
}

Renames RenamedRows(const RenameList& list, const std::vector<RunStatus>& statuses)
{
    Renames renamed;
    std::size_t k = 0;
    for (const Row& row : list.FilterList) {
        if (row.Checked && statuses[k++] == StatusRenamed) {
            renamed.emplace_back(row.OldName, row.NewName);
        }
    }
    return renamed;
}

struct Coverage {
    int exist = 0;
    int caseOnly = 0;
    int intoFreedName = 0;
};

void Count(const Renames& renamed, const std::vector<RunStatus>& statuses, Coverage& coverage)
{
    coverage.exist += static_cast<int>(std::count(statuses.begin(), statuses.end(), StatusExist));
    std::set<std::string> freed;
    for (const auto& [oldName, newName] : renamed) {
        coverage.caseOnly += EqualIgnoringCase(oldName, newName) ? 1 : 0;
        coverage.intoFreedName += freed.count(newName) != 0 ? 1 : 0;
        freed.insert(oldName);
    }
}

TEST(RunProperty, RunAndUndoNeverLoseAFileAndUndoBringsEveryNameBack)
{
    Coverage coverage;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Random random(seed);
        TempDir folder;
        TempDir undo;
        Folder model;
        for (int k = 0; k < 12; ++k) {
            const std::string name = random.Name();
            if (model.emplace(name, "content " + std::to_string(k)).second) {
                folder.WriteFile(name, model[name]);
            }
        }
        const Folder start = model;
        std::vector<std::string> names;
        for (const auto& entry : model) {
            names.push_back(entry.first);
        }

        const RenameList list = RandomList(random, names);
        RunOptions options = OptionsFor(folder);
        options.writeUndo = true;
        options.UndoFolder = undo.Path();
        const RunForecast forecast = ForecastRun(list, options.DirName, true, options.UndoFolder);
        const RecordedRun run = RunAndRecord(list, options);
        const std::vector<RunStatus> expected = ModelRun(model, list);
        ASSERT_EQ(StatusesOf(run), expected);
        ASSERT_EQ(forecast.ShownOrder.Statuses, expected);
        ASSERT_EQ(ReadFolder(folder), model);
        ASSERT_EQ(ContentsOf(model), ContentsOf(start));
        const Renames renamed = RenamedRows(list, expected);
        Count(renamed, expected, coverage);
        if (renamed.empty()) {
            EXPECT_TRUE(undo.Names().empty());
            continue;
        }

        RenameList back;
        Progress progress;
        options.DirName = LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress).DirName;
        CheckAll(back, progress);
        const RecordedRun undone = RunAndRecord(back, options);
        ASSERT_EQ(StatusesOf(undone), ModelRun(model, back));
        // Taken back newest first, every rename finds its old name free.
        ASSERT_EQ(ReadFolder(folder), model);
        ASSERT_EQ(model, start);
    }
    // The random lists must really reach the cases that matter.
    EXPECT_GT(coverage.exist, 20);
    EXPECT_GT(coverage.caseOnly, 10);
    EXPECT_GT(coverage.intoFreedName, 10);
}

TEST(RunProperty, OrderedRunDoesWhatItsForecastSaysAndUndoBringsEveryNameBack)
{
    int onlyOrdered = 0;
    int temporarySteps = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Random random(seed);
        TempDir folder;
        TempDir undo;
        Folder start;
        for (int k = 0; k < 12; ++k) {
            const std::string name = random.Name();
            if (start.emplace(name, "content " + std::to_string(k)).second) {
                folder.WriteFile(name, start[name]);
            }
        }
        std::vector<std::string> names;
        for (const auto& entry : start) {
            names.push_back(entry.first);
        }
        const RenameList list = RandomList(random, names);
        RunOptions options = OptionsFor(folder);
        options.writeUndo = true;
        options.UndoFolder = undo.Path();
        options.Ordered = true;

        const RunForecast forecast = ForecastRun(list, options.DirName, true, options.UndoFolder);
        const RecordedRun run = RunAndRecord(list, options);
        ASSERT_EQ(StatusesOf(run), forecast.Ordered.Statuses);
        onlyOrdered += forecast.OnlyOrdered;
        const Folder after = ReadFolder(folder);
        ASSERT_EQ(ContentsOf(after), ContentsOf(start));
        for (const auto& [name, content] : after) {
            ASSERT_NE(name.rfind(".tollwick-", 0), 0U) << "a temporary name is left: " << name;
        }
        if (run.summary.UndoPath.empty()) {
            ASSERT_EQ(after, start);
            continue;
        }
        for (const std::string& line : CrLfLinesOf(run.summary.UndoPath)) {
            temporarySteps += line.find(".tollwick-") != std::string::npos ? 1 : 0;
        }

        // Back with or without ordering, every file gets its name again.
        RenameList back;
        Progress progress;
        options.DirName = LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress).DirName;
        CheckAll(back, progress);
        options.Ordered = seed % 2 == 0;
        (void)RunAndRecord(back, options);
        ASSERT_EQ(ReadFolder(folder), start);
    }
    EXPECT_GT(onlyOrdered, 20);
    EXPECT_GT(temporarySteps, 5);
}

} // namespace
} // namespace tollwick::test
