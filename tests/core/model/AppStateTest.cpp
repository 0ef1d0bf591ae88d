#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Fixtures.h"
#include "core/model/AppState.h"
#include "core/platform/FileSystem.h"

using namespace tessaly::model;
using namespace tessaly::model::testing;
namespace fs = std::filesystem;

TEST(AppState, StartValues) {
    const AppState state = startState("/home/ana/tour", "/opt/tessaly/publisher.ini");
    ViewerSettings expected;
    expected.loadDir = expected.saveDir = "/home/ana/tour";
    EXPECT_EQ(state.settings, expected);
    EXPECT_EQ(state.settings.htmlBgColor, 0u);
    EXPECT_EQ(state.settings.blackAreaColor, 0u);
    EXPECT_EQ(state.settings.toolTipHelp, 1);
    EXPECT_EQ(state.settings.zoomMax, 130);
    EXPECT_EQ(state.currentYaw, 0);
    EXPECT_EQ(state.currentSlot, 1);
    EXPECT_EQ(state.movies, (MovieSlots{"", "", ""}));
    EXPECT_EQ(state.hotSpots, tessaly::hotspots::HotSpotList{});
    EXPECT_EQ(state.settingsPath, "/opt/tessaly/publisher.ini");
}

TEST(AppState, SettingsFileIsNamedAfterTheProgram) {
    EXPECT_EQ(settingsFilePath("/opt/tessaly/publisher", "/home/ana/.config/Tessaly", true),
              "/opt/tessaly/publisher.ini");
    EXPECT_EQ(settingsFilePath("/opt/tessaly/publisher", "/home/ana/.config/Tessaly", false),
              "/home/ana/.config/Tessaly/publisher.ini");
    // The same program under another name keeps its own settings.
    EXPECT_EQ(settingsFilePath("/opt/tessaly/other.exe", "/cfg", true), "/opt/tessaly/other.ini");
    EXPECT_EQ(settingsFilePath("/opt/tessaly/other.exe", "/cfg", false), "/cfg/other.ini");
}

TEST(AppState, SettingsFileGoesBesideAWritableProgramFolderOnly) {
    const fs::path dir = scratchFolder("settingspath");
    EXPECT_TRUE(tessaly::platform::isWritableFolder(dir));
    EXPECT_EQ(settingsFilePath(dir / "publisher", "/cfg"), dir / "publisher.ini");
    EXPECT_FALSE(tessaly::platform::isWritableFolder(dir / "missing"));
    EXPECT_EQ(settingsFilePath(dir / "missing" / "publisher", "/cfg"), fs::path("/cfg/publisher.ini"));
    if (::geteuid() != 0) {  // root writes into read-only folders
        ::chmod(dir.c_str(), 0555);
        EXPECT_EQ(settingsFilePath(dir / "publisher", "/cfg"), fs::path("/cfg/publisher.ini"));
        ::chmod(dir.c_str(), 0755);
    }
    fs::remove_all(dir);
}

TEST(AppState, AProgramInstalledUnderAPrefixKeepsSettingsInTheUsersFolder) {
    const fs::path prefix = scratchFolder("prefix");
    fs::create_directories(prefix / "bin");
    EXPECT_EQ(settingsFilePath(prefix / "bin" / "publisher", "/cfg"), prefix / "bin" / "publisher.ini");
    fs::create_directories(prefix / "share" / "tessaly");
    EXPECT_EQ(settingsFilePath(prefix / "bin" / "publisher", "/cfg"), fs::path("/cfg/publisher.ini"));
    fs::remove_all(prefix);
}
