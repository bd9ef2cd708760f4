// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

namespace tollwick {
namespace {

TEST(ApplicationHome, TheVariableWinsAndGetsItsClosingSlash)
{
    const test::TempDir exe;
    exe.MakeFolder("data");
    HomeSources sources;
    sources.tollwickHome = "/somewhere/home";
    sources.executableDir = exe.Path();
    EXPECT_EQ(ResolveApplicationHome(sources), "/somewhere/home/");
}

TEST(ApplicationHome, AProgramFolderWithDataIsAPortableHome)
{
    const test::TempDir exe;
    exe.MakeFolder("data");
    HomeSources sources;
    sources.executableDir = exe.Path().substr(0, exe.Path().size() - 1);
    EXPECT_EQ(ResolveApplicationHome(sources), exe.Path());
}

TEST(ApplicationHome, TheUserFolderIsSeededOnceAndKeepsTheUsersFiles)
{
    const test::TempDir root;
    root.MakeFolder("bin");
    root.MakeFolder("share/tollwick/data");
    root.MakeFolder("share/tollwick/language");
    root.WriteFile("share/tollwick/data/config.cfg", "shipped");
    root.WriteFile("share/tollwick/language/English.lng", "texts");
    HomeSources sources;
    sources.executableDir = root.Path() + "bin";
    sources.xdgDataHome = root.Path() + "xdg";
    sources.installedShareDirs = {root.Path() + "missing", root.Path() + "share/tollwick"};

    const std::string home = ResolveApplicationHome(sources);
    EXPECT_EQ(home, root.Path() + "xdg/tollwick/");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"), "shipped");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/language/English.lng"), "texts");
    EXPECT_TRUE(root.Exists("xdg/tollwick/undo"));

    root.WriteFile("xdg/tollwick/data/config.cfg", "mine");
    EXPECT_EQ(ResolveApplicationHome(sources), home);
    EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"), "mine");
}

TEST(ApplicationHome, WithoutXdgTheHomeFolderIsUsed)
{
    const test::TempDir root;
    HomeSources sources;
    sources.userHome = root.Path() + "user";
    EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "user/.local/share/tollwick/");
    EXPECT_TRUE(root.Exists("user/.local/share/tollwick/undo"));
}

// The locale of a first start picks the language; the other settings lines stay as shipped.
TEST(ApplicationHome, AFirstStartSpeaksTheLanguageOfTheLocale)
{
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {{"ru_RU.UTF-8", "", "", "Russian.lng"},
                          {"", "ru_UA.UTF-8", "en_GB.UTF-8", "Russian.lng"},
                          {"", "", "ru", "Russian.lng"},
                          {"", "C", "ru_RU.UTF-8", "English.lng"},
                          {"de_DE.UTF-8", "ru_RU.UTF-8", "", "German.lng"},
                          {"", "", "de_AT@euro", "German.lng"},
                          {"", "fr_CA.UTF-8", "", "French.lng"},
                          {"", "", "es_MX.UTF-8", "Spanish.lng"},
                          {"", "", "it_IT.UTF-8", "Italian.lng"},
                          {"", "", "pt_BR.UTF-8", "BrazilianPortuguese.lng"},
                          {"", "", "pt_PT.UTF-8", "BrazilianPortuguese.lng"},
                          {"", "", "pl_PL.UTF-8", "Polish.lng"},
                          {"", "", "uk_UA.UTF-8", "Ukrainian.lng"},
                          {"", "", "cs_CZ.UTF-8", "Czech.lng"},
                          // Neither Ukrainian by its country nor a language with no file of its own.
                          {"", "", "en_UA.UTF-8", "English.lng"},
                          {"", "", "nl_NL.UTF-8", "English.lng"},
                          {"", "", "", "English.lng"}};
    for (const Case& c : cases) {
        ::setenv("LC_ALL", c.lcAll, 1);
        ::setenv("LC_MESSAGES", c.lcMessages, 1);
        ::setenv("LANG", c.lang, 1);
        const test::TempDir root;
        root.MakeFolder("share/tollwick/data");
        root.MakeFolder("share/tollwick/language");
        root.WriteFile("share/tollwick/data/config.cfg", "[cfg_Language,English.lng]\r\n[cfg_KindSaveEdit, = ]\r\n");
        if (std::string_view(c.expected) != "English.lng") {
            root.WriteFile(std::string("share/tollwick/language/") + c.expected, "texts");
        }
        HomeSources sources = HomeSourcesOfThisProcess();
        sources.tollwickHome.clear();
        sources.executableDir.clear();
        sources.xdgDataHome = root.Path() + "xdg";
        sources.installedShareDirs = {root.Path() + "share/tollwick"};
        EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "xdg/tollwick/");
        EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"),
                  std::string("[cfg_Language,") + c.expected + "]\r\n[cfg_KindSaveEdit, = ]\r\n")
            << c.lcAll << "/" << c.lcMessages << "/" << c.lang;

        // Later starts leave the user's choice alone.
        sources.messagesLocale = "ru_RU.UTF-8";
        root.WriteFile("xdg/tollwick/data/config.cfg", "[cfg_Language,English.lng]\r\n");
        EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "xdg/tollwick/");
        EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"), "[cfg_Language,English.lng]\r\n");
    }
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::unsetenv("LANG");
}

// A settings file naming a language file that is not there would fail to load.
TEST(ApplicationHome, ALocaleWhoseFileIsNotShippedKeepsEnglish)
{
    const test::TempDir root;
    root.MakeFolder("share/tollwick/data");
    root.MakeFolder("share/tollwick/language");
    root.WriteFile("share/tollwick/data/config.cfg", "[cfg_Language,English.lng]\r\n");
    HomeSources sources;
    sources.xdgDataHome = root.Path() + "xdg";
    sources.installedShareDirs = {root.Path() + "share/tollwick"};
    sources.messagesLocale = "de_DE.UTF-8";
    EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "xdg/tollwick/");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"), "[cfg_Language,English.lng]\r\n");
}

TEST(ApplicationHome, AnEarlierHomeIsOfferedTheLanguagesShippedSince)
{
    const test::TempDir root;
    root.MakeFolder("share/tollwick/data");
    root.MakeFolder("share/tollwick/language");
    root.WriteFile("share/tollwick/data/config.cfg", "shipped");
    root.WriteFile("share/tollwick/language/English.lng", "texts");
    HomeSources sources;
    sources.xdgDataHome = root.Path() + "xdg";
    sources.installedShareDirs = {root.Path() + "share/tollwick"};
    EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "xdg/tollwick/");
    root.WriteFile("xdg/tollwick/language/English.lng", "my own English");
    root.WriteFile("xdg/tollwick/language/Mine.lng", "my language");
    root.WriteFile("xdg/tollwick/data/config.cfg", "[cfg_Language,Mine.lng]\r\n");

    root.WriteFile("share/tollwick/language/German.lng", "Texte");
    root.WriteFile("share/tollwick/language/README.md", "notes");
    root.WriteFile("share/tollwick/data/new.cfg", "new");
    sources.messagesLocale = "de_DE.UTF-8";
    EXPECT_EQ(ResolveApplicationHome(sources), root.Path() + "xdg/tollwick/");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/language/German.lng"), "Texte");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/language/English.lng"), "my own English");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/language/Mine.lng"), "my language");
    EXPECT_EQ(root.ReadFile("xdg/tollwick/data/config.cfg"), "[cfg_Language,Mine.lng]\r\n");
    EXPECT_FALSE(root.Exists("xdg/tollwick/language/README.md"));
    EXPECT_FALSE(root.Exists("xdg/tollwick/data/new.cfg"));
}

} // namespace
} // namespace tollwick
