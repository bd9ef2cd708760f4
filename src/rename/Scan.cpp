// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Scan.h"

#include "platform/Directory.h"
#include "rename/DateText.h"
#include "rename/StepStopped.h"

namespace tollwick {

FilterSettings ScanFolder(RenameList& list, const std::string& dirName, const FilterSettings& filter,
                          Progress& progress, const std::stop_token& stop, FileDates dates)
{
    {
        ProgressPass pass(progress, 100);
        // Listed before the old list goes, so a folder that cannot be read keeps it.
        const bool filterReadsDates = filter.on && filter.dateTest;
        std::vector<FolderEntry> entries = ListFolderFiles(dirName, filterReadsDates ? FileDates::Read : dates);
        if (stop.stop_requested()) {
            throw StepStopped();
        }
        list.StartNewList();
        list.TotalList.reserve(entries.size());
        for (FolderEntry& entry : entries) {
            std::string name = std::move(entry.name);
            list.AddMasterRow(name, name, entry.modified);
            pass.StepOn();
        }
    }
    return ApplyFilter(list, filter, progress);
}

} // namespace tollwick
