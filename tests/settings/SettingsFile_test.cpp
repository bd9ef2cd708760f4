// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Errors.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

std::vector<std::string> ControlLines(std::initializer_list<std::string> lines)
{
    return {lines};
}

TEST(SettingsFileLines, LanguageLineThenEveryControlInComponentOrder)
{
    Settings settings = LayoutSettings();
    settings.languageFileName = "Russian.lng";
    settings.At("UndoCheck").checked = true;
    settings.At("RadioButton1").checked = false;
    settings.At("LatToCyrCheck").checked = true;
    settings.At("Kind5Edit").text = "";
    const std::vector<std::string> lines = SettingsFileLines(settings);
    const std::vector<std::string> expected{"[cfg_Language,Russian.lng]",
                                            "[cfg_KindSaveEdit,KindSaveEdit]",
                                            "[cfg_FilterOldNameCheck,0]",
                                            "[cfg_FilterOldNameEdit,FilterOldNameEdit]",
                                            "[cfg_FilterNewNameCheck,0]",
                                            "[cfg_FilterNewNameEdit,FilterNewNameEdit]",
                                            "[cfg_FilterDateCheck,0]",
                                            "[cfg_RadioButton1,0]",
                                            "[cfg_RadioButton2,0]",
                                            "[cfg_RadioButton3,0]",
                                            "[cfg_RadioButton4,0]",
                                            "[cfg_UndoCheck,1]",
                                            "[cfg_Kind5Edit,]",
                                            "[cfg_GenDownCheck,0]",
                                            "[cfg_GenUpCheck,0]",
                                            "[cfg_GenFirstUpCheck,0]",
                                            "[cfg_GenInvertCheck,0]",
                                            "[cfg_GenAllFirstUpCheck,0]",
                                            "[cfg_GenSymbol_Check,0]",
                                            "[cfg_ChangeFromEdit,ChangeFromEdit]",
                                            "[cfg_ChangeToEdit,ChangeToEdit]",
                                            "[cfg_DoNotChangeExtCheck,0]",
                                            "[cfg_OnlyFirstCheck,0]",
                                            "[cfg_CaseCheck,0]",
                                            "[cfg_MaskNameEdit,*]",
                                            "[cfg_MaskExtEdit,*]",
                                            "[cfg_IncNameCheck,0]",
                                            "[cfg_CyrToLatCheck,0]",
                                            "[cfg_LatToCyrCheck,1]",
                                            "[cfg_DeleteInvertCheck,0]",
                                            "[cfg_ApplyCheckedOnlyCheck,0]",
                                            "[cfg_HelpCheck,1]"};
    EXPECT_EQ(lines, expected);
}

TEST(SettingsFileLines, TextsWithBracketsCommasAndBlanksComeBackUnchanged)
{
    Settings settings = LayoutSettings();
    const std::vector<std::string> texts{"[", ",", "]", "  a, [b] ,c  ", " ] ", "", "Ёлка ]", "\xff\xfe"};
    for (const std::string& text : texts) {
        settings.At("ChangeFromEdit").text = text;
        settings.At("ChangeToEdit").text = text + "]";
        const KeyLines keys(SettingsFileLines(settings));
        EXPECT_EQ(keys.LookupText("cfg_ChangeFromEdit"), text);
        EXPECT_EQ(keys.LookupText("cfg_ChangeToEdit"), text + "]");
    }
}

TEST(SettingsFileLines, LineBreaksInATextCannotSplitTheFile)
{
    Settings settings = LayoutSettings();
    settings.At("KindSaveEdit").text = std::string("a\r\nb\0c", 6);
    const std::vector<std::string> lines = SettingsFileLines(settings);
    ASSERT_EQ(lines.size(), 32U);
    EXPECT_EQ(lines[1], "[cfg_KindSaveEdit,a  b c]");
}

TEST(RestoreSettings, BoxesAreCheckedOnlyByTheValueOne)
{
    Settings settings = LayoutSettings();
    const KeyLines keys(ControlLines({"[cfg_UndoCheck,1]", "[cfg_HelpCheck,2]", "[cfg_CaseCheck, +1]",
                                      "[cfg_IncNameCheck,-1]", "[cfg_FilterDateCheck,0]"}));
    RestoreSettings(keys, settings);
    EXPECT_TRUE(settings.At("UndoCheck").checked);
    EXPECT_FALSE(settings.At("HelpCheck").checked);
    EXPECT_TRUE(settings.At("CaseCheck").checked);
    EXPECT_FALSE(settings.At("IncNameCheck").checked);
    // A missing key leaves an edit field empty and a box unchecked.
    EXPECT_FALSE(settings.At("RadioButton1").checked);
    EXPECT_EQ(settings.At("MaskNameEdit").text, "");
}

TEST(RestoreSettings, AFlagThatIsNoNumberStopsTheRestoreThere)
{
    Settings settings = LayoutSettings();
    settings.languageFileName = "English.lng";
    const KeyLines keys(
        ControlLines({"[cfg_Language,Russian.lng]", "[cfg_KindSaveEdit,;]", "[cfg_FilterOldNameCheck,1]",
                      "[cfg_FilterOldNameEdit,abc]", "[cfg_FilterNewNameCheck,]", "[cfg_FilterNewNameEdit,def]"}));
    try {
        RestoreSettings(keys, settings);
        FAIL() << "an empty flag must raise the conversion error";
    } catch (const TollwickError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(settings.At("KindSaveEdit").text, ";");
    EXPECT_TRUE(settings.At("FilterOldNameCheck").checked);
    EXPECT_EQ(settings.At("FilterOldNameEdit").text, "abc");
    // The failing control and everything after it keep their state.
    EXPECT_EQ(settings.At("FilterNewNameEdit").text, "FilterNewNameEdit");
    EXPECT_TRUE(settings.At("HelpCheck").checked);
    EXPECT_EQ(settings.languageFileName, "English.lng");
}

TEST(RestoreSettings, TheLastCheckedRadioButtonOfAGroupWins)
{
    Settings settings = LayoutSettings();
    const KeyLines keys(
        ControlLines({"[cfg_RadioButton2,1]", "[cfg_RadioButton3,0]", "[cfg_RadioButton4,1]", "[cfg_GenUpCheck,1]",
                      "[cfg_GenInvertCheck,1]", "[cfg_GenAllFirstUpCheck,0]", "[cfg_CyrToLatCheck,1]"}));
    RestoreSettings(keys, settings);
    const auto checked = [&](std::string_view name) { return settings.At(name).checked; };
    EXPECT_FALSE(checked("RadioButton1"));
    EXPECT_FALSE(checked("RadioButton2"));
    EXPECT_TRUE(checked("RadioButton4"));
    EXPECT_FALSE(checked("GenUpCheck"));
    EXPECT_TRUE(checked("GenInvertCheck"));
    // Groups are separate: the direction group keeps its own choice.
    EXPECT_TRUE(checked("CyrToLatCheck"));
    EXPECT_FALSE(checked("LatToCyrCheck"));
}

TEST(RestoreSettings, AGroupWithNoButtonAtOneEndsWithNoneChecked)
{
    Settings settings = LayoutSettings();
    settings.At("GenUpCheck").checked = true;
    const KeyLines keys(ControlLines({"[cfg_RadioButton1,0]", "[cfg_GenUpCheck,0]"}));
    RestoreSettings(keys, settings);
    for (const std::string_view name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "GenDownCheck",
                                        "GenUpCheck", "GenFirstUpCheck"}) {
        EXPECT_FALSE(settings.At(name).checked) << name;
    }
}

} // namespace
} // namespace tollwick
