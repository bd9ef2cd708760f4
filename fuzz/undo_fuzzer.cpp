// SPDX-License-Identifier: GPL-3.0-or-later
// The undo file loader on any bytes: one unchecked row per line after the
// first, or the "Msg1" note and empty lists.
#include "FuzzInput.h"
#include "rename/Undo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = tollwick::fuzz::WriteInputFile(tollwick::fuzz::AsText(data, size), "load.twu");
    tollwick::RenameList list;
    list.AddMasterRow("old", "new", tollwick::RowDate());
    list.FilterList = list.TotalList;
    tollwick::Progress progress;
    const tollwick::UndoLoad load = tollwick::LoadUndoFile(list, path, "/earlier/", {}, progress);
    const bool empty = list.TotalList.empty() && list.FilterList.empty();
    if (load.Outcome == tollwick::UndoLoadOutcome::NoRenaming && (!empty || load.DirName != "/earlier/")) {
        std::abort();
    }
    for (const tollwick::Row& row : list.TotalList) {
        if (row.Checked) {
            std::abort();
        }
    }
    return 0;
}
