// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"

#include "platform/LineFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <utility>

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

std::string FirstNonEmptyEnv(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        std::string value = EnvOrEmpty(name);
        if (!value.empty()) {
            return value;
        }
    }
    return {};
}

// The shipped settings name English; a new user gets the language of the desktop
// when its file is there to be read.
void ChooseLanguageOfLocale(const fs::path& home, const std::string& locale)
{
    const std::string languageFile = LanguageFileOfLocale(locale);
    std::error_code error;
    if (!fs::is_regular_file(home / "language" / languageFile, error)) {
        return;
    }
    const std::string config = (home / "data" / "config.cfg").string();
    const std::string prefix = "[cfg_Language,";
    try {
        std::vector<std::string> lines = ReadLines(config);
        const std::string chosen = prefix + languageFile + "]";
        bool changed = false;
        for (std::string& line : lines) {
            if (line.starts_with(prefix) && line != chosen) {
                line = chosen;
                changed = true;
            }
        }
        if (changed) {
            WriteLinesAtomic(config, lines);
        }
    } catch (const std::exception&) {
        // A seed without a readable settings file gets its error when the window loads it.
    }
}

// A home seeded by an earlier version is offered the languages shipped since;
// a file of the same name in the home is the user's and stays.
void AddMissingLanguageFiles(const fs::path& shipped, const fs::path& home)
{
    std::error_code error;
    for (fs::directory_iterator entry(shipped, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code kindError;
        if (entry->path().extension() == ".lng" && entry->is_regular_file(kindError)) {
            std::error_code copyError;
            fs::copy_file(entry->path(), home / entry->path().filename(), fs::copy_options::skip_existing, copyError);
        }
    }
}

// Copies what the user's home lacks; what is there already is the user's own.
void SeedUserHome(const fs::path& home, const std::vector<std::string>& shareDirs, const std::string& locale)
{
    std::error_code error;
    fs::create_directories(home, error);
    for (const std::string& share : shareDirs) {
        if (!HasFolder(share, "data") || !HasFolder(share, "language")) {
            continue;
        }
        const bool firstStart = !HasFolder(home, "data");
        for (const char* part : {"data", "language"}) {
            if (!HasFolder(home, part)) {
                fs::copy(fs::path(share) / part, home / part, fs::copy_options::recursive, error);
            }
        }
        AddMissingLanguageFiles(fs::path(share) / "language", home / "language");
        if (firstStart) {
            ChooseLanguageOfLocale(home, locale);
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
    sources.messagesLocale = FirstNonEmptyEnv({"LC_ALL", "LC_MESSAGES", "LANG"});
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
    SeedUserHome(home, sources.installedShareDirs, sources.messagesLocale);
    return WithClosingSlash(home.string());
}

std::string ApplicationHome()
{
    return ResolveApplicationHome(HomeSourcesOfThisProcess());
}

std::string LanguageFileOfLocale(const std::string& locale)
{
    // Every Portuguese locale gets the Brazilian file, the only Portuguese one shipped.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> filesOfLanguages{{
        {"ru", "Russian.lng"},
        {"de", "German.lng"},
        {"fr", "French.lng"},
        {"es", "Spanish.lng"},
        {"it", "Italian.lng"},
        {"pt", "BrazilianPortuguese.lng"},
        {"pl", "Polish.lng"},
        {"uk", "Ukrainian.lng"},
        {"cs", "Czech.lng"},
    }};
    const std::string_view language = std::string_view(locale).substr(0, locale.find_first_of("_.@"));
    const auto* const found = std::find_if(filesOfLanguages.begin(), filesOfLanguages.end(),
                                           [language](const auto& entry) { return entry.first == language; });
    return std::string(found == filesOfLanguages.end() ? "English.lng" : found->second);
}

} // namespace tollwick
