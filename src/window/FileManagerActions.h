// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

namespace tollwick {

/// tollwick --install-file-manager-actions and --remove-file-manager-actions:
/// writes or removes this user's GNOME Files script at `scriptPath` and says
/// what happened. Returns the exit status: 0 done (or nothing to remove),
/// 1 a file there that is not Tollwick's, or a failure.
int InstallFileManagerActions(const std::string& scriptPath, std::ostream& out, std::ostream& err);
int RemoveFileManagerActions(const std::string& scriptPath, std::ostream& out, std::ostream& err);

} // namespace tollwick
