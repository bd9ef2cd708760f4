// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

// Scans a folder holding exactly `names`, runs the steps and gives the new
// names that --list printed last, in shown order.
class GeneratorSteps : public ::testing::Test {
protected:
    Lines NewNamesAfter(const Lines& names, Lines steps)
    {
        const TempDir folder;
        for (const std::string& name : names) {
            folder.WriteFile(name);
        }
        steps.insert(steps.begin(), {"--scan", folder.Path()});
        steps.emplace_back("--list");
        last = home.Run(steps);
        EXPECT_EQ(last.exitCode, 0) << last.err;
        Lines newNames;
        for (const std::string& line : last.OutLines()) {
            newNames.push_back(Fields(line).at(1));
        }
        return newNames;
    }

    BatchHome home;
    BatchResult last;
};

TEST_F(GeneratorSteps, CaseModes)
{
    EXPECT_EQ(NewNamesAfter({"Report.TXT"}, {"--case", "lower"}), Lines{"report.txt"});
    EXPECT_EQ(NewNamesAfter({"Report.TXT"}, {"--case", "upper"}), Lines{"REPORT.TXT"});
    EXPECT_EQ(NewNamesAfter({"my HOLIDAY.JPG"}, {"--case", "first"}), Lines{"My holiday.jpg"});
    EXPECT_EQ(NewNamesAfter({"my HOLIDAY.JPG"}, {"--case", "first:3"}), Lines{"MY holiday.jpg"});
    EXPECT_EQ(NewNamesAfter({"Photo_01.JPG"}, {"--case", "swap"}), Lines{"pHOTO_01.JPG"});
    EXPECT_EQ(NewNamesAfter({"the_big day.TXT"}, {"--case", "words"}), Lines{"The_big Day.txt"});
    EXPECT_EQ(NewNamesAfter({"the_big day.TXT"}, {"--case", "words:underscore"}), Lines{"The_Big Day.txt"});
    EXPECT_EQ(NewNamesAfter({"привет.TXT"}, {"--case", "upper"}), Lines{"ПРИВЕТ.TXT"});
}

TEST_F(GeneratorSteps, ReplaceOptions)
{
    EXPECT_EQ(NewNamesAfter({"IMG_001.jpg"}, {"--replace", "img", "Holiday_"}), Lines{"Holiday__001.jpg"});
    EXPECT_EQ(NewNamesAfter({"a-a-a.txt"}, {"--replace", "a", "b", "--first-only"}), Lines{"b-a-a.txt"});
    EXPECT_EQ(NewNamesAfter({"jpg.jpg"}, {"--replace", "jpg", "png", "--keep-ext"}), Lines{"png.jpg"});
    EXPECT_EQ(NewNamesAfter({"jpg.jpg"}, {"--replace", "jpg", "png"}), Lines{"png.png"});
    EXPECT_EQ(NewNamesAfter({"Photo photo.jpg"}, {"--replace", "photo", "x", "--match-case"}), Lines{"Photo x.jpg"});
    EXPECT_EQ(NewNamesAfter({"Photo photo.jpg"}, {"--replace", "photo", "x"}), Lines{"x x.jpg"});
    EXPECT_TRUE(last.err.empty()) << last.err;
}

TEST_F(GeneratorSteps, TypedTextsThatLoseForbiddenCharactersSaySo)
{
    // Forbidden characters never reach a name, and standard error names each text that lost some.
    const std::string message = home.Text("MsgCharsLeftOut");
    const auto said = [&message](const std::string& text, const std::string& chars) {
        const std::size_t at = message.find("%s");
        return text + ": " + message.substr(0, at) + chars + message.substr(at + 2) + "\n";
    };
    EXPECT_EQ(NewNamesAfter({"2024.txt"}, {"--replace", "2024", "a/b"}), Lines{"ab.txt"});
    EXPECT_EQ(last.err, said("--replace TO", "/"));
    EXPECT_EQ(NewNamesAfter({"ab.txt"}, {"--replace", "a?b", "c/d:"}), Lines{"cd.txt"});
    EXPECT_EQ(last.err, said("--replace FROM", "?") + said("--replace TO", "/ :"));
    EXPECT_EQ(NewNamesAfter({"a.txt"}, {"--mask", "*<1>", "t?t"}), Lines{"a1.tt"});
    EXPECT_EQ(last.err, said("--mask NAME", "< >") + said("--mask EXT", "?"));
}

TEST_F(GeneratorSteps, ReplaceWithRegularExpression)
{
    EXPECT_EQ(NewNamesAfter({"IMG_0042.JPG", "img_7.jpg"}, {"--replace", R"(IMG_(\d+))", "photo-$1", "--regex"}),
              (Lines{"photo-7.jpg", "photo-0042.JPG"}));
    EXPECT_EQ(NewNamesAfter({"img_7.jpg"}, {"--replace", "IMG", "x", "--regex", "--match-case"}), Lines{"img_7.jpg"});
}

TEST_F(GeneratorSteps, PassesBuildOnEachOther)
{
    EXPECT_EQ(NewNamesAfter({"a.txt"}, {"--replace", "a", "aa", "--replace", "a", "aa"}), Lines{"aaaa.txt"});
}

TEST_F(GeneratorSteps, MaskWithCounterNumbersShownRowsInOrder)
{
    EXPECT_EQ(NewNamesAfter({"IMG_3.JPG", "IMG_1.jpg", "IMG_2.png"}, {"--mask", "Holiday_001", "*", "--count"}),
              (Lines{"Holiday_001.jpg", "Holiday_002.png", "Holiday_003.JPG"}));
    EXPECT_EQ(NewNamesAfter({"a.doc", "b.doc"}, {"--sort", "0", "--sort", "0", "--mask", "n9", "bak", "--count"}),
              (Lines{"n9.bak", "n10.bak"}));
    EXPECT_EQ(NewNamesAfter({"README"}, {"--mask", "*", "*"}), Lines{"README."});
}

TEST_F(GeneratorSteps, MaskNumberBeyondThirtyTwoBitsIsAWrongValue)
{
    const TempDir folder;
    folder.WriteFile("a.txt");
    const auto result =
        home.Run({"--scan", folder.Path(), "--list", "--mask", "img?99999999999999999999", "*", "--count", "--list"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--mask NAME: the number '99999999999999999999' is larger than the largest value "
                              "2147483647"),
              std::string::npos)
        << result.err;
    EXPECT_TRUE(result.out.empty()); // found before any step ran
    // Without --count the digits are text.
    EXPECT_EQ(home.Run({"--scan", folder.Path(), "--mask", "img99999999999", "*"}).exitCode, 0);
}

TEST_F(GeneratorSteps, MaskTokensWithoutAValueAreNamedWithTheirRows)
{
    EXPECT_EQ(NewNamesAfter({"a.txt", "b.txt"}, {"--mask", "*<date:taken|%Y%%s>", "<date:taken|%Y%%s>"}),
              (Lines{"a.", "b."}));
    // One line a token, each row counted once; a "%s" of the token is not filled in.
    const std::string message = home.Text("MsgTokenNoValue");
    const std::size_t at = message.find("%s");
    const std::size_t next = message.find("%s", at + 2);
    EXPECT_EQ(last.err, "--mask: " + message.substr(0, at) + "<date:taken|%Y%%s>" +
                            message.substr(at + 2, next - at - 2) + "2" + message.substr(next + 2) + "\n");
}

TEST_F(GeneratorSteps, BadMaskTokenIsAWrongValueCountingOrNot)
{
    const TempDir folder;
    folder.WriteFile("a.txt");
    for (const char* const count : {"--list", "--count"}) {
        const auto result = home.Run({"--scan", folder.Path(), "--mask", "*", "<n:1:0>", count, "--list"});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("--mask EXT: Token <n:1:0> in the mask: the step must not be 0"), std::string::npos)
            << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

// A pattern that backtracks without end on a name stops its pass there.
TEST_F(GeneratorSteps, RegularExpressionTooCostlyForANameIsAWrongValue)
{
    const TempDir folder;
    const std::string costly = std::string(22, 'a') + "b";
    folder.WriteFile("aaa");
    folder.WriteFile(costly);
    const auto result = home.Run({"--scan", folder.Path(), "--list", "--replace", "(a+)+$", "X", "--regex", "--list"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("'(a+)+$' needs too many steps on the name '" + costly + "'"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.OutLines().size(), 2U); // the first list only
}

TEST_F(GeneratorSteps, TranslitUsesTheStoredTables)
{
    home.WriteDataFile("data/translit.cfg",
                       {"[cyr_cty,1]", "[cyr1,ш  >  sh]", "[cyr_long_cty,0]", "[lat_cty,3]", "[lat1,s  >  с]",
                        "[lat2,h  >  х]", "[lat3,a  >  а]", "[lat_long_cty,1]", "[lat_long1,sh  >  ш]"});
    EXPECT_EQ(NewNamesAfter({"shah.txt", "Shah.sh"}, {"--translit", "lat-cyr"}), (Lines{"Sхах.sh", "шах.txt"}));
    EXPECT_EQ(NewNamesAfter({"ш-ш.ш"}, {"--translit", "cyr-lat"}), Lines{"sh-sh.ш"});
}

TEST_F(GeneratorSteps, DeleteCharacters)
{
    EXPECT_EQ(NewNamesAfter({"IMG_1234.jpg"}, {"--delete", "1", "4"}), Lines{"1234.jpg"});
    EXPECT_EQ(NewNamesAfter({"photo_copy.jpg"}, {"--delete", "1", "5", "--from-end"}), Lines{"photo.jpg"});
    EXPECT_EQ(NewNamesAfter({"abcdef.txt"}, {"--delete", "3", "256"}), Lines{"ab.txt"});
    EXPECT_EQ(NewNamesAfter({"ab.txt"}, {"--delete", "3", "1"}), Lines{"ab.txt"});
}

TEST_F(GeneratorSteps, CheckedOnlyHoldsForEveryLaterGeneratorAndCountsProcessedRows)
{
    // Rows 1 and 3 are checked by way of the filter.
    const Lines names =
        NewNamesAfter({"a.txt", "b.txt", "c.txt"},
                      {"--filter-old", "a;c", "--filter", "on", "--check-all", "--filter", "off", "--case", "upper",
                       "--checked-only", "--mask", "n1", "*", "--count", "--replace", "n", "m"});
    EXPECT_EQ(names, (Lines{"m1.TXT", "B.TXT", "m2.TXT"}));
}

TEST_F(GeneratorSteps, GeneratorsSeeOnlyShownRows)
{
    EXPECT_EQ(NewNamesAfter({"a.txt", "b.jpg"},
                            {"--filter-old", "jpg", "--filter", "on", "--case", "upper", "--filter", "off"}),
              (Lines{"a.txt", "B.JPG"}));
}

} // namespace
} // namespace tollwick::test
