// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rename list and what works on it: rows, scan, filter, list commands,
// the rename run, undo files and name lists.
#include "rename/DateText.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "rename/NameList.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"
#include "rename/Row.h"
#include "rename/Run.h"
#include "rename/Scan.h"
#include "rename/TextLookup.h"
#include "rename/TextRoutines.h"
#include "rename/Undo.h"
