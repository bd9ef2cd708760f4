// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowCommandLine.h"

#include "platform/Directory.h"
#include "platform/RenameFile.h"
#include "session/ProgramVersion.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

namespace tollwick {
namespace {

WindowCommand UsageError(std::string message)
{
    WindowCommand command;
    command.action = WindowCommand::Action::UsageError;
    command.message = std::move(message);
    return command;
}

std::string WithoutClosingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// Options that QApplication takes for itself; they pass through untouched.
bool IsToolkitOption(const std::string& argument)
{
    static const char* const options[] = {"-style",
                                          "-stylesheet",
                                          "-platform",
                                          "-platformpluginpath",
                                          "-platformtheme",
                                          "-plugin",
                                          "-qwindowgeometry",
                                          "-qwindowicon",
                                          "-qwindowtitle",
                                          "-display",
                                          "-geometry",
                                          "-name",
                                          "-title",
                                          "-session",
                                          "-reverse",
                                          "-widgetcount",
                                          "-nograb",
                                          "-dograb",
                                          "-sync",
                                          "-qmljsdebugger"};
    const std::string name = argument.substr(0, argument.find('='));
    return std::ranges::any_of(
        options, [&name](const char* option) { return name == option || name == std::string("-") + option; });
}

bool TakesValue(const std::string& argument)
{
    static const char* const flags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    return argument.find('=') == std::string::npos && std::ranges::none_of(flags, [&argument](const char* flag) {
               return argument == flag || argument == std::string("-") + flag;
           });
}

std::string ParentFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

WindowCommand ParseWindowCommandLine(const std::vector<std::string>& arguments, const std::string& workingFolder)
{
    WindowCommand command;
    // Help and version answer whatever else the line holds.
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument == "--help" || argument == "-h") {
            command.action = WindowCommand::Action::PrintHelp;
            return command;
        }
        if (argument == "--version") {
            command.action = WindowCommand::Action::PrintVersion;
            return command;
        }
    }
    // The file-manager commands stand alone: they open no window.
    for (const auto& [option, action] :
         {std::pair{"--install-file-manager-actions", WindowCommand::Action::InstallFileManagerActions},
          std::pair{"--remove-file-manager-actions", WindowCommand::Action::RemoveFileManagerActions}}) {
        if (std::ranges::find(arguments, option) != arguments.end()) {
            if (arguments.size() != 1) {
                return UsageError(std::string(option) + " takes nothing else");
            }
            command.action = action;
            return command;
        }
    }
    bool optionsEnded = false;
    bool skipValue = false;
    for (const std::string& argument : arguments) {
        if (skipValue) {
            skipValue = false;
        } else if (!optionsEnded && IsToolkitOption(argument)) {
            skipValue = TakesValue(argument);
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return UsageError("unknown option " + argument);
        } else if (!command.folder.empty()) {
            return UsageError("only one folder can be opened, " + argument + " is one too many");
        } else if (argument.empty()) {
            return UsageError("the folder is an empty text");
        } else {
            std::string path =
                argument.front() == '/' ? argument : WithoutClosingSlashes(workingFolder) + '/' + argument;
            path = WithoutClosingSlashes(std::filesystem::path(path).lexically_normal().string());
            if (!IsExistingDirectory(path)) {
                if (!EntryExists(path)) {
                    // A name too long, a folder that may not be entered: the system says which.
                    const int error = EntryError(path);
                    return UsageError(error == 0 || error == ENOENT ? "no such file or folder: " + argument
                                                                    : argument + ": " + SystemErrorText(error));
                }
                path = ParentFolder(path);
            }
            command.folder = path;
        }
    }
    return command;
}

std::string WindowHelpText()
{
    return "Usage: tollwick [FOLDER]\n"
           "Rename many files of one folder in one run.\n"
           "\n"
           "With FOLDER (or a file, meaning its folder) the window opens on the rename\n"
           "list of that folder; without it, on the start page.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "      --install-file-manager-actions\n"
           "                 add \"Rename Files with Tollwick\" to the Scripts menu of\n"
           "                 GNOME Files for this user (Dolphin and Nemo get their entries\n"
           "                 from the package)\n"
           "      --remove-file-manager-actions\n"
           "                 take that script away again\n"
           "\n"
           "tollwick-batch does the same work without a window; see tollwick-batch --help.\n";
}

std::string WindowVersionText()
{
    return std::string(ProgramTitle) + "\n";
}

} // namespace tollwick
