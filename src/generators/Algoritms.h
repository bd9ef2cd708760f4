// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The generation pass and the five name generators.
#include "generators/CaseConversion.h"
#include "generators/DeleteChars.h"
#include "generators/GenerationPass.h"
#include "generators/NameMask.h"
#include "generators/NameParts.h"
#include "generators/NumberField.h"
#include "generators/ReplaceText.h"
#include "generators/Transliteration.h"
