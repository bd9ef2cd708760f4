// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/DateText.h"

#include <cstdint>
#include <string>

namespace tollwick {

/// One file of the rename list.
struct Row {
    std::string OldName;     // present name inside the list folder
    std::string NewName;     // the name it is to get
    std::uint32_t Index = 0; // unique row number; joins a shown row to its master row
    bool Checked = false;    // takes part in the run
    RowDate Date;            // last-write time, if it could be read
    friend bool operator==(const Row&, const Row&) = default;
};

} // namespace tollwick
