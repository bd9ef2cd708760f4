// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "support/TempDir.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, TakesEveryKindOfLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\r"), (Lines{"a", ""})); // LF then a lone CR: two ends
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(SplitLines, ANulByteEndsTheText)
{
    EXPECT_EQ(SplitLines(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
}

// What a record killed while it was written leaves: whole lines, perhaps a
// torn one, then the NUL bytes reserved for more.
TEST(LineFile, EndedLinesStopAtTheNulTailAndDropATornLine)
{
    const test::TempDir dir;
    using namespace std::string_literals;
    dir.WriteFile("whole.twu", "/f/\r\nb>a\r\n\0\0\0\0"s);
    dir.WriteFile("torn.twu", "/f/\r\nb>a\r\nd>c\0\0"s);
    dir.WriteFile("cr.twu", "/f/\r\nb>a\r\0\0"s);
    for (const char* name : {"whole.twu", "torn.twu", "cr.twu"}) {
        EXPECT_EQ(ReadEndedLines(dir.Path() + name), (Lines{"/f/", "b>a"})) << name;
    }
}

TEST(LineFile, WritesCrLfAfterEveryLineAndReadsItBack)
{
    const test::TempDir dir;
    const Lines lines{"[key,value]", "", "Ünïcödé \xFF raw"};
    WriteLinesAtomic(dir.Path() + "f.cfg", lines);
    EXPECT_EQ(dir.ReadFile("f.cfg"), "[key,value]\r\n\r\n\xC3\x9Cn\xC3\xAF"
                                     "c\xC3\xB6"
                                     "d\xC3\xA9 \xFF raw\r\n");
    EXPECT_EQ(ReadLines(dir.Path() + "f.cfg"), lines);
    EXPECT_EQ(dir.Names(), Lines{"f.cfg"}); // no temporary file left behind
}

TEST(LineFile, AFailedWriteLeavesTheOldFileWhole)
{
    const test::TempDir dir;
    dir.WriteFile("old.cfg", "old\r\n");
    dir.MakeFolder("taken.cfg");
    // A folder in the way cannot be replaced by a file.
    EXPECT_THROW(WriteLinesAtomic(dir.Path() + "taken.cfg", {"new"}), TollwickError);
    try {
        WriteLinesAtomic(dir.Path() + "missing/x.cfg", {"new"});
        FAIL();
    } catch (const TollwickError& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + dir.Path() + "missing/x.cfg");
    }
    EXPECT_EQ(dir.ReadFile("old.cfg"), "old\r\n");
    EXPECT_EQ(dir.Names(), (Lines{"old.cfg", "taken.cfg"}));
}

mode_t ModeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777U;
}

TEST(LineFile, ANewFileTakesTheUmaskAndAReplacedOneKeepsItsMode)
{
    const test::TempDir dir;
    const mode_t saved = umask(077);
    WriteLinesAtomic(dir.Path() + "private.cfg", {"a"});
    dir.WriteFile("shared.cfg", "old");
    chmod((dir.Path() + "shared.cfg").c_str(), 0664);
    WriteLinesAtomic(dir.Path() + "shared.cfg", {"new"});
    umask(022);
    WriteLinesAtomic(dir.Path() + "public.cfg", {"a"});
    umask(saved);
    EXPECT_EQ(ModeOf(dir.Path() + "private.cfg"), 0600U);
    EXPECT_EQ(ModeOf(dir.Path() + "shared.cfg"), 0664U);
    EXPECT_EQ(ModeOf(dir.Path() + "public.cfg"), 0644U);
    EXPECT_EQ(dir.Names(), (Lines{"private.cfg", "public.cfg", "shared.cfg"}));
}

TEST(LineFile, ReadingAMissingFileOrAFolderNamesThePath)
{
    const test::TempDir dir;
    try {
        (void)ReadLines(dir.Path() + "none.cfg");
        FAIL();
    } catch (const TollwickError& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + dir.Path() + "none.cfg");
    }
    EXPECT_THROW((void)ReadLines(dir.Path()), TollwickError);
    EXPECT_THROW((void)ReadLines("/dev/null"), TollwickError);
}

TEST(LineFile, AFifoIsRefusedWithoutWaitingForAWriter)
{
    const test::TempDir dir;
    const std::string fifo = dir.Path() + "fifo.lng";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Held open for writing, so a reader that waits for data waits until it is closed.
    const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    auto reading = std::async(std::launch::async, [&] { return ReadLines(fifo); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "the reader waits on the FIFO";
    }
    close(writer);
    EXPECT_THROW((void)reading.get(), TollwickError);
}

} // namespace
} // namespace tollwick
