// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MaskTokens.h"

#include "generators/NameMask.h"
#include "platform/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>

namespace tollwick {
namespace {

MaskStep Mask(std::string name, std::string ext = "*", bool counting = false)
{
    return {.nameMask = std::move(name), .extensionMask = std::move(ext), .count = counting};
}

// Facts of made-up files, counting how often each kind is asked.
class FakeFacts final : public RowFacts {
public:
    [[nodiscard]] LocalDateTime Now() const override
    {
        ++nowCalls;
        return {2030, 12, 31, 23, 59, 58};
    }
    [[nodiscard]] std::optional<FileStatus> Status(const std::string& path) const override
    {
        ++statusCalls;
        const auto found = status.find(path);
        return found == status.end() ? std::nullopt : std::optional(found->second);
    }
    [[nodiscard]] std::optional<LocalDateTime> Taken(const std::string& path) const override
    {
        const auto found = taken.find(path);
        return found == taken.end() ? std::nullopt : std::optional(found->second);
    }
    [[nodiscard]] std::optional<std::string> Tag(MediaField field, const std::string& path) const override
    {
        const auto found = tags.find({field, path});
        return found == tags.end() ? std::nullopt : std::optional(found->second);
    }

    std::map<std::string, FileStatus> status;
    std::map<std::string, LocalDateTime> taken;
    std::map<std::pair<MediaField, std::string>, std::string> tags;
    mutable int nowCalls = 0;
    mutable int statusCalls = 0;
};

// The new names of `files` in /photos/ as a pass would make them.
std::vector<std::string> NamesOf(const MaskStep& step, const std::vector<std::string>& files, TokenValues& values)
{
    const NameMask mask(step);
    std::vector<std::string> names;
    std::int64_t counter = 0;
    for (const std::string& file : files) {
        values.StartRow(file, counter);
        mask.Apply(file, counter++, names.emplace_back(), values);
    }
    return names;
}

TEST(MaskTokens, CounterTakesStartStepAndWidthAndNeverCountsItsOwnDigits)
{
    const struct {
        MaskStep step;
        std::int64_t counter;
        std::string_view expected;
    } cases[] = {
        {Mask("<n>"), 0, "1.jpg"},
        {Mask("<n>"), 6, "7.jpg"},
        {Mask("<n|3>_*"), 4, "005_a.jpg"},
        {Mask("<n:10:5|3>"), 0, "010.jpg"},
        {Mask("<n:10:5|3>"), 2, "020.jpg"},
        {Mask("<n:3:-2>"), 3, "-3.jpg"},
        {Mask("<n:-5|3>"), 0, "-05.jpg"},
        {Mask("<n:-2147483648|20>"), 0, "-0000000002147483648.jpg"},
        {Mask("<n:2147483647:2147483647>"), 2, "6442450941.jpg"},
        {Mask("<n|20>"), 0, "00000000000000000001.jpg"},
        // Beside a counting number: the mask's digits count, the token's do not.
        {Mask("img01_<n:100>", "*", true), 2, "img03_102.jpg"},
        {Mask("<n:7>", "*", true), 3, "10.jpg"},
        {Mask("a1<n:5>2", "*", true), 1, "a263.jpg"},
        {Mask("1<n>", "v<n|2>", true), 1, "22.v02"},
        // A "<" without a letter after it is a forbidden character, as ever.
        {Mask("a<1>b", "*", true), 1, "a2b.jpg"},
        {Mask("<*>"), 0, "a.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameMask(c.step).Apply("a.jpg", c.counter), c.expected)
            << c.step.nameMask << " . " << c.step.extensionMask << " at " << c.counter;
    }
}

TEST(MaskTokens, BadTokensAreRefusedByName)
{
    const std::string tooLong = "<date:mtime|" + std::string(65, 'x') + ">";
    const struct {
        std::string mask;
        std::string message;
    } cases[] = {
        {"x<foo>", "Unknown token <foo> in the mask"},
        {"<Size>", "Unknown token <Size> in the mask"},
        {"<exif:iso>", "Unknown token <exif:iso> in the mask"},
        {"*<date:mtime", "Token <date:mtime in the mask: it has no closing \">\""},
        {"<date:mtime<n>>", "Token <date:mtime in the mask: it has no closing \">\""},
        {"<n:x>", "Token <n:x> in the mask: the start must be a whole number from -2147483648 to 2147483647"},
        {"<n:2147483648>",
         "Token <n:2147483648> in the mask: the start must be a whole number from -2147483648 to 2147483647"},
        {"<n:1:>", "Token <n:1:> in the mask: the step must be a whole number from -2147483648 to 2147483647"},
        {"<n:1:0>", "Token <n:1:0> in the mask: the step must not be 0"},
        {"<n:1:2:3>", "Token <n:1:2:3> in the mask: a counter takes a start and a step, as in <n:10:5>"},
        {"<n|0>", "Token <n|0> in the mask: the width must be a number from 1 to 20"},
        {"<n|21>", "Token <n|21> in the mask: the width must be a number from 1 to 20"},
        {"<n|>", "Token <n|> in the mask: the width must be a number from 1 to 20"},
        {"<n|+3>", "Token <n|+3> in the mask: the width must be a number from 1 to 20"},
        {"<date>", "Token <date> in the mask: a date needs a source, as in <date:mtime>"},
        {"<date:mtime?>", "Token <date:mtime?> in the mask: \"\" is not a date source (mtime, ctime, now, taken)"},
        {"<date:mtime|%q>", "Token <date:mtime|%q> in the mask: %q is not a date conversion"},
        {"<date:mtime|%z>", "Token <date:mtime|%z> in the mask: %z is not a date conversion"},
        {"<date:mtime|%Y%>", "Token <date:mtime|%Y%> in the mask: the date format ends with a lone \"%\""},
        {"<date:mtime|>", "Token <date:mtime|> in the mask: the date format is empty"},
        {tooLong, "Token " + tooLong + " in the mask: the date format is longer than 64 characters"},
        {"<size|3>", "Token <size|3> in the mask: it takes no options"},
        {"<folder:x>", "Token <folder:x> in the mask: it takes no options"},
        {"<exif:make|2>", "Token <exif:make|2> in the mask: only a number can be padded to a width"},
    };
    for (const auto& c : cases) {
        try {
            (void)NameMask(Mask("ok", c.mask));
            ADD_FAILURE() << c.mask << " was accepted";
        } catch (const TollwickError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
    // The edge values of the limits are taken.
    EXPECT_NO_THROW((void)NameMask(Mask("<n:-2147483648:2147483647|20><date:now|%%%Y>" + tooLong.substr(0, 76) + ">")));
}

TEST(MaskTokens, CleaningKeepsTokensAsTyped)
{
    const struct {
        std::string_view typed;
        std::string_view cleaned;
    } cases[] = {
        {"a?<date:mtime|%H:%M>?b*", "a<date:mtime|%H:%M>b*"},
        {"<*>|", "*"},
        {"<<n>>", "<n>"},
        {"x:<date:mtime|%Y", "x<date:mtime|%Y"}, // unclosed: kept, so it can be put right
        {"<ab<?c", "<abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanMask(c.typed), c.cleaned) << c.typed;
        EXPECT_EQ(CleanMask(c.cleaned), c.cleaned) << c.typed;
    }
}

TEST(MaskTokens, DatesTakeTheirFormatAndTheFirstSourceWithAValue)
{
    FakeFacts facts;
    facts.status["/photos/a.jpg"] = {{2021, 3, 4, 5, 6, 7}, {2022, 1, 1, 0, 0, 0}, 10};
    facts.status["/photos/b.jpg"] = {{2021, 3, 4, 5, 6, 7}, {2022, 1, 1, 0, 0, 0}, 10};
    facts.taken["/photos/b.jpg"] = {2019, 7, 8, 9, 10, 11};
    TokenValues values(facts, "/photos/");
    EXPECT_EQ(NamesOf(Mask("<date:mtime|%Y-%m-%d_%H.%M.%S>"), {"a.jpg"}, values),
              std::vector<std::string>{"2021-03-04_05.06.07.jpg"});
    EXPECT_EQ(NamesOf(Mask("<date:mtime>_<date:ctime|%Y>", "<date:mtime|%A %j %U %u>"), {"a.jpg"}, values),
              std::vector<std::string>{"2021-03-04_2022.Thursday 063 09 4"});
    EXPECT_EQ(NamesOf(Mask("<date:taken?mtime|%Y>"), {"a.jpg", "b.jpg"}, values),
              (std::vector<std::string>{"2021.jpg", "2019.jpg"}));
    // The forbidden ":" of a time is dropped from the value.
    EXPECT_EQ(NamesOf(Mask("<date:now|%H:%M:%S>"), {"a.jpg", "gone.jpg"}, values),
              (std::vector<std::string>{"235958.jpg", "235958.jpg"}));
    EXPECT_TRUE(values.Missing().empty());
}

TEST(MaskTokens, MissingValuesAreEmptyAndCountedOnceARow)
{
    FakeFacts facts;
    facts.tags[{MediaField::Album, "/music/b.mp3"}] = "Live";
    TokenValues values(facts, "/music");
    EXPECT_EQ(NamesOf(Mask("<audio:album>_<audio:album>*", "<audio:album>"), {"a.mp3", "b.mp3", "c.mp3"}, values),
              (std::vector<std::string>{"_a.", "Live_Liveb.Live", "_c."}));
    EXPECT_EQ(NamesOf(Mask("<date:taken|%Y>*", "<size>"), {"a.mp3"}, values), std::vector<std::string>{"a."});
    EXPECT_EQ(values.Missing(),
              (std::vector<MissingValue>{{"<audio:album>", 2}, {"<date:taken|%Y>", 1}, {"<size>", 1}}));
}

TEST(MaskTokens, ValuesLoseForbiddenCharactersAndNeverStandForTheName)
{
    FakeFacts facts;
    facts.tags[{MediaField::Artist, "/m/x.mp3"}] = "AC/DC: *Live?*";
    facts.tags[{MediaField::Track, "/m/x.mp3"}] = "7";
    facts.tags[{MediaField::Year, "/m/x.mp3"}] = "1999";
    TokenValues values(facts, "/m/");
    EXPECT_EQ(NamesOf(Mask("<audio:track|2> <audio:artist> <audio:year|2> *"), {"x.mp3"}, values),
              std::vector<std::string>{"07 ACDC Live 1999 x.mp3"});
}

TEST(MaskTokens, FolderIsTheLastComponentOfTheListFolder)
{
    FakeFacts facts;
    TokenValues named(facts, "/home/u/Holiday 2020/");
    EXPECT_EQ(NamesOf(Mask("<folder>_<n|2>", "*", true), {"a.jpg"}, named),
              std::vector<std::string>{"Holiday 2020_01.jpg"});
    TokenValues root(facts, "/");
    EXPECT_EQ(NamesOf(Mask("<folder>*"), {"a.jpg"}, root), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(root.Missing(), (std::vector<MissingValue>{{"<folder>", 1}}));
}

TEST(MaskTokens, ReadsOnlyWhatTheTokensNeed)
{
    FakeFacts facts;
    TokenValues counterOnly(facts, "/p/");
    (void)NamesOf(Mask("<n>_<folder>", "<n>"), {"a", "b", "c"}, counterOnly);
    EXPECT_EQ(facts.statusCalls, 0);
    EXPECT_EQ(facts.nowCalls, 0);
    TokenValues dated(facts, "/p/");
    (void)NamesOf(Mask("<size>_<date:mtime>_<date:ctime?now>", "<date:now>"), {"a", "b", "c"}, dated);
    EXPECT_EQ(facts.statusCalls, 3); // one a row
    EXPECT_EQ(facts.nowCalls, 1);    // one a pass
    TokenValues noFolder(facts, "");
    (void)NamesOf(Mask("<size>"), {"a"}, noFolder);
    EXPECT_EQ(facts.statusCalls, 3);
}

TEST(MaskTokens, RealFilesGiveTheirTimesAndSize)
{
    const test::TempDir folder;
    folder.WriteFile("a.jpg", "12345", test::LocalTime(2001, 2, 3, 4, 5, 7));
    const FileSystemFacts facts;
    TokenValues values(facts, folder.Path());
    EXPECT_EQ(NamesOf(Mask("<date:mtime|%Y%m%d-%H%M%S>_<size>"), {"a.jpg"}, values),
              std::vector<std::string>{"20010203-040507_5.jpg"});
    const std::optional<FileStatus> status = ReadFileStatus(folder.Path() + "a.jpg");
    ASSERT_TRUE(status);
    EXPECT_GT(status->changed.year, 2001); // the status changed when the time was set
    EXPECT_FALSE(ReadFileStatus(folder.Path() + "gone.jpg"));
}

} // namespace
} // namespace tollwick
