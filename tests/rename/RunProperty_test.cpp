#include "platform/Utf8.h"
#include "rename/ListCommands.h"
#include "rename/RunHelpers.h"
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

// Name pieces: letters with case partners (ASCII and two-byte), bytes
// that are no UTF-8, and an extension.
const std::vector<std::string> Pieces = {"a", "B", "\xC3\xA9", "\xC3\x89", "\xFF", "\xC3(", "x.txt", "Y.TXT", "1"};

class RandomRenames {
public:
    explicit RandomRenames(unsigned seed) : random_(seed) {}

    std::string Name()
    {
        std::string name;
        const int pieces = Pick(1, 3);
        for (int k = 0; k < pieces; ++k) {
            name += Pieces[static_cast<std::size_t>(Pick(0, static_cast<int>(Pieces.size()) - 1))];
        }
        return name;
    }

    // New names that collide, swap, chain into freed names or change case.
    std::string NewNameFor(const std::string& oldName, const std::vector<std::string>& oldNames,
                           const std::vector<std::pair<std::string, std::string>>& earlier)
    {
        switch (Pick(0, 6)) {
        case 0:
            return oldName;
        case 1:
            return ToUpper(oldName) == oldName ? ToLower(oldName) : ToUpper(oldName);
        case 2:
            return oldNames[static_cast<std::size_t>(Pick(0, static_cast<int>(oldNames.size()) - 1))];
        case 3:
            if (!earlier.empty()) {
                return earlier[static_cast<std::size_t>(Pick(0, static_cast<int>(earlier.size()) - 1))].first;
            }
            return Name();
        case 4:
            if (!earlier.empty()) {
                return earlier[static_cast<std::size_t>(Pick(0, static_cast<int>(earlier.size()) - 1))].second;
            }
            return Name();
        default:
            return Name();
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
};

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
    for (const auto& [name, content] : folder) {
        contents.insert(content);
    }
    return contents;
}

// The run's rules over a case-sensitive folder, kept as simple as they read.
std::vector<RunStatus> ModelRun(Folder& folder, const RenameList& list)
{
    std::vector<RunStatus> statuses;
    for (const Row& row : list.FilterList) {
        if (!row.Checked) {
            continue;
        }
        const bool caseOnly = EqualIgnoringCase(row.OldName, row.NewName);
        if (!folder.count(row.OldName)) {
            statuses.push_back(StatusDontExist);
        } else if (row.NewName == row.OldName) {
            statuses.push_back(StatusCancel);
        } else if (folder.count(row.NewName)) {
            statuses.push_back(caseOnly ? StatusCanNot : StatusExist);
        } else {
            folder[row.NewName] = folder[row.OldName];
            folder.erase(row.OldName);
            statuses.push_back(StatusRenamed);
        }
    }
    return statuses;
}

RenameList RandomList(RandomRenames& random, const std::vector<std::string>& names)
{
    std::vector<std::string> oldNames = names;
    oldNames.push_back(random.Name()); // mostly a file that is not there
    std::vector<std::pair<std::string, std::string>> renames;
    for (int k = 0; k < static_cast<int>(oldNames.size()) * 2; ++k) {
        const std::string& oldName =
            random.Pick(0, 3) == 0 && !renames.empty()
                ? renames[static_cast<std::size_t>(random.Pick(0, static_cast<int>(renames.size()) - 1))].second
                : oldNames[static_cast<std::size_t>(random.Pick(0, static_cast<int>(oldNames.size()) - 1))];
        std::string newName = random.NewNameFor(oldName, oldNames, renames);
        renames.emplace_back(oldName, std::move(newName));
    }
    RenameList list = ListOfRenames(renames);
    for (Row& row : list.FilterList) {
        row.Checked = random.Pick(0, 4) != 0;
    }
    return list;
}

// A renamed row whose two names no other renamed row of the run used:
// the undo run must bring its file back.
std::vector<std::pair<std::string, std::string>> UntangledRenames(const RenameList& list,
                                                                  const std::vector<RunStatus>& statuses)
{
    std::vector<const Row*> renamed;
    std::size_t k = 0;
    for (const Row& row : list.FilterList) {
        if (row.Checked && statuses[k++] == StatusRenamed) {
            renamed.push_back(&row);
        }
    }
    std::vector<std::pair<std::string, std::string>> untangled;
    for (const Row* row : renamed) {
        const bool alone = std::none_of(renamed.begin(), renamed.end(), [row](const Row* other) {
            return other != row && (other->OldName == row->OldName || other->OldName == row->NewName ||
                                    other->NewName == row->OldName || other->NewName == row->NewName);
        });
        if (alone) {
            untangled.emplace_back(row->OldName, row->NewName);
        }
    }
    return untangled;
}

struct Coverage {
    int renamed = 0;
    int exist = 0;
    int caseOnly = 0;
    int intoFreedName = 0;
    int untangled = 0;
};

void CountCoverage(const RenameList& list, const std::vector<RunStatus>& statuses, Coverage& coverage)
{
    std::set<std::string> freed;
    std::size_t k = 0;
    for (const Row& row : list.FilterList) {
        if (!row.Checked) {
            continue;
        }
        const RunStatus status = statuses[k++];
        coverage.exist += status == StatusExist ? 1 : 0;
        if (status == StatusRenamed) {
            ++coverage.renamed;
            coverage.caseOnly += EqualIgnoringCase(row.OldName, row.NewName) ? 1 : 0;
            coverage.intoFreedName += freed.count(row.NewName) != 0 ? 1 : 0;
            freed.insert(row.OldName);
        }
    }
}

TEST(RunProperty, RunAndUndoNeverLoseAFileAndBringBackWhatTheyCan)
{
    Coverage coverage;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomRenames random(seed);
        TempDir folder;
        TempDir undo;
        Folder model;
        for (int k = 0; k < 12; ++k) {
            const std::string name = random.Name();
            if (!model.count(name)) {
                model[name] = "content " + std::to_string(k);
                folder.WriteFile(name, model[name]);
            }
        }
        const std::multiset<std::string> contents = ContentsOf(model);
        std::vector<std::string> names;
        for (const auto& [name, content] : model) {
            names.push_back(name);
        }
        const Folder start = model;

        const RenameList list = RandomList(random, names);
        RunOptions options = OptionsFor(folder);
        options.UndoCheck = true;
        options.UndoFolder = undo.Path();
        const RecordedRun run = RunAndRecord(list, options);
        const std::vector<RunStatus> expected = ModelRun(model, list);
        ASSERT_EQ(StatusesOf(run), expected);
        ASSERT_EQ(ReadFolder(folder), model);
        ASSERT_EQ(ContentsOf(ReadFolder(folder)), contents);
        CountCoverage(list, expected, coverage);
        if (run.summary.Counts.Of(StatusRenamed) == 0) {
            EXPECT_TRUE(undo.Names().empty());
            continue;
        }

        RenameList back;
        Progress progress;
        const UndoLoad load = LoadUndoFile(back, run.summary.UndoPath, "/", {}, progress);
        CheckAll(back, progress);
        options.DirName = load.DirName;
        const RecordedRun undone = RunAndRecord(back, options);
        ASSERT_EQ(StatusesOf(undone), ModelRun(model, back));
        const Folder after = ReadFolder(folder);
        ASSERT_EQ(after, model);
        ASSERT_EQ(ContentsOf(after), contents);
        for (const auto& [oldName, newName] : UntangledRenames(list, expected)) {
            ++coverage.untangled;
            ASSERT_TRUE(after.count(oldName)) << oldName;
            EXPECT_EQ(after.at(oldName), start.at(oldName));
            EXPECT_FALSE(after.count(newName) && !start.count(newName)) << newName;
        }
    }
    // The random lists must really reach the cases that matter.
    EXPECT_GT(coverage.renamed, 100);
    EXPECT_GT(coverage.exist, 20);
    EXPECT_GT(coverage.caseOnly, 10);
    EXPECT_GT(coverage.intoFreedName, 10);
    EXPECT_GT(coverage.untangled, 30);
}

} // namespace
} // namespace tollwick::test
