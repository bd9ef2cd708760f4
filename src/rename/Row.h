// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tollwick {

/// One file of the rename list.
struct Row {
    std::string OldName;  // present name inside the list folder
    std::string NewName;  // the name it is to get
    std::string Index;    // unique row number as decimal text; joins a shown row to its master row
    std::string DateText; // last-write time as date text, or "N/A"
    bool Checked = false; // takes part in the run
    friend bool operator==(const Row&, const Row&) = default;
};

} // namespace tollwick
