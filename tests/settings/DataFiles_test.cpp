// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataHome.h"
#include "platform/Errors.h"
#include "settings/DataFiles.h"
#include "settings/TablesFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utility>

namespace tollwick {
namespace {

using test::CrLf;
using test::DataHome;
using Steps = std::vector<std::pair<int, int>>;

struct Recorder {
    Steps steps;
    ShowProgressFunction Function()
    {
        return [this](int position, int maximum) { steps.emplace_back(position, maximum); };
    }
};

/// A home with all four files, each holding a "Who" entry of its own.
void WriteFourFiles(const DataHome& home)
{
    home.WriteFile("data/config.cfg", CrLf({"[cfg_Language,Test.lng]", "[Who,settings]", "[cfg_UndoCheck,1]"}));
    home.WriteFile("language/Test.lng", "[Who,language]\n[Msg1,Hello]\n[Language,Test]\n");
    home.WriteFile("data/links.cfg", CrLf({"[Who,links]", "[InternetLinkLabel_Test,https://t/]"}));
    home.WriteFile("data/translit.cfg", CrLf({"[Who,tables]", "[cyr_cty,1]", "[cyr1,а  >  a]", "[lat_cty,0]"}));
}

TEST(LoadDataFiles, ReadsTheFourFilesInOrderAndFillsTheTables)
{
    const DataHome home;
    WriteFourFiles(home);
    KeyLines keys({"[stale,line]"});
    TranslitTables tables{{"old"}, {"old"}, {"old"}, {"old"}};
    Recorder progress;
    LoadDataFiles(home.Path(), keys, tables, progress.Function());
    EXPECT_EQ(keys.Lines().size(), 12U);
    EXPECT_EQ(keys.LookupText("stale"), "");
    EXPECT_EQ(keys.LookupText("Who"), "settings");
    EXPECT_EQ(keys.LookupText("Msg1"), "Hello");
    EXPECT_EQ(keys.LookupText("InternetLinkLabel_Test"), "https://t/");
    EXPECT_EQ(tables.CyrList, std::vector<std::string>{"а  >  a"});
    EXPECT_TRUE(tables.CyrLongList.empty());
    EXPECT_TRUE(tables.LatLongList.empty());
    EXPECT_EQ(progress.steps, (Steps{{0, 10}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}}));
}

TEST(LoadDataFiles, StopsAtTheFirstFileThatCannotBeOpened)
{
    struct Case {
        std::string missing;
        std::size_t linesKept;
        std::pair<int, int> lastStep;
    };
    for (const Case& c : {Case{"data/config.cfg", 0, {3, 0}}, Case{"language/Test.lng", 3, {4, 0}},
                          Case{"data/links.cfg", 6, {5, 0}}, Case{"data/translit.cfg", 8, {6, 0}}}) {
        SCOPED_TRACE(c.missing);
        const DataHome home;
        WriteFourFiles(home);
        std::filesystem::remove(home.Path() + c.missing);
        KeyLines keys({"[stale,line]"});
        TranslitTables tables;
        tables.CyrList = {"old"};
        Recorder progress;
        try {
            LoadDataFiles(home.Path(), keys, tables, progress.Function());
            ADD_FAILURE() << "the load went on without a file";
        } catch (const TollwickError& error) {
            EXPECT_EQ(error.what(), "Cannot open file " + home.Path() + c.missing);
        }
        EXPECT_EQ(keys.Lines().size(), c.linesKept);
        EXPECT_EQ(progress.steps.back(), c.lastStep);
        EXPECT_EQ(tables.CyrList, std::vector<std::string>{"old"});
    }
}

TEST(LoadDataFiles, ALanguageNameThatIsNoFileOfTheLanguageFolderFails)
{
    // No name, an empty one, the folder's own names, and names that reach files outside it.
    for (const char* settings : {"[cfg_UndoCheck,1]", "[cfg_Language,]", "[cfg_Language,.]", "[cfg_Language,..]",
                                 "[cfg_Language,../data/links.cfg]", "[cfg_Language,sub/Test.lng]",
                                 "[cfg_Language,../../../../../../../etc/passwd]"}) {
        SCOPED_TRACE(settings);
        const std::string name = KeyLines({settings}).LookupText("cfg_Language");
        const DataHome home;
        WriteFourFiles(home);
        home.MakeFolder("language/sub");
        home.WriteFile("language/sub/Test.lng", "[Who,sub]\n");
        home.WriteFile("data/config.cfg", CrLf({settings}));
        KeyLines keys;
        TranslitTables tables;
        try {
            LoadDataFiles(home.Path(), keys, tables, [](int, int) {});
            ADD_FAILURE() << "the load went on";
        } catch (const TollwickError& error) {
            EXPECT_EQ(error.what(), "Cannot open file " + home.Path() + "language/" + name);
        }
        EXPECT_EQ(keys.Lines(), std::vector<std::string>{settings});
    }
}

TEST(LoadDataFiles, ATableCountThatIsNoNumberEndsTheLoadAfterReading)
{
    const DataHome home;
    WriteFourFiles(home);
    home.WriteFile("data/translit.cfg", CrLf({"[cyr_cty,1]", "[cyr1,x]", "[cyr_long_cty,many]"}));
    KeyLines keys;
    TranslitTables tables;
    Recorder progress;
    EXPECT_THROW(LoadDataFiles(home.Path(), keys, tables, progress.Function()), TollwickError);
    EXPECT_EQ(keys.LookupText("cyr_long_cty"), "many");
    EXPECT_EQ(tables.CyrList, std::vector<std::string>{"x"});
    EXPECT_EQ(progress.steps.back(), (std::pair{6, 0}));
}

/// Every kind of value a save must carry through a load unchanged; one
/// radio button per group, as the window allows.
std::pair<Settings, TranslitTables> AwkwardState()
{
    Settings settings;
    settings.languageFileName = "Test.lng";
    const std::string texts[] = {" = ", "", "[", ",", "]", "  blanks  ", "[cfg_x,1]", "Ёжик ]", "\xc3\x28 raw"};
    std::size_t next = 0;
    for (std::size_t i = 0; i < StoredControls.size(); ++i) {
        if (StoredControls[i].kind == ControlKind::EditField) {
            settings.values[i].text = texts[next++ % std::size(texts)];
        } else if (StoredControls[i].kind == ControlKind::CheckBox) {
            settings.values[i].checked = i % 3 != 0;
        }
    }
    for (const std::string_view radio : {"RadioButton3", "GenAllFirstUpCheck", "LatToCyrCheck"}) {
        settings.At(radio).checked = true;
    }
    TranslitTables tables;
    tables.CyrList = {"а  >  a", "", "no separator", "a,b]  >  ]c"};
    tables.LatList = {"  >  ", "sh  >  ш"};
    tables.LatLongList = {"x  >  y  >  z"};
    return {settings, tables};
}

TEST(SaveDataFiles, ASaveThenALoadGivesBackEveryValue)
{
    const DataHome home;
    WriteFourFiles(home);
    const auto [settings, tables] = AwkwardState();
    Recorder progress;
    SaveDataFiles(home.Path(), settings, tables, progress.Function());
    EXPECT_EQ(progress.steps, (Steps{{0, 4}, {1, 0}, {2, 0}, {3, 0}, {0, 100}}));
    EXPECT_EQ(home.ReadFile("data/config.cfg"), CrLf(SettingsFileLines(settings)));
    EXPECT_EQ(home.ReadFile("data/translit.cfg"), CrLf(TablesFileLines(tables)));

    KeyLines keys;
    TranslitTables loadedTables;
    LoadDataFiles(home.Path(), keys, loadedTables, [](int, int) {});
    Settings loaded;
    RestoreSettings(keys, loaded);
    EXPECT_EQ(loaded, settings);
    EXPECT_EQ(loadedTables, tables);
}

TEST(SaveDataFiles, ASettingsFileInTheWayKeepsTheTablesFileUnwritten)
{
    const DataHome home;
    home.MakeFolder("data/config.cfg");
    home.WriteFile("data/translit.cfg", "[cyr_cty,0]\r\n");
    auto [settings, tables] = AwkwardState();
    try {
        SaveDataFiles(home.Path(), settings, tables, [](int, int) {});
        FAIL() << "the save reported success";
    } catch (const TollwickError& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + home.Path() + "data/config.cfg");
    }
    EXPECT_EQ(home.ReadFile("data/translit.cfg"), "[cyr_cty,0]\r\n");
    // No temporary file is left behind beside them.
    const auto entries = std::filesystem::directory_iterator(home.Path() + "data");
    EXPECT_EQ(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)), 2);
}

TEST(SaveDataFiles, ATablesFileInTheWayIsReportedAfterTheSettingsAreSaved)
{
    const DataHome home;
    home.MakeFolder("data/translit.cfg");
    auto [settings, tables] = AwkwardState();
    try {
        SaveDataFiles(home.Path(), settings, tables, [](int, int) {});
        FAIL() << "the save reported success";
    } catch (const TollwickError& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + home.Path() + "data/translit.cfg");
    }
    EXPECT_EQ(home.ReadFile("data/config.cfg"), CrLf(SettingsFileLines(settings)));
}

TEST(SaveDataFiles, AReadOnlyDataFolderLeavesBothOldFilesWhole)
{
    const DataHome home;
    WriteFourFiles(home);
    const std::string oldSettings = home.ReadFile("data/config.cfg");
    const std::string oldTables = home.ReadFile("data/translit.cfg");
    const std::filesystem::path data = home.Path() + "data";
    std::filesystem::permissions(data, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool stillWritable = std::ofstream(data / "probe").is_open();
    if (stillWritable) {
        std::filesystem::remove(data / "probe");
        std::filesystem::permissions(data, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "this user writes into read-only folders (root); the cases with a folder in the "
                        "file's place cover the failed write";
    }
    auto [settings, tables] = AwkwardState();
    EXPECT_THROW(SaveDataFiles(home.Path(), settings, tables, [](int, int) {}), TollwickError);
    std::filesystem::permissions(data, std::filesystem::perms::owner_all);
    EXPECT_EQ(home.ReadFile("data/config.cfg"), oldSettings);
    EXPECT_EQ(home.ReadFile("data/translit.cfg"), oldTables);
}

} // namespace
} // namespace tollwick
