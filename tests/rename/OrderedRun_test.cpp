// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/OrderedRun.h"
#include "rename/RunHelpers.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

// Another program that, just before a file leaves its temporary name,
// creates a file of that move's target name.
class ForeignRenamer final : public MoveJournal {
public:
    explicit ForeignRenamer(const TempDir& folder) : folder_(folder) {}

    bool BeforeMove(const std::string& from, const std::string& to) override
    {
        if (from.starts_with(".tollwick-") && !folder_.Exists(to)) {
            folder_.WriteFile(to, "foreign");
        }
        return true;
    }
    void MoveFailed() override {}

private:
    const TempDir& folder_;
};

TEST(OrderedRun, FileLeftUnderItsTemporaryNameIsReportedThere)
{
    TempDir folder;
    folder.WriteFile("a", "A");
    folder.WriteFile("b", "B");
    // A swap: a steps aside, b takes a's name, and a's file would take b's.
    const RenameList list = ListOfRenames({{"a", "b"}, {"b", "a"}});
    PlanOptions planning;
    planning.DirName = folder.Path();
    planning.Ordered = true;
    const RunPlan plan = PlanRun(list.FilterList, planning, FolderView::Of(folder.Path()));
    ForeignRenamer foreign(folder);
    RunTexts texts = TextsOf(KeyEchoLookup());
    texts.LeftAside = "now named %s";
    std::vector<RowResult> results(plan.Rows.size());
    const std::string dirName = folder.Path();
    const FolderDescriptor dir(dirName);
    RunStop stop;
    RunPlannedMoves({list.FilterList, plan, dirName, dir, nullptr, texts, &foreign, {}}, stop,
                    [&](std::size_t slot, const RowResult& done) { results[slot] = done; });

    // One file stepped aside; the other went on to its new name, the one
    // freed; then the foreign file kept the first from both its names.
    ASSERT_EQ(results.size(), 2U);
    const std::size_t aside = results[0].Status == RunStatus::StatusRenamed ? 1 : 0;
    const Row& row = list.FilterList[aside];
    EXPECT_EQ(results[1 - aside].Status, RunStatus::StatusRenamed);
    EXPECT_EQ(folder.ReadFile(row.NewName), "foreign");
    EXPECT_EQ(folder.ReadFile(row.OldName), aside == 0 ? "B" : "A");
    const std::vector<std::string> names = folder.Names();
    ASSERT_EQ(names.size(), 3U);
    const std::string& temporary = names[0];
    ASSERT_TRUE(temporary.starts_with(".tollwick-"));
    EXPECT_EQ(folder.ReadFile(temporary), aside == 0 ? "A" : "B");
    EXPECT_EQ(results[aside].Status, RunStatus::StatusCanNot);
    EXPECT_EQ(results[aside].Reason, "now named " + temporary);
}

} // namespace
} // namespace tollwick::test
