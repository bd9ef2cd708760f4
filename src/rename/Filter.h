// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"

#include <string>

namespace tollwick {

/// The filter page's controls and the list page's filter toggle.
struct FilterSettings {
    bool on = false;          // the filter applies at all
    bool oldNameTest = false; // test the current names against oldNameTerms
    std::string oldNameTerms;
    bool newNameTest = false; // test the new names against newNameTerms
    std::string newNameTerms;
    bool dateTest = false; // test the dates against firstDate..lastDate
    CalendarDate firstDate;
    CalendarDate lastDate;
    friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};

/// Stores the shown rows back, then rebuilds the shown list from the master
/// list in master order. Returns the settings as the page must show them
/// afterwards: the edits cleaned of forbidden characters, and a name test
/// without terms unchecked. With the filter off they come back unchanged.
[[nodiscard]] FilterSettings ApplyFilter(RenameList& list, const FilterSettings& settings, Progress& progress);

/// The term list of a filter edit: split at ";", empty terms dropped, blanks kept.
[[nodiscard]] std::vector<std::string> SplitFilterTerms(const std::string& cleanedEdit);

/// Whether a master row passes every test that is switched on, with the
/// term lists of `list` as the last pass built them. The last day counts whole.
[[nodiscard]] bool RowPassesFilter(const RenameList& list, std::size_t masterPosition, const FilterSettings& settings);

/// The date pickers keep the first day not after the last: moving one past
/// the other drags the other along. These give the other picker's new day.
[[nodiscard]] CalendarDate LastDateAfterFirstChanged(CalendarDate first, CalendarDate last);
[[nodiscard]] CalendarDate FirstDateAfterLastChanged(CalendarDate first, CalendarDate last);

} // namespace tollwick
