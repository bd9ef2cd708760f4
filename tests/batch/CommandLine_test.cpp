// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"
#include "batch/CommandLine.h"
#include "batch/StepTable.h"
#include "batch/UsageError.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace tollwick::batch {
namespace {

using test::BatchHome;
using test::TempDir;

template <typename T> T OnlyStep(const std::vector<std::string>& arguments)
{
    const Invocation invocation = ParseCommandLine(arguments);
    EXPECT_EQ(invocation.steps.size(), 1U);
    return std::get<T>(invocation.steps.at(0));
}

TEST(CommandLine, StepsKeepTheirOrderAndModifiersBindToTheStepBefore)
{
    const TempDir folder;
    const Invocation invocation = ParseCommandLine(
        {"--scan", folder.Path(), "--replace", "a", "b", "--keep-ext", "--first-only", "--check-all", "--run"});
    ASSERT_EQ(invocation.steps.size(), 4U);
    EXPECT_EQ(std::get<ScanStep>(invocation.steps[0]).folder, folder.Path());
    const auto& replace = std::get<ReplaceStep>(invocation.steps[1]);
    EXPECT_EQ(replace.from, "a");
    EXPECT_EQ(replace.to, "b");
    EXPECT_TRUE(replace.firstOnly);
    EXPECT_TRUE(replace.keepExtension);
    EXPECT_FALSE(replace.matchCase);
    EXPECT_TRUE(std::get<RunStep>(invocation.steps[3]).writeUndo);
}

TEST(CommandLine, OperandsAreTakenAsTheyStandEvenWithLeadingDashes)
{
    const auto replace = OnlyStep<ReplaceStep>({"--replace", "--list", "-"});
    EXPECT_EQ(replace.from, "--list");
    EXPECT_EQ(replace.to, "-");
    EXPECT_EQ(OnlyStep<FilterTermsStep>({"--filter-old", ""}).terms, "");
}

TEST(CommandLine, ScanFolderBecomesAbsoluteWithOneClosingSlash)
{
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", "/"}).folder, "/");
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", "/tmp//"}).folder, "/tmp/");
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", "/tmp/../tmp"}).folder, "/tmp/");
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", "."}).folder.front(), '/');
}

TEST(CommandLine, ScanFolderIsTheOneThePathReachesThroughLinks)
{
    const TempDir top;
    top.MakeFolder("x");
    top.MakeFolder("other");
    top.MakeFolder("other/deep");
    top.WriteFile("file");
    std::filesystem::create_directory_symlink(top.Path() + "other/deep", top.Path() + "x/link");
    const std::string real = std::filesystem::canonical(top.Path()).string() + "/";
    // Taken lexically, "x/link/.." would be x, and a run would rename the files of another folder.
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", top.Path() + "x/link/.."}).folder, real + "other/");
    EXPECT_EQ(OnlyStep<ScanStep>({"--scan", top.Path() + "x/link"}).folder, real + "other/deep/");
    try {
        (void)ParseCommandLine({"--home", top.Path() + "file", "--list"});
        ADD_FAILURE() << "a file taken for a folder";
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find("(Not a directory)"), std::string::npos) << error.what();
    }
}

// The generator reads the values as it reads a preset; the message still names the operand.
TEST(CommandLine, AWrongGeneratorValueNamesItsOperand)
{
    const auto messageOf = [](const std::vector<std::string>& arguments) {
        try {
            (void)ParseCommandLine(arguments);
        } catch (const UsageError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf({"--delete", "2", "x"}), "--delete COUNT: 'x' is not a number from 1 to 256");
    EXPECT_EQ(messageOf({"--mask", "*", "<nope>"}).rfind("--mask EXT: ", 0), 0U);
    EXPECT_EQ(messageOf({"--replace", "(", "x", "--regex"}).rfind("--replace FROM: ", 0), 0U);
    const auto step = OnlyStep<DeleteStep>({"--delete", "3", "4", "--from-end"});
    EXPECT_EQ(std::tuple(step.from, step.count, step.fromEnd), std::tuple(3, 4, true));
}

TEST(CommandLine, CaseModes)
{
    EXPECT_EQ(OnlyStep<CaseStep>({"--case", "first"}).firstCount, 1);
    EXPECT_EQ(OnlyStep<CaseStep>({"--case", "first:256"}).firstCount, 256);
    EXPECT_TRUE(OnlyStep<CaseStep>({"--case", "words:underscore"}).underscoreStartsWord);
    EXPECT_FALSE(OnlyStep<CaseStep>({"--case", "words"}).underscoreStartsWord);
    EXPECT_EQ(OnlyStep<CaseStep>({"--case", "swap"}).mode, CaseMode::Swap);
}

TEST(CommandLine, SeparatorIsOptionalAndMayBeEmpty)
{
    EXPECT_FALSE(OnlyStep<ImportStep>({"--import", "f", "--layout", "5"}).separator.has_value());
    EXPECT_EQ(OnlyStep<ExportStep>({"--export", "f", "--layout", "6", "--separator", ""}).separator, "");
}

TEST(CommandLine, FaultsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> faults = {
        {},
        {"--scan"},
        {"--scan", "/no/such/folder/anywhere"},
        {"--bogus"},
        {"--first-only"},
        {"--list", "--keep-ext"},
        {"--replace", "a"},
        {"--replace", "IMG_(", "x", "--regex"},
        {"--replace", "(a)", "$2", "--regex"},
        {"--import", "f"},
        {"--import", "f", "--layout", "7"},
        {"--import", "f", "--layout", "0"},
        {"--import", "f", "--layout", "2x"},
        {"--import", "f", "--layout", "3", "--separator", "="},
        {"--import", "/tmp", "--layout", "1"},
        {"--export", "f", "--layout", "1", "--layout", "2"},
        {"--filter", "maybe"},
        {"--filter-dates", "2025-01-01"},
        {"--filter-dates", "2025-13-01", "2025-12-31"},
        {"--filter-dates", "2023-02-29", "2023-03-01"},
        {"--filter-dates", "2025-1-01", "2025-12-31"},
        {"--filter-dates", "2025-03-02", "2025-03-01"},
        {"--case", "title"},
        {"--case", "first:0"},
        {"--case", "first:257"},
        {"--case", "lower:2"},
        {"--case", "words:dash"},
        {"--translit", "lat-greek"},
        {"--delete", "0", "1"},
        {"--delete", "1", "-1"},
        {"--sort", "4"},
        {"--sort", "-1"},
        {"--home", "/no/such/folder/anywhere", "--list"},
        {"--home", "/tmp", "--home", "/tmp", "--list"},
        {"--import", "f", "--layout", "1", "--check-all", "--run"},
        {"--run", "--scan", "/tmp"},
    };
    for (const auto& arguments : faults) {
        std::string line;
        for (const auto& argument : arguments) {
            line += argument + ' ';
        }
        EXPECT_THROW((void)ParseCommandLine(arguments), UsageError) << line;
    }
}

TEST(CommandLine, LeapDayIsADate)
{
    const auto dates = OnlyStep<FilterDatesStep>({"--filter-dates", "2024-02-29", "2024-02-29"});
    EXPECT_EQ(dates.first, (CalendarDate{2024, 2, 29}));
}

TEST(CommandLine, HelpNamesEveryStepAndModifier)
{
    const std::string help = HelpText();
    for (const StepForm& definition : StepForms()) {
        EXPECT_NE(help.find("  " + std::string(definition.name)), std::string::npos) << definition.name;
        for (const ModifierForm& modifier : definition.modifiers) {
            EXPECT_NE(help.find(std::string(modifier.name)), std::string::npos) << modifier.name;
        }
    }
}

// The completion offers what the table holds; each offer must be one the parser takes.
TEST(CommandLine, EveryValueTheTableOffersIsAcceptedAndNumberRangesAreExact)
{
    const auto valueOf = [](const OperandForm& operand) {
        return operand.kind == OperandKind::Number ? std::to_string(operand.lowest) : std::string(operand.words.at(0));
    };
    for (const StepForm& definition : StepForms()) {
        const bool fixedValues = !definition.operands.empty() && std::ranges::all_of(definition.operands, [](auto& o) {
            return o.kind == OperandKind::Words || o.kind == OperandKind::Number;
        });
        if (!fixedValues) {
            continue;
        }
        for (std::size_t position = 0; position < definition.operands.size(); ++position) {
            const auto withValue = [&](const std::string& value) {
                std::vector<std::string> arguments{std::string(definition.name)};
                for (std::size_t k = 0; k < definition.operands.size(); ++k) {
                    arguments.push_back(k == position ? value : valueOf(definition.operands[k]));
                }
                return arguments;
            };
            const OperandForm& operand = definition.operands[position];
            for (const std::string_view word : operand.words) {
                // A word ending in ':' is completed by its number.
                const std::string value = std::string(word) + (word.ends_with(':') ? "1" : "");
                EXPECT_NO_THROW((void)ParseCommandLine(withValue(value))) << definition.name << ' ' << value;
            }
            if (operand.kind == OperandKind::Number) {
                EXPECT_NO_THROW((void)ParseCommandLine(withValue(std::to_string(operand.highest)))) << definition.name;
                EXPECT_THROW((void)ParseCommandLine(withValue(std::to_string(operand.lowest - 1))), UsageError);
                EXPECT_THROW((void)ParseCommandLine(withValue(std::to_string(operand.highest + 1))), UsageError);
            }
        }
    }
}

TEST(ExitStatus, HelpIsZeroAndPrintsUsage)
{
    const auto result = test::RunBatch({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("Usage: tollwick-batch"), std::string::npos);
}

TEST(ExitStatus, UsageErrorIsTwoAndRunsNoStepBeforeIt)
{
    const BatchHome home;
    const TempDir folder;
    folder.WriteFile("a.txt");
    // The faulty last step must stop the run of the whole line, not only itself.
    const auto result =
        home.Run({"--scan", folder.Path(), "--replace", "a", "b", "--check-all", "--run", "--sort", "9"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--sort"), std::string::npos);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(home.UndoFiles().empty());
}

TEST(ExitStatus, NoArgumentsIsAUsageError)
{
    const auto result = test::RunBatch({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--help"), std::string::npos);
}

} // namespace
} // namespace tollwick::batch
