// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RenameList.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace tollwick::test {

/// A list whose master rows carry the given old names (new name equal), all shown.
inline RenameList ListOf(std::initializer_list<const char*> names)
{
    RenameList list;
    for (const char* name : names) {
        list.AddMasterRow(name, name, DateTextValue("2005-11-30_11-30-18"));
    }
    list.FilterList = list.TotalList;
    return list;
}

inline std::vector<std::string> OldNames(const std::vector<Row>& rows)
{
    std::vector<std::string> names;
    for (const Row& row : rows) {
        names.push_back(row.OldName);
    }
    return names;
}

} // namespace tollwick::test
