// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/DateText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

namespace tollwick {

/// FileDate for many names of one folder. When the names are many the
/// folder is listed once and the names are looked up in the listing, which
/// takes the same entries as the single lookup; a few names are looked up
/// one by one, so a short list never pays for a large folder.
class FolderDates {
public:
    FolderDates(std::string folder, std::size_t nameCount);

    [[nodiscard]] RowDate DateOf(const std::string& name) const;

private:
    std::string folder_;
    std::optional<std::unordered_map<std::string, RowDate>> listed_;
};

} // namespace tollwick
