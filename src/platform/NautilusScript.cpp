// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NautilusScript.h"

#include "platform/FileDescriptor.h"
#include "platform/LineFile.h"
#include "platform/RenameFile.h"
#include "platform/SysCall.h"
#include "platform/TemporaryFile.h"
#include "platform/WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

namespace fs = std::filesystem;

enum class Found { Nothing, Ours, Other };

Found WhatIsAt(const std::string& path)
{
    struct stat status {};
    if (RetryOnInterrupt([&] { return lstat(path.c_str(), &status); }) != 0) {
        return errno == ENOENT ? Found::Nothing : Found::Other;
    }
    if (!S_ISREG(status.st_mode)) {
        return Found::Other; // a link or a folder is the user's doing
    }
    try {
        const std::optional<std::vector<std::string>> lines = ReadLinesIfPresent(path);
        return lines && std::ranges::find(*lines, NautilusScriptMark) != lines->end() ? Found::Ours : Found::Other;
    } catch (const std::exception&) {
        return Found::Other; // unreadable: not known to be ours
    }
}

ScriptChange Failed(int error)
{
    return {ScriptChange::Outcome::Failed, SystemErrorText(error)};
}

} // namespace

std::string NautilusScriptPath(const std::string& xdgDataHome, const std::string& userHome)
{
    fs::path dataHome;
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        dataHome = xdgDataHome;
    } else if (!userHome.empty()) {
        dataHome = fs::path(userHome) / ".local" / "share";
    } else {
        return {};
    }
    return (dataHome / "nautilus" / "scripts" / "Rename Files with Tollwick").string();
}

std::string NautilusScriptText()
{
    return "#!/bin/sh\n" + std::string(NautilusScriptMark) +
           "\n"
           "# GNOME Files runs this from a folder's menu Scripts. Written by\n"
           "# tollwick --install-file-manager-actions, which may replace it, and\n"
           "# taken away by tollwick --remove-file-manager-actions. Without the line\n"
           "# above it is your own file, and Tollwick leaves it alone.\n"
           "# The selected folder (a file stands for its folder), else the folder shown.\n"
           "if [ \"$#\" -gt 0 ]; then\n"
           "    exec tollwick -- \"$1\"\n"
           "fi\n"
           "exec tollwick -- \"$PWD\"\n";
}

ScriptChange InstallNautilusScript(const std::string& path)
{
    const Found found = WhatIsAt(path);
    if (found == Found::Other) {
        return {ScriptChange::Outcome::NotOurs, {}};
    }
    std::error_code madeFolders;
    fs::create_directories(fs::path(path).parent_path(), madeFolders);
    if (madeFolders) {
        return {ScriptChange::Outcome::Failed, madeFolders.message()};
    }
    const NewFile created = CreateTemporaryBeside(path);
    FileDescriptor file(created.fd);
    if (!file.IsOpen()) {
        return Failed(errno);
    }
    const bool written = WriteAll(file.Get(), NautilusScriptText()) &&
                         RetryOnInterrupt([&] { return fchmod(file.Get(), 0755); }) == 0 && fsync(file.Get()) == 0 &&
                         file.Close();
    // A new script is linked in, which never replaces a file that came meanwhile.
    const bool placed =
        written &&
        (found == Found::Ours ? RetryOnInterrupt([&] { return rename(created.path.c_str(), path.c_str()); })
                              : RetryOnInterrupt([&] { return link(created.path.c_str(), path.c_str()); })) == 0;
    const int error = errno;
    if (!placed || found == Found::Nothing) {
        unlink(created.path.c_str());
    }
    if (!placed) {
        return error == EEXIST ? ScriptChange{ScriptChange::Outcome::NotOurs, {}} : Failed(error);
    }
    return {found == Found::Ours ? ScriptChange::Outcome::Updated : ScriptChange::Outcome::Written, {}};
}

ScriptChange RemoveNautilusScript(const std::string& path)
{
    switch (WhatIsAt(path)) {
    case Found::Nothing:
        return {ScriptChange::Outcome::NotThere, {}};
    case Found::Other:
        return {ScriptChange::Outcome::NotOurs, {}};
    case Found::Ours:
        break;
    }
    if (RetryOnInterrupt([&] { return unlink(path.c_str()); }) != 0) {
        return Failed(errno);
    }
    return {ScriptChange::Outcome::Removed, {}};
}

} // namespace tollwick
