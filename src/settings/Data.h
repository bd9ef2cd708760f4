// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bracket lines, language texts, tables and settings.
#include "settings/DataFiles.h"
#include "settings/InterfaceTexts.h"
#include "settings/KeyLines.h"
#include "settings/LanguageKeys.h"
#include "settings/NumberedLines.h"
#include "settings/SettingsFile.h"
#include "settings/TableEditor.h"
#include "settings/TablesFile.h"
#include "settings/TranslitTables.h"
