// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tollwick {

/// The line that marks a script as Tollwick's own: a file of the same name
/// without it is the user's, and Tollwick neither replaces nor removes it.
inline constexpr std::string_view NautilusScriptMark = "# tollwick-file-manager-action";

/// Where GNOME Files (Nautilus) looks for the user's scripts, with the one
/// that offers Tollwick: `xdgDataHome` (when absolute, as the XDG rules
/// want it) else `userHome`/.local/share, then
/// nautilus/scripts/Rename Files with Tollwick. Empty when neither is known.
[[nodiscard]] std::string NautilusScriptPath(const std::string& xdgDataHome, const std::string& userHome);

/// The script: it opens the selected folder (or a file's folder) in
/// Tollwick, else the folder shown.
[[nodiscard]] std::string NautilusScriptText();

struct ScriptChange {
    enum class Outcome { Written, Updated, Removed, NotThere, NotOurs, Failed };
    Outcome outcome = Outcome::Failed;
    std::string reason; // the system's reason, for Failed
};

/// Writes the script (executable) at `path`, making its folders, or
/// replaces an earlier one of Tollwick's; a file there that is not ours is
/// left untouched (NotOurs). The file is whole or not there at all.
[[nodiscard]] ScriptChange InstallNautilusScript(const std::string& path);
/// Removes the script at `path` when it is ours; anything else stays.
[[nodiscard]] ScriptChange RemoveNautilusScript(const std::string& path);

} // namespace tollwick
