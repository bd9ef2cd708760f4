// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RenameFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tollwick {
namespace {

using Names = std::vector<std::string>;

TEST(RenameNoReplace, RenamesAndNeverReplaces)
{
    const test::TempDir dir;
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a.txt", "b.txt").Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(dir.ReadFile("a.txt"), "A");
    EXPECT_EQ(dir.ReadFile("b.txt"), "B");
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a.txt", "c.txt").Outcome, RenameOutcome::Renamed);
    EXPECT_EQ(dir.Names(), (Names{"b.txt", "c.txt"}));
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a.txt", "d.txt").Outcome, RenameOutcome::SourceMissing);
}

TEST(RenameNoReplace, RefusesNamesThatLeaveTheFolder)
{
    const test::TempDir dir;
    dir.MakeFolder("sub");
    dir.WriteFile("a", "A");
    for (const std::string& bad : std::vector<std::string>{"", ".", "..", "../a", "sub/a", std::string("x\0y", 3)}) {
        EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path() + "sub/"), "..", bad).Outcome, RenameOutcome::Refused)
            << bad;
        EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a", bad).Outcome, RenameOutcome::Refused) << bad;
        EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), bad, "b").Outcome, RenameOutcome::Refused) << bad;
    }
    EXPECT_EQ(dir.Names(), (Names{"a", "sub"}));
}

TEST(RenameNoReplace, ChangesLetterCaseAlone)
{
    const test::TempDir dir;
    dir.WriteFile("photo.jpg", "P");
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "photo.jpg", "Photo.JPG").Outcome, RenameOutcome::Renamed);
    EXPECT_EQ(dir.Names(), Names{"Photo.JPG"});
}

TEST(RenameNoReplace, ACaseTwinThatIsAnotherFileIsTaken)
{
    const test::TempDir dir;
    dir.WriteFile("a.txt", "small");
    dir.WriteFile("A.txt", "capital");
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a.txt", "A.txt").Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(dir.ReadFile("a.txt"), "small");
    EXPECT_EQ(dir.ReadFile("A.txt"), "capital");
}

TEST(RenameNoReplace, KeepsTheSystemsReason)
{
    const test::TempDir dir;
    dir.WriteFile("a", "A");
    const RenameResult result = RenameNoReplace(FolderDescriptor(dir.Path()), "a", std::string(300, 'n'));
    EXPECT_EQ(result.Outcome, RenameOutcome::Refused);
    EXPECT_EQ(SystemErrorText(result.Error), "File name too long");
}

// Hears every move and can forbid one, as the undo record does.
class ListeningJournal final : public MoveJournal {
public:
    bool BeforeMove(const std::string& from, const std::string& to) override
    {
        moves.push_back(from + ">" + to);
        return allow;
    }
    void MoveFailed() override { moves.push_back("failed"); }

    Names moves;
    bool allow = true;
};

TEST(RenameNoReplace, TellsTheJournalBeforeEachMove)
{
    const test::TempDir dir;
    dir.WriteFile("a", "A");
    dir.WriteFile("b", "B");
    ListeningJournal journal;
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a", "b", &journal).Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "a", "c", &journal).Outcome, RenameOutcome::Renamed);
    journal.allow = false;
    const RenameResult forbidden = RenameNoReplace(FolderDescriptor(dir.Path()), "c", "d", &journal);
    EXPECT_TRUE(forbidden.Unrecorded);
    EXPECT_EQ(journal.moves, (Names{"a>b", "failed", "a>c", "c>d"}));
    EXPECT_EQ(dir.Names(), (Names{"b", "c"}));
}

TEST(RenameNoReplace, TwoLinksDetourThroughANameTheJournalHeardOfFirst)
{
    // Both spellings reach one inode, so the change steps aside; the second
    // step meets the other link and the file comes back.
    const test::TempDir dir;
    dir.WriteFile("a.txt", "same");
    ASSERT_EQ(link((dir.Path() + "a.txt").c_str(), (dir.Path() + "A.txt").c_str()), 0);
    ListeningJournal journal;
    const RenameResult result = RenameNoReplace(FolderDescriptor(dir.Path()), "a.txt", "A.txt", &journal);
    ASSERT_FALSE(result.Detour.empty());
    EXPECT_FALSE(result.LeftInDetour);
    EXPECT_EQ(journal.moves, (Names{"a.txt>A.txt", "failed", "a.txt>" + result.Detour, result.Detour + ">A.txt",
                                    "failed", result.Detour + ">a.txt"}));
    EXPECT_EQ(dir.Names(), (Names{"A.txt", "a.txt"}));
}

TEST(TemporaryName, IsReservedUntilUsedOrReleased)
{
    const test::TempDir dir;
    dir.WriteFile("f", "F");
    const std::optional<std::string> first = ReserveTemporaryName(FolderDescriptor(dir.Path()));
    const std::optional<std::string> second = ReserveTemporaryName(FolderDescriptor(dir.Path()));
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(first->rfind(".tollwick-", 0), 0U);
    // The reservation holds the name against every rename but ours.
    EXPECT_EQ(RenameNoReplace(FolderDescriptor(dir.Path()), "f", *first).Outcome, RenameOutcome::TargetTaken);
    EXPECT_EQ(MoveOntoReservation(FolderDescriptor(dir.Path()), "f", *first).Outcome, RenameOutcome::Renamed);
    EXPECT_EQ(dir.ReadFile(*first), "F");
    EXPECT_EQ(MoveOntoReservation(FolderDescriptor(dir.Path()), "gone", *second).Outcome, RenameOutcome::SourceMissing);
    EXPECT_EQ(dir.Names(), Names{*first});
}

// Hears of each reservation and sees whether its file is there yet.
class ReservationWitness final : public MoveJournal {
public:
    explicit ReservationWitness(const test::TempDir& dir) : dir_(dir) {}
    bool BeforeReserve(const std::string& name) override
    {
        heard.push_back(name + (dir_.Exists(name) ? " made first" : ""));
        return allow;
    }
    bool BeforeMove(const std::string&, const std::string&) override { return true; }
    void MoveFailed() override {}

    Names heard;
    bool allow = true;

private:
    const test::TempDir& dir_;
};

// A kill between the file and its record would leave a name no record holds.
TEST(TemporaryName, IsToldBeforeItsFileIsMadeAndTheFileHasNoPermission)
{
    const test::TempDir dir;
    ReservationWitness journal(dir);
    const std::optional<std::string> reserved = ReserveTemporaryName(FolderDescriptor(dir.Path()), &journal);
    ASSERT_TRUE(reserved);
    EXPECT_EQ(journal.heard, Names{*reserved});
    struct stat status {};
    ASSERT_EQ(stat((dir.Path() + *reserved).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777U, 0U);
    EXPECT_EQ(status.st_size, 0);

    journal.allow = false;
    EXPECT_FALSE(ReserveTemporaryName(FolderDescriptor(dir.Path()), &journal));
    EXPECT_EQ(dir.Names(), Names{*reserved});
}

// The folder is opened once; every call after that names entries in it,
// and one that cannot be opened answers each call with the open's reason.
TEST(FolderDescriptor, CallsActInTheFolderOpenedOrGiveItsOpenError)
{
    const test::TempDir dir;
    dir.MakeFolder("list");
    dir.WriteFile("list/a", "A");
    const FolderDescriptor folder(dir.Path() + "list/");
    ASSERT_EQ(rename((dir.Path() + "list").c_str(), (dir.Path() + "moved").c_str()), 0);
    EXPECT_EQ(RenameNoReplace(folder, "a", "b").Outcome, RenameOutcome::Renamed);
    EXPECT_EQ(dir.ReadFile("moved/b"), "A");

    const FolderDescriptor missing(dir.Path() + "list/");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(RenameNoReplace(missing, "b", "c").Outcome, RenameOutcome::SourceMissing);
    errno = 0;
    EXPECT_FALSE(ReserveTemporaryName(missing));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(dir.Names(), (Names{"moved"}));
}

// Filesystems without RENAME_NOREPLACE and hard links get this path.
TEST(MoveByReservation, MovesButNeverOntoATakenName)
{
    const test::TempDir dir;
    dir.WriteFile("a", "A");
    dir.WriteFile("b", "B");
    const FolderDescriptor folder(dir.Path());
    EXPECT_EQ(detail::MoveByReservation(folder, "a", "b"), EEXIST);
    EXPECT_EQ(detail::MoveByReservation(folder, "gone", "c"), ENOENT);
    EXPECT_EQ(dir.Names(), (Names{"a", "b"})); // no reservation left behind
    EXPECT_EQ(detail::MoveByReservation(folder, "a", "c"), 0);
    EXPECT_EQ(dir.ReadFile("c"), "A");
    EXPECT_EQ(dir.Names(), (Names{"b", "c"}));
}

// Between taking the new name and moving onto it another process may put
// its own file there; the move must then stop, or that file is lost.
TEST(MoveByReservation, StopsWhenAnotherFileTookTheReservedName)
{
    const std::vector<std::pair<std::string, std::function<void(const test::TempDir&)>>> interferences = {
        {"a file renamed onto the name",
         [](const test::TempDir& dir) {
             dir.WriteFile("theirs", "theirs");
             ASSERT_EQ(rename((dir.Path() + "theirs").c_str(), (dir.Path() + "b").c_str()), 0);
         }},
        {"the reservation removed and a file made",
         [](const test::TempDir& dir) {
             ASSERT_EQ(unlink((dir.Path() + "b").c_str()), 0);
             dir.WriteFile("b", "theirs");
         }},
        {"bytes written into the reservation", [](const test::TempDir& dir) { dir.WriteFile("b", "theirs"); }},
    };
    for (const auto& interference : interferences) {
        const std::string& what = interference.first;
        const test::TempDir dir;
        dir.WriteFile("a", "A");
        const auto interfere = [&] { interference.second(dir); };
        EXPECT_EQ(detail::MoveByReservation(FolderDescriptor(dir.Path()), "a", "b", interfere), EEXIST) << what;
        EXPECT_EQ(dir.ReadFile("a"), "A") << what;
        EXPECT_EQ(dir.ReadFile("b"), "theirs") << what;
        EXPECT_EQ(dir.Names(), (Names{"a", "b"})) << what;
    }
}

TEST(MoveByReservation, TakesTheNameAgainWhenItsReservationWasRemoved)
{
    const test::TempDir dir;
    dir.WriteFile("a", "A");
    int removals = 0;
    const auto removeOnce = [&] {
        if (removals++ == 0) {
            ASSERT_EQ(unlink((dir.Path() + "b").c_str()), 0);
        }
    };
    EXPECT_EQ(detail::MoveByReservation(FolderDescriptor(dir.Path()), "a", "b", removeOnce), 0);
    EXPECT_EQ(removals, 2);
    EXPECT_EQ(dir.Names(), Names{"b"});
    EXPECT_EQ(dir.ReadFile("b"), "A");
}

} // namespace
} // namespace tollwick
