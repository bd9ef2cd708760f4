// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tollwick {

/// Writes every byte to the descriptor, going on after short writes and
/// interruptions; false when the system refuses (a full disk, say).
[[nodiscard]] bool WriteAll(int fd, std::string_view bytes);

} // namespace tollwick
