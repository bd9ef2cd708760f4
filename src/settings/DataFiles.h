// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyLines.h"
#include "settings/SettingsFile.h"
#include "settings/TranslitTables.h"

#include <functional>
#include <string>
#include <string_view>

namespace tollwick {

/// The data files, relative to the application home (ApplicationHome()).
inline constexpr std::string_view SettingsFilePath = "data/config.cfg";
inline constexpr std::string_view LinksFilePath = "data/links.cfg";
inline constexpr std::string_view TablesFilePath = "data/translit.cfg";
inline constexpr std::string_view LanguageFolder = "language/";

/// Reports a step of a long operation as ShowProgress does: (0, N) starts
/// a bar of N steps, (k, 0) is step k, (0, 100) the idle bar. The window
/// passes its Progress::ShowProgress; a caller without a bar passes a
/// function that does nothing.
using ShowProgressFunction = std::function<void(int position, int maximum)>;

/// The file part of the load: reports (0, 10), empties `keyLines` (steps 1
/// and 2; the window empties the About memo before it calls this, step 3),
/// then appends the settings file, the language file
/// ("language/" + the value of "cfg_Language"), the links file and the
/// tables file, reporting steps 4 to 7, and fills `tables` after the tables
/// file. The window goes on with its texts (step 8), settings (step 9) and
/// the idle bar.
/// A file that cannot be opened raises "Cannot open file %s" with its full
/// path and ends the load there: what the earlier steps did stays.
void LoadDataFiles(const std::string& home, KeyLines& keyLines, TranslitTables& tables,
                   const ShowProgressFunction& showProgress);

/// The save: reports (0, 4) and step 1, writes the settings file (step 2)
/// and then the tables file (step 3), each replaced whole, and reports the
/// idle bar. A file that cannot be written raises "Cannot create file %s"
/// and stays as it was; when it is the settings file, the tables file is
/// not written either.
void SaveDataFiles(const std::string& home, const Settings& settings, const TranslitTables& tables,
                   const ShowProgressFunction& showProgress);

} // namespace tollwick
