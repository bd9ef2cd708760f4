// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tollwick {

/// What decides the application home, gathered from the process.
struct HomeSources {
    std::string tollwickHome;                    // TOLLWICK_HOME, may be empty
    std::string executableDir;                   // folder of the running program
    std::string xdgDataHome;                     // XDG_DATA_HOME, may be empty
    std::string userHome;                        // HOME
    std::string messagesLocale;                  // LC_ALL, else LC_MESSAGES, else LANG; may be empty
    std::vector<std::string> installedShareDirs; // where data/ and language/ were installed
};

[[nodiscard]] HomeSources HomeSourcesOfThisProcess();

/// The folder every data path is relative to, ending with "/": TOLLWICK_HOME,
/// else the program's folder when it holds data/, else the user's data
/// folder, which is created and seeded from the installed copy on first use;
/// a first seeding sets the language file to the one of the messages locale.
/// Later starts copy in shipped language files the user's folder lacks.
[[nodiscard]] std::string ResolveApplicationHome(const HomeSources& sources);
[[nodiscard]] std::string ApplicationHome();

/// The shipped language file for a locale name as "de_DE.UTF-8": German.lng
/// for German, and so on; English.lng for every language without a file of
/// its own.
[[nodiscard]] std::string LanguageFileOfLocale(const std::string& locale);

} // namespace tollwick
