#pragma once

// Bracket lines, language texts, tables and settings.
#include "settings/KeyLines.h"
#include "settings/LanguageKeys.h"
#include "settings/TranslitTables.h"
