// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include <gtest/gtest.h>

namespace tollwick::test {
namespace {

using Lines = std::vector<std::string>;

class PresetSteps : public ::testing::Test {
protected:
    PresetSteps()
    {
        folder.WriteFile("b.txt");
        folder.WriteFile("a.txt");
    }
    BatchResult Run(Lines arguments) const
    {
        arguments.insert(arguments.begin(), {"--scan", folder.Path()});
        return home.Run(arguments);
    }

    BatchHome home;
    TempDir folder;
};

TEST_F(PresetSteps, ASavedPresetRenamesAsItsStepsDid)
{
    const auto direct = Run({"--case", "upper", "--mask", "*_001", "*", "--count", "--save-preset", "two", "--list"});
    ASSERT_EQ(direct.exitCode, 0) << direct.err;
    EXPECT_EQ(Column(direct, 1), (Lines{"A_001.TXT", "B_002.TXT"}));
    const auto loaded = Run({"--preset", "two", "--list"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(Column(loaded, 1), Column(direct, 1));
    // The steps a preset ran are saved with the later ones.
    ASSERT_EQ(Run({"--preset", "two", "--delete", "1", "2", "--save-preset", "three"}).exitCode, 0);
    EXPECT_EQ(Column(Run({"--preset", "three", "--list"}), 1), (Lines{"001.TXT", "002.TXT"}));
}

TEST_F(PresetSteps, ADamagedOrMissingPresetRenamesNothing)
{
    ASSERT_EQ(Run({"--case", "lower", "--save-preset", "bad"}).exitCode, 0);
    home.WriteDataFile("data/presets/bad.cfg", {"[step,case]", "no bracket line"});
    for (const std::string name : {"bad", "missing"}) {
        const auto result = Run({"--case", "upper", "--preset", name, "--check-all", "--run", "--no-undo"});
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_TRUE(folder.Exists("a.txt") && folder.Exists("b.txt"));
    }
    EXPECT_NE(Run({"--preset", "bad"}).err.find("bad.cfg:2"), std::string::npos);
}

TEST_F(PresetSteps, SavingNeedsAGeneratorStepAndAFileName)
{
    EXPECT_EQ(Run({"--check-all", "--save-preset", "x"}).exitCode, 2);
    EXPECT_EQ(Run({"--case", "upper", "--save-preset", ".x"}).exitCode, 2);
    ASSERT_EQ(Run({"--case", "upper", "--save-preset", "zeta", "--save-preset", "alpha"}).exitCode, 0);
    const auto listed = home.Run({"--list-presets"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.OutLines(), (Lines{"alpha", "zeta"}));
}

} // namespace
} // namespace tollwick::test
