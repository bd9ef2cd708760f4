// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tollwick {
namespace {

namespace fs = std::filesystem;

std::string EnvOrEmpty(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool HasFolder(const fs::path& parent, const char* name)
{
    std::error_code error;
    return fs::is_directory(parent / name, error);
}

// Copies what the user's home lacks; what is there already is the user's own.
void SeedUserHome(const fs::path& home, const std::vector<std::string>& shareDirs)
{
    std::error_code error;
    fs::create_directories(home, error);
    for (const std::string& share : shareDirs) {
        if (!HasFolder(share, "data") || !HasFolder(share, "language")) {
            continue;
        }
        for (const char* part : {"data", "language"}) {
            if (!HasFolder(home, part)) {
                fs::copy(fs::path(share) / part, home / part, fs::copy_options::recursive, error);
            }
        }
        break;
    }
    fs::create_directories(home / "undo", error);
}

} // namespace

HomeSources HomeSourcesOfThisProcess()
{
    HomeSources sources;
    sources.tollwickHome = EnvOrEmpty("TOLLWICK_HOME");
    sources.xdgDataHome = EnvOrEmpty("XDG_DATA_HOME");
    sources.userHome = EnvOrEmpty("HOME");
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        sources.executableDir = executable.parent_path().string();
        sources.installedShareDirs.push_back((executable.parent_path().parent_path() / "share" / "tollwick").string());
    }
    sources.installedShareDirs.emplace_back(TOLLWICK_SHARE_DIR);
    return sources;
}

std::string ResolveApplicationHome(const HomeSources& sources)
{
    if (!sources.tollwickHome.empty()) {
        return WithClosingSlash(sources.tollwickHome);
    }
    if (!sources.executableDir.empty() && HasFolder(sources.executableDir, "data")) {
        return WithClosingSlash(sources.executableDir);
    }
    const fs::path dataHome =
        sources.xdgDataHome.empty() ? fs::path(sources.userHome) / ".local" / "share" : fs::path(sources.xdgDataHome);
    const fs::path home = dataHome / "tollwick";
    SeedUserHome(home, sources.installedShareDirs);
    return WithClosingSlash(home.string());
}

std::string ApplicationHome()
{
    return ResolveApplicationHome(HomeSourcesOfThisProcess());
}

} // namespace tollwick
