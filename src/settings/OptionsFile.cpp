// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsFile.h"

#include "platform/LineFile.h"
#include "settings/SettingsFile.h"

namespace tollwick {
namespace {

bool CheckedIn(const KeyLines& keys, std::string_view controlName, bool fallback)
{
    const std::string key = SettingKey(controlName);
    return keys.Holds(key) ? keys.LookupNumber(key) == 1 : fallback;
}

std::string_view CheckValue(bool checked)
{
    return checked ? "1" : "0";
}

} // namespace

std::vector<std::string> ExtraOptionsLines(const ExtraOptions& options)
{
    return {BracketLine(SettingKey("RegExpCheck"), CheckValue(options.regex))};
}

ExtraOptions ExtraOptionsFrom(const KeyLines& keys)
{
    const ExtraOptions defaults;
    ExtraOptions options;
    options.regex = CheckedIn(keys, "RegExpCheck", defaults.regex);
    return options;
}

ExtraOptions LoadExtraOptions(const std::string& home)
{
    const auto lines = ReadLinesIfPresent(home + std::string(OptionsFilePath));
    return lines ? ExtraOptionsFrom(KeyLines(*lines)) : ExtraOptions{};
}

void SaveExtraOptions(const std::string& home, const ExtraOptions& options)
{
    WriteLinesAtomic(home + std::string(OptionsFilePath), ExtraOptionsLines(options));
}

} // namespace tollwick
