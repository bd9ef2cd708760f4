// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ControlNames.h"

#include <gtest/gtest.h>
#include <string>

namespace tollwick {
namespace {

TEST(ControlNames, EveryGeneratorTabMapsToItsKindAndBack)
{
    const std::pair<std::string_view, GeneratorKind> tabs[] = {
        {"Generate1", GeneratorKind::Case},   {"Generate2", GeneratorKind::Replace},
        {"Generate3", GeneratorKind::Mask},   {"Generate4", GeneratorKind::Translit},
        {"Generate5", GeneratorKind::Delete},
    };
    for (const auto& [tab, kind] : tabs) {
        EXPECT_EQ(GeneratorOfTab(tab), kind) << tab;
        EXPECT_EQ(TabOfGenerator(kind), tab) << tab;
    }
}

TEST(ControlNames, AnUnknownTabHasNoGenerator)
{
    for (const std::string_view tab : {"", "Generate0", "Generate6", "generate1", "Generate1 ", "Gen"}) {
        EXPECT_EQ(GeneratorOfTab(tab), std::nullopt) << '"' << tab << '"';
    }
}

} // namespace
} // namespace tollwick

namespace tollwick {
namespace {

// The stored controls of the generator page, the filter page and the two separators.
constexpr std::string_view generatorControls[] = {
    "GenDownCheck",    "GenUpCheck",        "GenFirstUpCheck",       "GenInvertCheck",      "GenAllFirstUpCheck",
    "GenSymbol_Check", "ChangeFromEdit",    "ChangeToEdit",          "DoNotChangeExtCheck", "OnlyFirstCheck",
    "CaseCheck",       "MaskNameEdit",      "MaskExtEdit",           "IncNameCheck",        "CyrToLatCheck",
    "LatToCyrCheck",   "DeleteInvertCheck", "ApplyCheckedOnlyCheck",
};

// Every stored value away from the layout's: texts of their own, each box
// flipped, and of each radio group the button the layout leaves unchecked.
Settings NonDefaultSettings()
{
    Settings settings = LayoutSettings();
    for (const StoredControl& control : StoredControls) {
        ControlValue& value = settings.At(control.name);
        if (control.kind == ControlKind::EditField) {
            value.text = std::string(control.name) + " typed";
        } else if (control.kind == ControlKind::CheckBox) {
            value.checked = !value.checked;
        } else {
            value.checked = false;
        }
    }
    settings.At("RadioButton3").checked = true;
    settings.At("GenInvertCheck").checked = true;
    settings.At("LatToCyrCheck").checked = true;
    return settings;
}

TEST(StoredSetup, EveryStoredValueOfThePagesSurvivesTheWayThroughTheSetup)
{
    const Settings stored = NonDefaultSettings();
    const ExtraOptions extra{true};
    const GeneratorSetup setup = GeneratorSetupOf(stored, extra);
    EXPECT_EQ(setup.caseStep.mode, CaseMode::Swap);
    EXPECT_TRUE(setup.caseStep.underscoreStartsWord);
    EXPECT_EQ(setup.replace, (ReplaceStep{"ChangeFromEdit typed", "ChangeToEdit typed", true, true, true, true}));
    EXPECT_EQ(setup.mask, (MaskStep{"MaskNameEdit typed", "MaskExtEdit typed", true}));
    EXPECT_FALSE(setup.translit.cyrillicToLatin);
    EXPECT_TRUE(setup.deleteStep.fromEnd);
    EXPECT_TRUE(setup.checkedOnly);

    Settings back = LayoutSettings();
    ExtraOptions backExtra;
    StoreGeneratorSetup(setup, back, backExtra);
    EXPECT_EQ(backExtra, extra);
    for (const std::string_view name : generatorControls) {
        EXPECT_EQ(back.At(name), stored.At(name)) << name;
    }

    const FilterSettings filter = StoredFilterOf(stored);
    EXPECT_FALSE(filter.on);
    EXPECT_EQ(filter.oldNameTest, stored.At("FilterOldNameCheck").checked);
    EXPECT_EQ(filter.oldNameTerms, "FilterOldNameEdit typed");
    EXPECT_EQ(filter.newNameTest, stored.At("FilterNewNameCheck").checked);
    EXPECT_EQ(filter.newNameTerms, "FilterNewNameEdit typed");
    EXPECT_EQ(filter.dateTest, stored.At("FilterDateCheck").checked);
    EXPECT_EQ(ImportSeparatorOf(stored), "Kind5Edit typed");
    EXPECT_EQ(ExportSeparatorOf(stored), "KindSaveEdit typed");
}

TEST(StoredSetup, EachCaseButtonGivesItsModeAndNoneGivesLower)
{
    const std::pair<std::string_view, CaseMode> buttons[] = {
        {"GenDownCheck", CaseMode::Lower},       {"GenUpCheck", CaseMode::Upper},
        {"GenFirstUpCheck", CaseMode::First},    {"GenInvertCheck", CaseMode::Swap},
        {"GenAllFirstUpCheck", CaseMode::Words},
    };
    Settings none = LayoutSettings();
    for (const auto& [name, mode] : buttons) {
        none.At(name).checked = false;
    }
    EXPECT_EQ(GeneratorSetupOf(none, {}).caseStep.mode, CaseMode::Lower);
    for (const auto& [name, mode] : buttons) {
        Settings one = none;
        one.At(name).checked = true;
        const GeneratorSetup setup = GeneratorSetupOf(one, {});
        EXPECT_EQ(setup.caseStep.mode, mode) << name;
        Settings back = LayoutSettings();
        ExtraOptions extra;
        StoreGeneratorSetup(setup, back, extra);
        for (const auto& [other, otherMode] : buttons) {
            EXPECT_EQ(back.At(other).checked, other == name) << name << " then " << other;
        }
    }
}

} // namespace
} // namespace tollwick
