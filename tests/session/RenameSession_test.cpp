// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "session/RenameSession.h"
#include "settings/TablesFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick::test {
namespace {

// A home with an undo folder and a folder of files to rename, both temporary.
struct SessionFixture : ::testing::Test {
    SessionFixture() { home.MakeFolder("undo"); }

    [[nodiscard]] std::vector<std::string> ShownNames() const
    {
        std::vector<std::string> names;
        for (const Row& row : session.List().FilterList) {
            names.push_back(row.OldName + ">" + row.NewName + ":" + std::to_string(row.Index));
        }
        return names;
    }

    TempDir home;
    TempDir folder;
    Progress progress;
    RenameSession session{home.Path(), progress};
};

TEST_F(SessionFixture, EveryNewListStartsTheNumberingAgainAndSetsTheFolder)
{
    folder.WriteFile("a.txt");
    folder.WriteFile("b.txt");
    session.ScanFolder(folder.Path().substr(0, folder.Path().size() - 1)); // without its closing "/"
    EXPECT_EQ(session.DirName(), folder.Path());
    session.RemoveAllRows();
    folder.WriteFile("list.txt", "x\r\ny\r\n");
    session.ImportNameList(folder.Path() + "list.txt", NameListLayout::OldThenNew, "");
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"x>y:0"}));
    session.ScanFolder(folder.Path());
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.txt>a.txt:0", "b.txt>b.txt:1", "list.txt>list.txt:2"}));
    EXPECT_EQ(session.List().NextIndex, 3);
}

TEST_F(SessionFixture, AnUndoFileWithoutRenamingsEmptiesTheListButKeepsTheFolder)
{
    folder.WriteFile("a.txt");
    session.ScanFolder(folder.Path());
    home.WriteFile("undo/empty.twu", folder.Path() + "\r\n");
    EXPECT_EQ(session.LoadUndoFile(home.Path() + "undo/empty.twu"), UndoLoadOutcome::NoRenaming);
    EXPECT_TRUE(session.List().TotalList.empty());
    EXPECT_EQ(session.DirName(), folder.Path());
}

TEST_F(SessionFixture, AFilterPassStoresTheShownRowsFirst)
{
    folder.WriteFile("keep.jpg");
    folder.WriteFile("hide.txt");
    session.ScanFolder(folder.Path());
    session.EditNewName(0, "hidden?.txt", true); // "hide.txt" comes first
    FilterSettings filter = session.Filter();
    filter.oldNameTest = true;
    filter.oldNameTerms = "jpg";
    session.SetFilter(filter);
    session.SetFilterOn(true);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"keep.jpg>keep.jpg:1"}));
    session.SetFilterOn(false);
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"hide.txt>hidden.txt:0", "keep.jpg>keep.jpg:1"}));
}

// With the filter off the shown rows are the master rows: an edit is the
// master's at once, and an update changes neither.
TEST_F(SessionFixture, AnUpdateWithTheFilterOffLeavesTheListsAsTheyAre)
{
    folder.WriteFile("a.txt");
    session.ScanFolder(folder.Path());
    session.EditNewName(0, "b.txt", true);
    session.UpdateFilter();
    EXPECT_EQ(session.List().FilterList.at(0).NewName, "b.txt");
    EXPECT_EQ(session.List().FilterList, session.List().TotalList);
}

TEST_F(SessionFixture, TheRunReadsTheShownRowsAndKeepsItsUndoFileInTheHome)
{
    folder.WriteFile("a.txt", "A");
    folder.WriteFile("b.txt", "B");
    session.ScanFolder(folder.Path());
    session.CheckAll();
    session.EditNewName(0, "c.txt", true); // no filter pass between the edit and the run
    session.InvertChecks();
    session.SetChecked(0, true);
    const RunSummary summary = session.RunRename(true);
    EXPECT_EQ(summary.Counts.Of(RunStatus::StatusRenamed), 1);
    EXPECT_EQ(folder.ReadFile("c.txt"), "A");
    EXPECT_TRUE(folder.Exists("b.txt"));
    EXPECT_EQ(summary.Undo, UndoOutcome::Written);
    EXPECT_EQ(summary.UndoPath.rfind(session.UndoFolder(), 0), 0U) << summary.UndoPath;
}

// Writes down what the session told it, one line a call.
struct HeardCalls : SessionObserver {
    void RowsReset() override { heard.emplace_back("reset"); }
    void RowsChanged(std::size_t first, std::size_t count) override
    {
        heard.push_back("changed " + std::to_string(first) + "+" + std::to_string(count));
    }
    void ForecastReady(const RunPlan& plan) override
    {
        heard.push_back("forecast " + std::to_string(plan.Rows.size()));
    }
    std::vector<std::string> heard;
};

TEST_F(SessionFixture, ObserversHearEachChangeOfTheRowsByItsKind)
{
    folder.WriteFile("a.txt");
    folder.WriteFile("b.txt");
    folder.WriteFile("c.txt");
    HeardCalls calls;
    session.AddObserver(calls);
    session.ScanFolder(folder.Path());
    session.SetChecked(2, true);
    session.EditNewName(1, "x.txt", true);
    session.CheckAll();
    static_cast<void>(session.Forecast(true));
    session.InvertChecks();
    session.CopyOldNames();
    session.FilterListColumnClick(0);
    session.ApplyFilter();
    session.UpdateFilter(); // the filter is off: no pass, nothing to hear
    session.DeleteRow(0);
    session.RemoveCheckedRows();
    session.RemoveAllRows();
    EXPECT_EQ(calls.heard,
              (std::vector<std::string>{"reset", "changed 2+1", "changed 1+1", "changed 0+3", "forecast 3",
                                        "changed 0+3", "changed 0+3", "reset", "reset", "reset", "reset", "reset"}));
    // A step that fails may have changed rows before its error.
    calls.heard.clear();
    EXPECT_THROW(session.ImportNameList(folder.Path() + "missing.txt", NameListLayout::OldThenNew, ""), TollwickError);
    EXPECT_EQ(calls.heard, (std::vector<std::string>{"reset"}));
    session.RemoveObserver(calls);
    session.ScanFolder(folder.Path());
    EXPECT_EQ(calls.heard.size(), 1U);
}

TEST_F(SessionFixture, TheForecastListsEachNewFolderAndOnAskingAgain)
{
    TempDir other;
    folder.WriteFile("a.txt");
    folder.WriteFile("b.txt");
    other.WriteFile("a.txt");
    const auto renamedOnly = [this](const std::string& dirName) {
        session.ScanFolder(dirName);
        session.CheckAll();
        session.EditNewName(0, "b.txt", true);
        return session.Forecast(false).Counts.Of(RunStatus::StatusRenamed);
    };
    EXPECT_EQ(renamedOnly(folder.Path()), 0); // b.txt is taken
    EXPECT_EQ(renamedOnly(other.Path()), 1);
    other.WriteFile("b.txt");
    EXPECT_EQ(session.Forecast(false).Counts.Of(RunStatus::StatusRenamed), 1); // the same listing
    session.RelistFolder();
    EXPECT_EQ(session.Forecast(false).Counts.Of(RunStatus::StatusRenamed), 0);
}

TEST_F(SessionFixture, AnUntypedAnswerKeepsTheNameAsItsBytesStand)
{
    folder.WriteFile("a\xff.txt");
    session.ScanFolder(folder.Path());
    session.EditNewName(0, "replacement", false);
    EXPECT_EQ(session.List().FilterList.at(0).NewName, "a\xff.txt");
}

TEST_F(SessionFixture, AFolderThatCannotBeReadKeepsThePresentListAndFolder)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    folder.WriteFile("a.txt");
    session.ScanFolder(folder.Path());
    folder.MakeFolder("locked");
    folder.WriteFile("locked/x");
    chmod((folder.Path() + "locked").c_str(), 0);
    EXPECT_THROW(session.ScanFolder(folder.Path() + "locked/"), TollwickError);
    chmod((folder.Path() + "locked").c_str(), 0755);
    EXPECT_EQ(session.DirName(), folder.Path());
    EXPECT_EQ(ShownNames(), (std::vector<std::string>{"a.txt>a.txt:0"}));
}

TEST_F(SessionFixture, AFolderThatIsGoneGivesAnEmptyList)
{
    folder.WriteFile("a.txt");
    session.ScanFolder(folder.Path());
    session.ScanFolder(folder.Path() + "gone");
    EXPECT_TRUE(session.List().TotalList.empty());
    EXPECT_EQ(session.DirName(), folder.Path() + "gone/");
}

// The sample must give the name the passes give: the counter counts the rows a
// pass processes before the sampled one, and several steps run one after another.
TEST_F(SessionFixture, TheSampleCountsAsThePassAndRunsEveryStepInTurn)
{
    for (const char* name : {"A.TXT", "B.TXT", "C.TXT", "D.TXT"}) {
        folder.WriteFile(name);
    }
    session.ScanFolder(folder.Path());
    session.SetChecked(0, true);
    session.SetChecked(2, true);
    session.SetChecked(3, true);
    const std::vector<GeneratorStep> steps{CaseStep{CaseMode::Lower}, MaskStep{"n1_*", "*", true}};

    const auto everyRow = session.Sample(3, steps);
    ASSERT_TRUE(everyRow);
    EXPECT_EQ(everyRow->presentName, "D.TXT");
    EXPECT_EQ(everyRow->newName, "n4_d.txt");
    // A row that is gone gives the first one.
    EXPECT_EQ(session.Sample(9, steps)->newName, "n1_a.txt");
    session.SetCheckedOnly(true);
    // Only rows 0 and 2 are processed before row 3.
    EXPECT_EQ(session.Sample(3, steps)->newName, "n3_d.txt");
    // An unchecked row keeps its name when only checked rows change.
    EXPECT_EQ(session.Sample(1, steps)->newName, "B.TXT");

    (void)session.GenerateNewNames(steps[0]);
    (void)session.GenerateNewNames(steps[1]);
    EXPECT_EQ(session.List().FilterList[3].NewName, "n3_d.txt");

    session.RemoveAllRows();
    EXPECT_FALSE(session.Sample(std::nullopt, steps));
}

// The page's setup and tables live in the session: a pass by kind runs the
// setup's own step, a table edited through the session is the one the pass
// reads, and the edit reaches the tables file.
TEST_F(SessionFixture, APassByKindRunsTheSetupWithTheSessionsTables)
{
    folder.WriteFile("shcht.txt");
    session.ScanFolder(folder.Path());
    GeneratorSetup setup;
    setup.translit.cyrillicToLatin = false;
    setup.mask = {"x_*", "*", false};
    session.SetGenerators(setup);
    session.AddTableEntry(TranslitTable::LatinFirst, "shch  >  \xd1\x89");
    session.AddTableEntry(TranslitTable::Latin, "nothing  >  here");
    session.SetTableEntry(TranslitTable::Latin, 0, "t  >  \xd1\x82");
    session.SetTableEntry(TranslitTable::Latin, 5, "past  >  end");
    session.AddTableEntry(TranslitTable::Cyrillic, "gone  >  soon");
    session.RemoveTableEntry(TranslitTable::Cyrillic, 1);
    session.RemoveTableEntry(TranslitTable::Cyrillic, 0);
    const TranslitTables expected{{}, {}, {"shch  >  \xd1\x89"}, {"t  >  \xd1\x82"}};
    EXPECT_EQ(session.Tables(), expected);

    // The long table first, then the short one, and the extension as it was.
    (void)session.GenerateNewNames(std::optional<GeneratorKind>(GeneratorKind::Translit));
    EXPECT_EQ(session.List().FilterList[0].NewName, "\xd1\x89\xd1\x82.txt");
    (void)session.GenerateNewNames(std::optional<GeneratorKind>(GeneratorKind::Mask));
    EXPECT_EQ(session.List().FilterList[0].NewName, "x_\xd1\x89\xd1\x82.txt");
    (void)session.GenerateNewNames(std::optional<GeneratorKind>());
    EXPECT_EQ(session.List().FilterList[0].NewName, "x_\xd1\x89\xd1\x82.txt");

    home.MakeFolder("data");
    session.SaveDataFiles(LayoutSettings(), [](int, int) {});
    EXPECT_EQ(ReadLines(home.Path() + "data/translit.cfg"), TablesFileLines(expected));
}

// Asks for a stop at the given step of the bar, counted over every pass.
class StopAtStep final : public ProgressView {
public:
    explicit StopAtStep(int step) : step_(step) {}
    void BarChanged(int position, int /*maximum*/) override
    {
        if (position > 0 && ++steps_ == step_) {
            source.request_stop();
        }
    }
    void SetHourglass(bool /*on*/) override {}
    void CountFromHere() { steps_ = 0; }
    std::stop_source source;

private:
    int step_;
    int steps_ = 0;
};

TEST(StoppedSteps, APassStoppedPartWayPutsBackTheNamesOfEveryEarlierPass)
{
    TempDir home;
    TempDir folder;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        folder.WriteFile(name);
    }
    // Three rows a pass: the fifth step is the second row of the second pass.
    StopAtStep stopper(5);
    Progress progress(&stopper);
    RenameSession session(home.Path(), progress);
    session.ScanFolder(folder.Path());
    const std::vector<GeneratorStep> steps{MaskStep{"x_*", "*", false}, CaseStep{CaseMode::Upper}};
    stopper.CountFromHere();
    EXPECT_THROW((void)session.GenerateNewNames(steps, stopper.source.get_token()), StepStopped);
    for (const Row& row : session.List().FilterList) {
        EXPECT_EQ(row.NewName, row.OldName);
    }

    // A stop asked for after the listing keeps the list and folder it had.
    const std::string before = session.DirName();
    TempDir other;
    other.WriteFile("d.txt");
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_THROW(session.ScanFolder(other.Path(), stopped.get_token()), StepStopped);
    EXPECT_EQ(session.DirName(), before);
    EXPECT_EQ(session.List().TotalList.size(), 3U);
}

TEST_F(SessionFixture, MaskTokensReadTheFilesOfTheListFolder)
{
    folder.WriteFile("a.txt", "four");
    session.ScanFolder(folder.Path());
    const MaskStep step{"<size>_*", "*", false};
    EXPECT_EQ(session.Sample(0, {step})->newName, "4_a.txt");
    const CleanedTexts cleaned = session.GenerateNewNames(step);
    EXPECT_EQ(session.List().FilterList[0].NewName, "4_a.txt");
    EXPECT_TRUE(cleaned.missing.empty());
}

} // namespace
} // namespace tollwick::test
