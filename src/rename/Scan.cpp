// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Scan.h"

#include "platform/Directory.h"
#include "rename/DateText.h"

namespace tollwick {

FilterSettings ScanFolder(RenameList& list, const std::string& dirName, const FilterSettings& filter,
                          Progress& progress)
{
    progress.ShowProgress(0, 100);
    {
        const SavedCursor cursor(progress);
        list.StartNewList();
        std::vector<FolderEntry> entries = ListFolderFiles(dirName);
        list.TotalList.reserve(entries.size());
        for (FolderEntry& entry : entries) {
            std::string date = entry.modified ? DateTimeText(*entry.modified) : std::string(NoDateText);
            std::string name = std::move(entry.name);
            list.AddMasterRow(name, name, std::move(date));
            progress.ShowProgress(-1, 0);
        }
    }
    progress.ShowProgress(0, 100);
    return ApplyFilter(list, filter, progress);
}

} // namespace tollwick
