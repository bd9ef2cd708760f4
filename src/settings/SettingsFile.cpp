// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"

#include <stdexcept>

namespace tollwick {

std::string SettingKey(std::string_view controlName)
{
    return "cfg_" + std::string(controlName);
}

std::optional<std::size_t> StoredControlIndex(std::string_view controlName)
{
    for (std::size_t i = 0; i < StoredControls.size(); ++i) {
        if (StoredControls[i].name == controlName) {
            return i;
        }
    }
    return std::nullopt;
}

namespace {

std::size_t CheckedIndex(std::string_view controlName)
{
    const std::optional<std::size_t> index = StoredControlIndex(controlName);
    if (!index) {
        throw std::out_of_range("Not a stored control: " + std::string(controlName));
    }
    return *index;
}

} // namespace

ControlValue& Settings::At(std::string_view controlName)
{
    return values[CheckedIndex(controlName)];
}

const ControlValue& Settings::At(std::string_view controlName) const
{
    return values[CheckedIndex(controlName)];
}

Settings LayoutSettings()
{
    Settings settings;
    for (std::size_t i = 0; i < StoredControls.size(); ++i) {
        if (StoredControls[i].kind == ControlKind::EditField) {
            settings.values[i].text = StoredControls[i].name;
        }
    }
    // Built, not assigned from a literal: GCC 12 misreports that copy at -O3.
    settings.At("MaskNameEdit").text = std::string(1, '*');
    settings.At("MaskExtEdit").text = std::string(1, '*');
    settings.At("RadioButton1").checked = true;
    settings.At("HelpCheck").checked = true;
    return settings;
}

std::vector<std::string> SettingsFileLines(const Settings& settings)
{
    std::vector<std::string> lines;
    lines.reserve(StoredControls.size() + 1);
    lines.push_back(BracketLine(LanguageSettingKey, SingleLineValue(settings.languageFileName)));
    for (std::size_t i = 0; i < StoredControls.size(); ++i) {
        const StoredControl& control = StoredControls[i];
        const ControlValue& value = settings.values[i];
        const std::string stored =
            control.kind == ControlKind::EditField ? SingleLineValue(value.text) : (value.checked ? "1" : "0");
        lines.push_back(BracketLine(SettingKey(control.name), stored));
    }
    return lines;
}

ControlValue StoredValue(const KeyLines& keys, const StoredControl& control)
{
    const std::string key = SettingKey(control.name);
    if (control.kind == ControlKind::EditField) {
        return {keys.LookupText(key), false};
    }
    return {{}, keys.LookupNumber(key) == 1};
}

void RestoreControl(const KeyLines& keys, std::size_t index, Settings& settings)
{
    const StoredControl& control = StoredControls.at(index);
    ControlValue value = StoredValue(keys, control);
    if (control.kind == ControlKind::EditField) {
        settings.values[index].text = std::move(value.text);
        return;
    }
    if (control.radioGroup != 0 && value.checked) {
        for (std::size_t other = 0; other < StoredControls.size(); ++other) {
            if (StoredControls[other].radioGroup == control.radioGroup) {
                settings.values[other].checked = false;
            }
        }
    }
    settings.values[index].checked = value.checked;
}

void RestoreSettings(const KeyLines& keys, Settings& settings)
{
    for (std::size_t i = 0; i < StoredControls.size(); ++i) {
        RestoreControl(keys, i, settings);
    }
    settings.languageFileName = keys.LookupText(LanguageSettingKey);
}

} // namespace tollwick
