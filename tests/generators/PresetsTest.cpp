// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Presets.h"

#include "platform/Errors.h"
#include "settings/PresetFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

class Presets : public ::testing::Test {
protected:
    test::TempDir home;
    [[nodiscard]] std::string FileOf(const std::string& name) const
    {
        return home.Path() + "data/presets/" + name + ".cfg";
    }
};

TEST_F(Presets, SavedStepsComeBackInTheirOrder)
{
    const std::vector<GeneratorStep> steps{DeleteStep{2, 3, true}, CaseStep{CaseMode::Words, 1, true},
                                           ReplaceStep{"a", "b", false, true, false, false}, DeleteStep{}};
    SavePreset(home.Path(), "mine", steps);
    EXPECT_EQ(LoadPreset(home.Path(), "mine"), steps);
    EXPECT_EQ(test::CrLfLinesOf(FileOf("mine")).front(), "[step,delete]");

    SavePreset(home.Path(), "other", {TranslitStep{}});
    SavePreset(home.Path(), "mine", {MaskStep{}});
    EXPECT_EQ(LoadPreset(home.Path(), "mine"), std::vector<GeneratorStep>{MaskStep{}});
    home.WriteFile("data/presets/.hidden.cfg", "[step,case]\r\n");
    home.WriteFile("data/presets/notes.txt", "[step,case]\r\n");
    EXPECT_EQ(PresetNames(home.Path()), (std::vector<std::string>{"mine", "other"}));
    EXPECT_TRUE(RemovePreset(home.Path(), "other"));
    EXPECT_FALSE(RemovePreset(home.Path(), "other"));
    EXPECT_EQ(PresetNames(home.Path()), std::vector<std::string>{"mine"});
}

TEST_F(Presets, NamesThatCannotBeAFileOfTheFolderAreRefused)
{
    for (const std::string& name : {std::string(), std::string("a/b"), std::string(".cfg"), std::string(201, 'n')}) {
        EXPECT_THROW(SavePreset(home.Path(), name, {CaseStep{}}), TollwickError) << name;
        EXPECT_THROW((void)LoadPreset(home.Path(), name), TollwickError) << name;
    }
    EXPECT_NO_THROW(SavePreset(home.Path(), std::string(200, 'n'), {CaseStep{}}));
    EXPECT_EQ(home.Names(), std::vector<std::string>{"data"});
}

TEST_F(Presets, AMissingPresetSaysSo)
{
    EXPECT_TRUE(PresetNames(home.Path()).empty());
    try {
        (void)LoadPreset(home.Path(), "gone");
        ADD_FAILURE();
    } catch (const TollwickError& error) {
        EXPECT_EQ(std::string(error.what()), "There is no preset gone (" + FileOf("gone") + ")");
    }
}

struct Damage {
    std::string text;
    std::size_t line;
    std::string reason;
};

TEST_F(Presets, ADamagedFileIsRefusedWithItsLine)
{
    const Damage cases[] = {
        {"[step,case]\r\nmode=upper\r\n", 2, "not a line [KEY,VALUE]"},
        {"[step,case]\r\n[mode,upper\r\n", 2, "not a line [KEY,VALUE]"},
        {"[mode,upper]\r\n[step,case]\r\n", 1, "an option before the first [step,ID] line"},
        {"[step,case]\r\n[step,title]\r\n", 2, "'title' is not a generator"},
        {"[step,case]\r\n[mode,upper]\r\n[size,2]\r\n", 3, "size: not an option of case"},
        {"[step,delete]\r\n[from,1]\r\n[from,0]\r\n[count,1]\r\n", 3, "from: '0' is not a number from 1 to 256"},
        {"[step,replace]\r\n[from,(]\r\n[regex,1]\r\n", 2, "from: "},
        {"\r\n", 1, "no [step,ID] line"},
    };
    home.MakeFolder("data");
    home.MakeFolder("data/presets");
    for (const Damage& damage : cases) {
        home.WriteFile("data/presets/bad.cfg", damage.text);
        try {
            (void)LoadPreset(home.Path(), "bad");
            ADD_FAILURE() << damage.text;
        } catch (const TollwickError& error) {
            const std::string expected = FileOf("bad") + ":" + std::to_string(damage.line) + ": " + damage.reason;
            EXPECT_EQ(std::string(error.what()).substr(0, expected.size()), expected);
        }
    }
}

} // namespace
} // namespace tollwick
