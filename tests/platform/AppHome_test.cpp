// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"
#include "support/TempDir.h"

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

} // namespace
} // namespace tollwick
