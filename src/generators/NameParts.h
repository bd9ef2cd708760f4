// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace tollwick {

/// A file name cut at its last ".": the name part before it and the
/// extension from it on (empty when the name holds no ".").
struct NameSplit {
    std::string_view NamePart;
    std::string_view Extension; // begins with the "." or is empty
};

/// 'photo.old.JPG' gives 'photo.old' and '.JPG'; 'README' gives 'README' and
/// nothing; '.profile' nothing and '.profile'; 'archive.' 'archive' and '.'.
[[nodiscard]] NameSplit SplitName(std::string_view name);

/// The number of characters before the last "." of the text, or of the whole
/// text when it holds none.
[[nodiscard]] std::size_t NamePartLength(std::string_view text);

} // namespace tollwick
