#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <utility>
#include <vector>

#include "FileSizeLimit.h"
#include "Fixtures.h"
#include "core/model/SettingsFile.h"
#include "core/platform/Files.h"

using namespace tessaly::model;
using namespace tessaly::model::testing;
namespace fs = std::filesystem;

namespace {

const std::string kCwd = "/work/current";

ViewerSettings startValues(const std::string& folder = "/home/ana/Videos") {
    ViewerSettings s;
    s.loadDir = folder;
    s.saveDir = folder;
    return s;
}

ViewerSettings applied(const std::string& text, ViewerSettings s = startValues()) {
    applySettings(TagText(text), s, kCwd);
    return s;
}

ViewerSettings unusual() {
    ViewerSettings s = startValues();
    s.windowSize = 12;
    s.showControls = 0;
    s.zoom = 0;  // no selection
    s.controlBar = 2;
    s.startYaw = 13;
    s.pitch = 8;
    s.tilt = 13;
    s.audioVolume = 11;
    s.winPosX = 4;
    s.winPosY = 3;
    s.mouseSpeed = 8;
    s.maxFps = 2;
    s.quality = 7;
    s.fullScreen = 1;
    s.htmlBgColor = 0x00FF8000;
    s.htmlTitle = "Visite guidée";
    s.stat = 1;
    s.hsIcon = 2;
    s.viewMode = 1;
    s.blackAreaColor = 0x000A0B0C;
    s.toolTipHelp = 0;
    s.zoomMax = 250;
    s.loadDir = "/srv/in put";
    s.saveDir = "/srv/out";
    return s;
}

}  // namespace

TEST(SettingsFile, StartValuesGiveTheGoldenFile) {
    expectGolden(settingsText(startValues()), "settings-start.ini");
}

TEST(SettingsFile, GoldenFileReadsBackAsStartValues) {
    EXPECT_EQ(applied(fixture("settings-start.ini"), unusual()), startValues());
}

TEST(SettingsFile, WriteReadWriteGivesTheSameBytes) {
    const std::string first = settingsText(unusual());
    const ViewerSettings back = applied(first);
    EXPECT_EQ(back, unusual());
    EXPECT_EQ(settingsText(back), first);
}

TEST(SettingsFile, WrittenFormsOfOddValues) {
    ViewerSettings s = startValues("  /home/ana  ");
    s.htmlTitle = "  Spaced  ";
    s.quality = 9;  // beyond the list: no selection
    s.hsIcon = 7;
    s.viewMode = 4;
    s.htmlBgColor = 0x0000FF;
    s.blackAreaColor = 0xFFFFFF;
    s.toolTipHelp = -3;
    const std::string text = settingsText(s);
    for (const char* line :
         {"<QUAL>0</QUAL>\r\n", "<HS_ICON>2</HS_ICON>\r\n",
          "<VIEWMODE>1</VIEWMODE>  //   0 - classic, 1 - black areas\r\n",
          "<HTMLBGCOLOR>0000FF</HTMLBGCOLOR>\r\n", "<BLACKAREACOLOR>FFFFFF</BLACKAREACOLOR>\r\n",
          "<TOOLTIPHELP>-3</TOOLTIPHELP>\r\n", "<HTMLTITLE>  Spaced  </HTMLTITLE>\r\n",
          "<LOADDIR>/home/ana</LOADDIR>\r\n", "<SAVEDIR>/home/ana</SAVEDIR>\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(applied(text).htmlTitle, "Spaced");
}

struct OddInput {
    const char* name;
    std::string text;
    std::function<long long(const ViewerSettings&)> field;
    long long expected;
};

TEST(SettingsFile, OddInputsReadAsTheWindowWould) {
    const auto window = [](const ViewerSettings& s) { return s.windowSize; };
    const auto bg = [](const ViewerSettings& s) { return s.htmlBgColor; };
    const auto icon = [](const ViewerSettings& s) { return s.hsIcon; };
    const auto zoomMax = [](const ViewerSettings& s) { return s.zoomMax; };
    const auto stat = [](const ViewerSettings& s) { return s.stat; };
    const std::vector<OddInput> table = {
        {"half to even down", "<WINDOW>2.5</WINDOW>", window, 2},
        {"half to even up", "<WINDOW>3.5</WINDOW>", window, 4},
        {"beyond the list", "<WINDOW>13</WINDOW>", window, 0},
        {"negative list value", "<QUAL>-1</QUAL>", [](auto& s) { return s.quality; }, 0},
        {"not a number", "<WINDOW>abc</WINDOW>", window, 0},
        {"spaces before the number", "<WINDOW> \t 5x</WINDOW>", window, 5},
        {"opening tag only", "<WINDOW>7", window, 7},
        {"six digits red", "<HTMLBGCOLOR>0000FF</HTMLBGCOLOR>", bg, 0xFF},
        {"FF alone is red", "<HTMLBGCOLOR>FF</HTMLBGCOLOR>", bg, 0xFF},
        {"colour stops at a non-digit", "<BLACKAREACOLOR>12G4</BLACKAREACOLOR>",
         [](auto& s) { return s.blackAreaColor; }, 0x12},
        {"icon 0 taken as 1", "<HS_ICON>0</HS_ICON>", icon, 1},
        {"icon 2", "<HS_ICON>2</HS_ICON>", icon, 2},
        {"icon 7", "<HS_ICON>7</HS_ICON>", icon, 2},
        {"zoomMax 0", "<ZOOMMAX>0</ZOOMMAX>", zoomMax, 130},
        {"zoomMax -5", "<ZOOMMAX>-5</ZOOMMAX>", zoomMax, 130},
        {"zoomMax kept", "<ZOOMMAX>200</ZOOMMAX><ZOOM>4</ZOOM>", zoomMax, 200},
        {"zoom beside zoomMax", "<ZOOMMAX>200</ZOOMMAX><ZOOM>4</ZOOM>", [](auto& s) { return s.zoom; }, 4},
        {"zoom list not rebuilt", "<ZOOMMAX>200</ZOOMMAX><ZOOM>12</ZOOM>", [](auto& s) { return s.zoom; }, 0},
        {"view mode with its comment", "<VIEWMODE>1</VIEWMODE>  //   0 - classic, 1 - black areas",
         [](auto& s) { return s.viewMode; }, 1},
        {"tooltips stored as read", "<TOOLTIPHELP>5</TOOLTIPHELP>", [](auto& s) { return s.toolTipHelp; }, 5},
        {"tag names are case-sensitive", "<stat>1</stat>", stat, 0},
        {"a tag inside the title wins", "<HTMLTITLE>a <STAT>1 b</HTMLTITLE>\r\n<STAT>0</STAT>", stat, 1},
        {"out of order, no header", "<AUDIO>2</AUDIO>\r\n<WINDOW>5</WINDOW>\r\n", window, 5},
    };
    for (const OddInput& row : table) {
        EXPECT_EQ(row.field(applied(row.text)), row.expected) << row.name;
    }
}

TEST(SettingsFile, OddTextsReadAsTheWindowWould) {
    EXPECT_EQ(applied("<HTMLTITLE>  A </b> B  </HTMLTITLE>").htmlTitle, "A <b> B");
    EXPECT_EQ(applied("<HTMLTITLE>a <STAT>1 b</HTMLTITLE>").htmlTitle, "a <STAT>1 b");
    EXPECT_EQ(applied("<LOADDIR>  /x y  </LOADDIR>").loadDir, "/x y");
    EXPECT_EQ(applied("<LOADDIR>   </LOADDIR><SAVEDIR>/s</SAVEDIR>").loadDir, kCwd);
    EXPECT_EQ(applied("<LOADDIR>   </LOADDIR><SAVEDIR>/s</SAVEDIR>").saveDir, "/s");
}

TEST(SettingsFile, EmptyTextClearsEveryStoredField) {
    ViewerSettings expected = unusual();
    for (const ListField f :
         {ListField::WindowSize, ListField::Zoom, ListField::ControlBar, ListField::StartYaw,
          ListField::Pitch, ListField::Tilt, ListField::AudioVolume, ListField::WinPosX, ListField::WinPosY,
          ListField::MouseSpeed, ListField::MaxFps, ListField::Quality}) {
        expected.setPosition(f, 0);
    }
    expected.showControls = expected.fullScreen = expected.stat = 0;
    expected.hsIcon = 1;
    expected.viewMode = 0;
    expected.htmlBgColor = expected.blackAreaColor = 0;
    expected.htmlTitle.clear();
    expected.toolTipHelp = 0;
    expected.zoomMax = 130;
    expected.loadDir = expected.saveDir = kCwd;
    EXPECT_EQ(applied("", unusual()), expected);
}

TEST(SettingsFile, HeaderAndDashesAreNotNeeded) {
    const std::string full = settingsText(unusual());
    const std::string bare = full.substr(full.find("<WINDOW>"));
    EXPECT_EQ(applied(bare), unusual());
}

TEST(SettingsFile, FieldsNotStoredAreLeftAlone) {
    ViewerSettings s = startValues();
    s.manualTilt = "45";
    s.customSize = 1;
    s.customWidth = "800";
    s.customHeight = "600";
    const ViewerSettings back = applied(settingsText(unusual()), s);
    EXPECT_EQ(back.manualTilt, "45");
    EXPECT_EQ(back.customSize, 1);
    EXPECT_EQ(back.customWidth, "800");
    EXPECT_EQ(back.customHeight, "600");
}

TEST(SettingsFile, SaveWithoutAMovieWritesNothing) {
    const fs::path dir = scratchFolder("nomovie");
    const fs::path file = dir / "publisher.ini";
    const tessaly::Result<void> none = saveSettings(file, startValues(), "   ");
    ASSERT_TRUE(none.failed());
    EXPECT_EQ(none.kind(), tessaly::FailureKind::Refused);
    EXPECT_EQ(none.failure().message(), kNoMovieText);
    EXPECT_FALSE(fs::exists(file));

    ASSERT_TRUE(tessaly::platform::writeFileAtomic(file, "old").ok());
    EXPECT_EQ(saveSettings(file, startValues(), "").kind(), tessaly::FailureKind::Refused);
    EXPECT_EQ(tessaly::platform::readFile(file).value(), "old");

    const tessaly::Message message = noMovieMessage();
    EXPECT_EQ(message.text, "You need to choose any video file, then you can save a parameters");
    EXPECT_EQ(message.topic, tessaly::Topic::Note);

    EXPECT_TRUE(saveSettings(file, startValues(), " /v/tour.mp4 ").ok());
    EXPECT_EQ(tessaly::platform::readFile(file).value(), fixture("settings-start.ini"));
    fs::remove_all(dir);
}

TEST(SettingsFile, FirstSaveCreatesTheConfigurationFolder) {
    const fs::path dir = scratchFolder("newfolder");
    const fs::path file = dir / "config" / "Tessaly" / "publisher.ini";
    EXPECT_TRUE(saveSettings(file, startValues(), "/v/tour.mp4").ok());
    EXPECT_EQ(tessaly::platform::readFile(file).value(), fixture("settings-start.ini"));

    // A file standing where the folder should be: reported, nothing written.
    const fs::path blocked = dir / "blocked" / "publisher.ini";
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / "blocked", "a file").ok());
    const tessaly::Result<void> failed = saveSettings(blocked, startValues(), "/v/tour.mp4");
    ASSERT_TRUE(failed.failed());
    EXPECT_EQ(failed.kind(), tessaly::FailureKind::File);
    EXPECT_EQ(failed.failure().path, dir / "blocked");
    fs::remove_all(dir);
}

TEST(SettingsFile, FailedSaveKeepsTheOldFileAndSaysWhy) {
    const fs::path dir = scratchFolder("failsave");
    const fs::path file = dir / "publisher.ini";
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(file, "old").ok());
    tessaly::Result<void> result = tessaly::success();
    {
        const FileSizeLimit limit(100);
        result = saveSettings(file, startValues(), "/v/tour.mp4");
    }
    ASSERT_TRUE(result.failed());
    EXPECT_EQ(result.kind(), tessaly::FailureKind::File);
    EXPECT_EQ(result.failure().message(), "Cannot write " + file.string() + ": File too large");
    EXPECT_EQ(tessaly::platform::readFile(file).value(), "old");
    fs::remove_all(dir);
}

TEST(SettingsFile, LoadingAMissingOrUnreadableFileChangesNothing) {
    const fs::path dir = scratchFolder("load");
    ViewerSettings s = unusual();
    EXPECT_TRUE(loadSettings(dir / "missing.ini", s, kCwd).ok());
    EXPECT_EQ(s, unusual());

    const auto error = loadSettings(dir, s, kCwd);  // exists, cannot be read as a file
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().message(), "Cannot read " + dir.string() + ": Is a directory");
    EXPECT_EQ(s, unusual());
    fs::remove_all(dir);
}

TEST(SettingsFile, TheTagTableIsWhatTheFileHolds) {
    const std::string text = settingsText(ViewerSettings{});
    std::vector<std::string> written;
    for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        if (text[at + 1] != '/') written.push_back(text.substr(at + 1, text.find('>', at) - at - 1));
    }
    EXPECT_EQ(written, std::vector<std::string>(kSettingsTags.begin(), kSettingsTags.end()));
}

TEST(SettingsFile, FifosDevicesAndHugeFilesAreRefusedUnread) {
    const fs::path dir = scratchFolder("settings-kinds");
    ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0644), 0);
    ASSERT_TRUE(
        tessaly::platform::writeFileAtomic(dir / "huge.ini", std::string(kMaxFileBytes + 1, ' ')).ok());
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "fifo.ini", "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {dir / "huge.ini", "File too large (over 1 MiB)"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        ViewerSettings s;
        s.htmlTitle = "kept";
        const auto error = loadSettings(path, s, "/cwd");
        ASSERT_TRUE(error.failed());
        EXPECT_EQ(error.failure().message(), "Cannot read " + path.string() + ": " + reason);
        EXPECT_EQ(s.htmlTitle, "kept");
    }
    fs::remove_all(dir);
}

TEST(SettingsFile, LoadingReadsWindows1252AndUtf8Titles) {
    const fs::path dir = scratchFolder("encoding");
    const fs::path file = dir / "publisher.ini";
    ViewerSettings s;
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(file, "<HTMLTITLE>Caf\xE9</HTMLTITLE>\r\n").ok());
    ASSERT_TRUE(loadSettings(file, s, kCwd).ok());
    EXPECT_EQ(s.htmlTitle, "Caf\xC3\xA9");
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(file, "<HTMLTITLE>Caf\xC3\xA9</HTMLTITLE>\r\n").ok());
    ASSERT_TRUE(loadSettings(file, s, kCwd).ok());
    EXPECT_EQ(s.htmlTitle, "Caf\xC3\xA9");
    fs::remove_all(dir);
}
