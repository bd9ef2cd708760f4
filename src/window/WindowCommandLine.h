// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tollwick {

/// What the window's command line asks for, decided before any display is opened.
struct WindowCommand {
    enum class Action {
        OpenWindow,
        PrintHelp,
        PrintVersion,
        InstallFileManagerActions,
        RemoveFileManagerActions,
        UsageError
    };
    Action action = Action::OpenWindow;
    std::string folder;  // absolute, without a closing "/" unless it is "/"; empty: the start page
    std::string message; // for UsageError: what is wrong
};

/// Reads the arguments after the program's name. A file stands for its
/// folder; a relative path is taken from `workingFolder`.
[[nodiscard]] WindowCommand ParseWindowCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& workingFolder);

[[nodiscard]] std::string WindowHelpText();
[[nodiscard]] std::string WindowVersionText();

} // namespace tollwick
