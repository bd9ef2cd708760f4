// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Directory.h"
#include "rename/Filter.h"

#include <stop_token>
#include <string>

namespace tollwick {

/// Starts a new list from the files of `dirName` (ending with "/"): one
/// unchecked row per file, numbered from 0, then a filter pass. A folder
/// that is gone gives an empty list; one that exists but cannot be read
/// whole throws with the reason and leaves the list as it was. Returns the
/// filter settings as the pass left them. A `stop` asked for before the
/// listing is whole raises StepStopped, also leaving the list as it was.
/// With FileDates::Skip every row's date is empty, unless the filter's
/// date test needs them.
FilterSettings ScanFolder(RenameList& list, const std::string& dirName, const FilterSettings& filter,
                          Progress& progress, const std::stop_token& stop = {}, FileDates dates = FileDates::Read);

} // namespace tollwick
