// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tollwick {

/// The controls of the delete tab. Values outside 1 to 256 can arrive (a
/// number field corrects a typed value only when it loses the focus); they
/// are taken as they are.
struct DeleteOptions {
    std::int32_t DeleteFromEdit = 1; // position of the first character to delete, from 1
    std::int32_t DeleteCtyEdit = 1;  // how many characters to delete
    bool DeleteInvertCheck = false;  // count positions from the end of the name part
};

/// The name with DeleteCtyEdit characters of its name part deleted from
/// position DeleteFromEdit on, stopping at the end of the name part. Nothing
/// is deleted for a position outside the name part or a count below 1.
[[nodiscard]] std::string DeleteChars(std::string_view name, const DeleteOptions& options);
/// The same into `out`, reusing its storage; `name` must not lie in `out`.
void DeleteChars(std::string_view name, const DeleteOptions& options, std::string& out);

/// The characters of the text in reverse order; each keeps its own bytes.
[[nodiscard]] std::string ReverseText(std::string_view text);

} // namespace tollwick
