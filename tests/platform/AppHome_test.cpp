// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

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
                          {"de_DE.UTF-8", "ru_RU.UTF-8", "", "English.lng"},
                          {"", "", "", "English.lng"}};
    for (const Case& c : cases) {
        ::setenv("LC_ALL", c.lcAll, 1);
        ::setenv("LC_MESSAGES", c.lcMessages, 1);
        ::setenv("LANG", c.lang, 1);
        const test::TempDir root;
        root.MakeFolder("share/tollwick/data");
        root.MakeFolder("share/tollwick/language");
        root.WriteFile("share/tollwick/data/config.cfg", "[cfg_Language,English.lng]\r\n[cfg_KindSaveEdit, = ]\r\n");
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

} // namespace
} // namespace tollwick
