// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendFile.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace tollwick::test {
namespace {

TEST(AppendFile, WritesEachLineWithCrLfAsItComes)
{
    TempDir folder;
    auto file = AppendFile::CreateUnique(folder.Path() + "record", ".twu");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Path(), folder.Path() + "record.twu");
    EXPECT_TRUE(file->AppendLine("/photos/"));
    // Readable at once, before anything is finished.
    EXPECT_EQ(folder.ReadFile("record.twu"), "/photos/\r\n");
    EXPECT_TRUE(file->AppendLine("b>a"));
    EXPECT_TRUE(file->AppendLine("announced>never done"));
    EXPECT_TRUE(file->DropLastLine());
    EXPECT_TRUE(file->AppendLine(""));
    EXPECT_TRUE(file->Finish());
    EXPECT_EQ(folder.ReadFile("record.twu"), "/photos/\r\nb>a\r\n\r\n");
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
