// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// How a stored control keeps its state in the settings file.
enum class ControlKind {
    EditField,   // its text, unchanged
    CheckBox,    // "1" checked, "0" not
    RadioButton, // as a check box; checking one unchecks the rest of its group
};

/// One control whose state outlives the program.
struct StoredControl {
    std::string_view name;
    ControlKind kind;
    int radioGroup = 0; // 0 for no group
};

/// The radio groups, by the panel that holds them.
inline constexpr int StartPageGroup = 1; // RadioButton1..RadioButton4
inline constexpr int CaseModeGroup = 2;  // the five case buttons
inline constexpr int DirectionGroup = 3; // CyrToLatCheck, LatToCyrCheck

/// The 31 stored controls in component order, which is the order of lines
/// 2 to 32 of the settings file.
inline constexpr std::array<StoredControl, 31> StoredControls{{
    {"KindSaveEdit", ControlKind::EditField},
    {"FilterOldNameCheck", ControlKind::CheckBox},
    {"FilterOldNameEdit", ControlKind::EditField},
    {"FilterNewNameCheck", ControlKind::CheckBox},
    {"FilterNewNameEdit", ControlKind::EditField},
    {"FilterDateCheck", ControlKind::CheckBox},
    {"RadioButton1", ControlKind::RadioButton, StartPageGroup},
    {"RadioButton2", ControlKind::RadioButton, StartPageGroup},
    {"RadioButton3", ControlKind::RadioButton, StartPageGroup},
    {"RadioButton4", ControlKind::RadioButton, StartPageGroup},
    {"UndoCheck", ControlKind::CheckBox},
    {"Kind5Edit", ControlKind::EditField},
    {"GenDownCheck", ControlKind::RadioButton, CaseModeGroup},
    {"GenUpCheck", ControlKind::RadioButton, CaseModeGroup},
    {"GenFirstUpCheck", ControlKind::RadioButton, CaseModeGroup},
    {"GenInvertCheck", ControlKind::RadioButton, CaseModeGroup},
    {"GenAllFirstUpCheck", ControlKind::RadioButton, CaseModeGroup},
    {"GenSymbol_Check", ControlKind::CheckBox},
    {"ChangeFromEdit", ControlKind::EditField},
    {"ChangeToEdit", ControlKind::EditField},
    {"DoNotChangeExtCheck", ControlKind::CheckBox},
    {"OnlyFirstCheck", ControlKind::CheckBox},
    {"CaseCheck", ControlKind::CheckBox},
    {"MaskNameEdit", ControlKind::EditField},
    {"MaskExtEdit", ControlKind::EditField},
    {"IncNameCheck", ControlKind::CheckBox},
    {"CyrToLatCheck", ControlKind::RadioButton, DirectionGroup},
    {"LatToCyrCheck", ControlKind::RadioButton, DirectionGroup},
    {"DeleteInvertCheck", ControlKind::CheckBox},
    {"ApplyCheckedOnlyCheck", ControlKind::CheckBox},
    {"HelpCheck", ControlKind::CheckBox},
}};

/// The key of the first line: the language file's name, without folder.
inline constexpr std::string_view LanguageSettingKey = "cfg_Language";

/// "cfg_" + the control's name.
[[nodiscard]] std::string SettingKey(std::string_view controlName);

/// The position of a control in StoredControls; none for a control that is
/// not stored.
[[nodiscard]] std::optional<std::size_t> StoredControlIndex(std::string_view controlName);

/// The state of one stored control: the text of an edit field, or whether a
/// check box or radio button is checked.
struct ControlValue {
    std::string text;
    bool checked = false;
    friend bool operator==(const ControlValue&, const ControlValue&) = default;
};

/// Everything the settings file holds, one value per StoredControls entry.
struct Settings {
    std::string languageFileName;
    std::array<ControlValue, StoredControls.size()> values;

    /// The value of a stored control by name; raises std::out_of_range for
    /// a name that is not in StoredControls.
    [[nodiscard]] ControlValue& At(std::string_view controlName);
    [[nodiscard]] const ControlValue& At(std::string_view controlName) const;
    friend bool operator==(const Settings&, const Settings&) = default;
};

/// The states the window's layout gives before any settings are read:
/// every edit field holding its own name but the two masks holding "*",
/// RadioButton1 and HelpCheck checked, no language file.
[[nodiscard]] Settings LayoutSettings();

/// The 32 lines of the settings file: the language line, then one line per
/// stored control in component order.
[[nodiscard]] std::vector<std::string> SettingsFileLines(const Settings& settings);

/// What the settings in `keys` give one control: an edit field the text
/// under its key (empty when missing), a box checked exactly when its number
/// is 1. Raises the conversion error for a box whose value is not a number.
[[nodiscard]] ControlValue StoredValue(const KeyLines& keys, const StoredControl& control);

/// Restores the control at `index` of StoredControls into `settings`;
/// a radio button that becomes checked unchecks the others of its group.
void RestoreControl(const KeyLines& keys, std::size_t index, Settings& settings);

/// Restores every stored control in component order, then the language file
/// name. A conversion error stops it there: the controls before it are
/// restored, the rest and the language name keep what they held.
void RestoreSettings(const KeyLines& keys, Settings& settings);

} // namespace tollwick
