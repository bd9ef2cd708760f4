// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendFile.h"
#include "platform/LineFile.h"
#include "support/TempDir.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

// The text a reader takes from a record: up to the first NUL.
std::string UpToNul(const std::string& bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

std::string NumberedLine(int k)
{
    return "renamed-photo-" + std::to_string(k) + ".jpg>photo-" + std::to_string(k) + ".jpg";
}

TEST(AppendFile, WritesEachLineWithCrLfAsItComes)
{
    TempDir folder;
    auto file = AppendFile::CreateUnique(folder.Path() + "record", ".twu");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Path(), folder.Path() + "record.twu");
    EXPECT_TRUE(file->AppendLine("/photos/"));
    // Readable at once, before anything is finished.
    EXPECT_EQ(UpToNul(folder.ReadFile("record.twu")), "/photos/\r\n");
    EXPECT_TRUE(file->AppendLine("b>a"));
    EXPECT_TRUE(file->AppendLine("announced>never done"));
    EXPECT_TRUE(file->DropLastLine());
    EXPECT_EQ(UpToNul(folder.ReadFile("record.twu")), "/photos/\r\nb>a\r\n");
    EXPECT_TRUE(file->AppendLine(""));
    EXPECT_TRUE(file->Finish());
    // Finished, the file is exactly its lines.
    EXPECT_EQ(folder.ReadFile("record.twu"), "/photos/\r\nb>a\r\n\r\n");
}

// Each line readable as soon as it is appended.
TEST(AppendFile, ManyLinesEndExactlyAtTheLastOne)
{
    TempDir folder;
    auto file = AppendFile::CreateUnique(folder.Path() + "big", ".twu");
    ASSERT_TRUE(file);
    std::string expected;
    constexpr int Count = 60000;
    for (int k = 0; k < Count; ++k) {
        ASSERT_TRUE(file->AppendLine(NumberedLine(k)));
        expected += NumberedLine(k) + "\r\n";
        if (k % 9973 == 0) {
            ASSERT_EQ(UpToNul(folder.ReadFile("big.twu")), expected) << k;
        }
    }
    ASSERT_TRUE(file->Finish());
    EXPECT_EQ(folder.ReadFile("big.twu"), expected);
}

// A kill at any moment, growth and a line taken back included, leaves
// every line whose append returned, and at most the one in flight besides.
TEST(AppendFile, AKillLosesAtMostTheLineInFlight)
{
    TempDir folder;
    // How many kept lines the child has appended, shared with it.
    void* const shared =
        mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* const appended = new (shared) std::atomic<int>(0);
    for (const int killAt : {1, 700, 1500, 3100, 9000, 20000, 41000, 90000}) {
        appended->store(0);
        const std::string stem = folder.Path() + "k" + std::to_string(killAt);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto file = AppendFile::CreateUnique(stem, ".twu");
            for (int k = 0; file; ++k) {
                if (!file->AppendLine(NumberedLine(k))) {
                    _exit(1);
                }
                appended->store(k + 1);
                // A move announced and then taken back, as a failed rename does.
                if (k % 5 == 2 && !(file->AppendLine("announced>not done") && file->DropLastLine())) {
                    _exit(1);
                }
            }
            _exit(1);
        }
        int status = 0;
        while (appended->load() < killAt) {
            ASSERT_EQ(waitpid(child, &status, WNOHANG), 0) << "the child stopped before the kill";
            std::this_thread::yield();
        }
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself";
        const int confirmed = appended->load();

        const Lines lines = ReadEndedLines(stem + ".twu");
        std::size_t kept = lines.size();
        if (kept > 0 && lines.back() == "announced>not done") {
            --kept;
        }
        ASSERT_GE(kept, static_cast<std::size_t>(confirmed)) << killAt;
        ASSERT_LE(kept, static_cast<std::size_t>(confirmed) + 1) << killAt;
        for (std::size_t k = 0; k < kept; ++k) {
            ASSERT_EQ(lines[k], NumberedLine(static_cast<int>(k))) << killAt;
        }
    }
    munmap(shared, sizeof(std::atomic<int>));
}

TEST(AppendFile, NeverTakesAnExistingName)
{
    TempDir folder;
    folder.WriteFile("record.twu", "first");
    folder.WriteFile("record_2.twu", "second");
    auto third = AppendFile::CreateUnique(folder.Path() + "record", ".twu");
    ASSERT_TRUE(third);
    EXPECT_EQ(third->Path(), folder.Path() + "record_3.twu");
    EXPECT_TRUE(third->AppendLine("x"));
    EXPECT_TRUE(third->Finish());
    EXPECT_EQ(folder.ReadFile("record.twu"), "first");
    EXPECT_EQ(folder.ReadFile("record_2.twu"), "second");
}

TEST(AppendFile, TheUmaskDecidesWhoMayReadTheRecord)
{
    const TempDir dir;
    for (const auto& [mask, expected] : {std::pair<mode_t, mode_t>{077, 0600}, {022, 0644}, {002, 0664}}) {
        const mode_t saved = umask(mask);
        auto file = AppendFile::CreateUnique(dir.Path() + "run", ".twu");
        umask(saved);
        ASSERT_TRUE(file.has_value());
        struct stat status {};
        ASSERT_EQ(stat(file->Path().c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777U, expected) << std::oct << mask;
        EXPECT_TRUE(file->Finish());
    }
}

TEST(AppendFile, MissingFolderGivesNoFile)
{
    TempDir folder;
    EXPECT_FALSE(AppendFile::CreateUnique(folder.Path() + "absent/record", ".twu"));
}

// A full disk, imitated by a file size limit in a child process: the line
// that does not fit is cut off again and ends the record.
TEST(AppendFile, StopsAtTheFirstWriteThatFails)
{
    TempDir folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{12, 12};
        setrlimit(RLIMIT_FSIZE, &limit);
        auto file = AppendFile::CreateUnique(folder.Path() + "r", ".twu");
        const bool ok = file && file->AppendLine("12345678") && !file->AppendLine("abcdefgh") && file->Failed() &&
                        !file->AppendLine("z") && !file->Finish();
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(folder.ReadFile("r.twu"), "12345678\r\n");
}

// Another program cuts the record short, grows it, or puts another file
// under its name: the record stops before its next line, never writes past
// a cut (which would leave a hole that readers stop at, or a SIGBUS for a
// mapped file) and never touches the other program's file.
TEST(AppendFile, AFileChangedByAnotherProgramStopsTheRecord)
{
    struct Change {
        const char* what;
        std::function<void(const std::string& path)> make;
        bool seenAtOnce; // at the next line; else at the next check of the name
    };
    const Change changes[] = {
        {"cut to nothing", [](const std::string& path) { ASSERT_EQ(truncate(path.c_str(), 0), 0); }, true},
        {"cut by a byte", [](const std::string& path) { ASSERT_EQ(truncate(path.c_str(), 9), 0); }, true},
        {"grown", [](const std::string& path) { ASSERT_EQ(truncate(path.c_str(), 4096), 0); }, true},
        {"removed", [](const std::string& path) { ASSERT_EQ(unlink(path.c_str()), 0); }, false},
        {"replaced",
         [](const std::string& path) {
             const std::string other = path + ".other";
             std::FILE* file = std::fopen(other.c_str(), "w");
             ASSERT_NE(file, nullptr);
             std::fputs("theirs", file);
             std::fclose(file);
             ASSERT_EQ(rename(other.c_str(), path.c_str()), 0);
         },
         false},
    };
    for (const Change& change : changes) {
        TempDir folder;
        auto file = AppendFile::CreateUnique(folder.Path() + "r", ".twu");
        ASSERT_TRUE(file);
        ASSERT_TRUE(file->AppendLine("/photos/"));
        ASSERT_TRUE(file->AppendLine("b>a"));
        const std::string path = file->Path();
        change.make(path);
        const std::string left = folder.Exists("r.twu") ? folder.ReadFile("r.twu") : std::string("(none)");

        bool stopped = !file->AppendLine("c>b");
        EXPECT_EQ(stopped, change.seenAtOnce) << change.what;
        for (int k = 0; k < 64 && !stopped; ++k) {
            stopped = !file->SyncWhenDue();
        }
        EXPECT_TRUE(stopped) << change.what;
        EXPECT_EQ(file->Fault().What, RecordFault::Kind::Changed) << change.what;
        EXPECT_FALSE(file->AppendLine("d>c")) << change.what;
        EXPECT_FALSE(file->Finish()) << change.what;
        if (change.seenAtOnce || std::string(change.what) == "replaced") {
            EXPECT_EQ(folder.ReadFile("r.twu"), left) << change.what;
        }
    }
}

TEST(AppendFile, MovedRecordKeepsWriting)
{
    TempDir folder;
    auto first = AppendFile::CreateUnique(folder.Path() + "r", ".twu");
    ASSERT_TRUE(first);
    AppendFile moved = std::move(*first);
    first.reset(); // the moved-from object must not close the file
    EXPECT_TRUE(moved.AppendLine("still"));
    EXPECT_TRUE(moved.Finish());
    EXPECT_EQ(folder.ReadFile("r.twu"), "still\r\n");
}

} // namespace
} // namespace tollwick::test
