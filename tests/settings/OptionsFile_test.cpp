// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataHome.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "settings/OptionsFile.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

TEST(OptionsFile, SavedOptionsComeBack)
{
    const test::DataHome home;
    SaveExtraOptions(home.Path(), {.regex = true});
    EXPECT_EQ(home.ReadFile("data/options.cfg"), test::CrLf({"[cfg_RegExpCheck,1]"}));
    EXPECT_EQ(LoadExtraOptions(home.Path()), ExtraOptions{.regex = true});
}

TEST(OptionsFile, MissingFileOrEntryGivesTheDefaults)
{
    const test::DataHome home;
    EXPECT_EQ(LoadExtraOptions(home.Path()), ExtraOptions{});
    home.WriteFile("data/options.cfg", "[cfg_Other,1]\n");
    EXPECT_EQ(LoadExtraOptions(home.Path()), ExtraOptions{});
}

TEST(OptionsFile, ValuesReadAsTheSettingsFileReadsThem)
{
    EXPECT_FALSE(ExtraOptionsFrom(KeyLines({"[cfg_RegExpCheck,2]"})).regex);
    EXPECT_TRUE(ExtraOptionsFrom(KeyLines({"[cfg_RegExpCheck,1]", "[cfg_RegExpCheck,0]"})).regex);
    EXPECT_THROW((void)ExtraOptionsFrom(KeyLines({"[cfg_RegExpCheck,]"})), TollwickError);
}

TEST(OptionsFile, AFileThatIsThereButUnreadableIsAnError)
{
    const test::DataHome home;
    home.MakeFolder("data/options.cfg");
    EXPECT_THROW((void)LoadExtraOptions(home.Path()), TollwickError);
    EXPECT_THROW(SaveExtraOptions(home.Path() + "gone/", {}), TollwickError);
}

TEST(OptionsFile, ShippedFileHoldsTheLinesTheProgramWouldWrite)
{
    const std::vector<std::string> lines = ReadLines(test::ShippedPath("data/options.cfg"));
    EXPECT_EQ(lines, ExtraOptionsLines(ExtraOptionsFrom(KeyLines(lines))));
    EXPECT_EQ(ExtraOptionsFrom(KeyLines(lines)), ExtraOptions{});
}

} // namespace
} // namespace tollwick
