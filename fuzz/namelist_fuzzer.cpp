// SPDX-License-Identifier: GPL-3.0-or-later
// Import of the six name-list layouts over a small present list. The first
// byte picks the layout, the first line the separator, the rest is the file.
#include "FuzzInput.h"
#include "rename/NameList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto layout = static_cast<tollwick::NameListLayout>(data[0] % 6 + 1);
    const auto [separator, file] = tollwick::fuzz::CutAt(tollwick::fuzz::AsText(data + 1, size - 1), '\n');
    const std::string path = tollwick::fuzz::WriteInputFile(file, "list.txt");
    tollwick::RenameList list;
    for (const char* name : {"a.jpg", "b.png", "c"}) {
        list.AddMasterRow(name, name, tollwick::RowDate());
    }
    list.FilterList = list.TotalList;
    tollwick::Progress progress;
    const tollwick::ImportOptions options{path, layout, std::string(separator), tollwick::fuzz::WorkFolder()};
    (void)tollwick::ImportNameList(list, options, {}, progress);
    for (const tollwick::Row& row : list.TotalList) {
        // Names read from a file are cleaned of the characters a file name cannot hold.
        for (const std::string* name : {&row.OldName, &row.NewName}) {
            if (name->find_first_of("\\/:*?\"<>|") != std::string::npos) {
                std::abort();
            }
        }
    }
    // Export what came in and read it back: the same pairs.
    const std::string exported = tollwick::fuzz::WorkFolder() + "exported.txt";
    if (layout == tollwick::NameListLayout::OldThenNew && !list.FilterList.empty()) {
        tollwick::ExportNameList(list, {exported, layout, {}}, progress);
        tollwick::RenameList again;
        (void)tollwick::ImportNameList(again, {exported, layout, {}, tollwick::fuzz::WorkFolder()}, {}, progress);
        if (again.FilterList.size() != list.FilterList.size()) {
            std::abort();
        }
    }
    return 0;
}
