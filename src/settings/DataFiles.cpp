// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DataFiles.h"

#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "settings/TablesFile.h"

namespace tollwick {
namespace {

std::string Joined(const std::string& home, std::string_view relative)
{
    return home + std::string(relative);
}

// The setting holds a file name of the language folder; one that reaches
// into another folder ("../../etc/passwd") is refused as a file that cannot
// be opened, so a crafted settings file reads nothing outside the home.
std::vector<std::string> ReadLanguageFile(const std::string& home, const std::string& name)
{
    const std::string path = Joined(home, LanguageFolder) + name;
    if (name.find('/') != std::string::npos) {
        throw CannotOpenFile(path);
    }
    return ReadLines(path);
}

} // namespace

void LoadDataFiles(const std::string& home, KeyLines& keyLines, TranslitTables& tables,
                   const ShowProgressFunction& showProgress)
{
    showProgress(0, 10);
    showProgress(1, 0);
    keyLines.Clear();
    showProgress(2, 0);
    showProgress(3, 0);
    keyLines.Append(ReadLines(Joined(home, SettingsFilePath)));
    showProgress(4, 0);
    // The settings file is already in keyLines, so it names the language.
    keyLines.Append(ReadLanguageFile(home, keyLines.LookupText(LanguageSettingKey)));
    showProgress(5, 0);
    keyLines.Append(ReadLines(Joined(home, LinksFilePath)));
    showProgress(6, 0);
    keyLines.Append(ReadLines(Joined(home, TablesFilePath)));
    LoadTables(keyLines, tables);
    showProgress(7, 0);
}

void SaveDataFiles(const std::string& home, const Settings& settings, const TranslitTables& tables,
                   const ShowProgressFunction& showProgress)
{
    showProgress(0, 4);
    showProgress(1, 0);
    const std::vector<std::string> lines = SettingsFileLines(settings);
    showProgress(2, 0);
    WriteLinesAtomic(Joined(home, SettingsFilePath), lines);
    showProgress(3, 0);
    SaveTables(Joined(home, TablesFilePath), tables);
    showProgress(0, 100);
}

} // namespace tollwick
