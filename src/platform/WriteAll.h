// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace tollwick {

/// Writes every byte to the descriptor, going on after short writes and
/// interruptions; false when the system refuses (a full disk, say).
[[nodiscard]] bool WriteAll(int fd, std::string_view bytes);

/// WriteAll at a place in the file, leaving the descriptor's offset as it is.
[[nodiscard]] bool WriteAllAt(int fd, std::string_view bytes, std::size_t offset);

} // namespace tollwick
