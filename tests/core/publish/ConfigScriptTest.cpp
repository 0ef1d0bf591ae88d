#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/platform/Files.h"
#include "core/publish/ConfigScript.h"

using namespace tessaly;
using namespace tessaly::publish;
using model::ListField;

namespace {

std::vector<std::string> scriptLines(const std::string& script) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(script.substr(start, end - start));
    }
    EXPECT_EQ(start, script.size()) << "every line ends with CR LF";
    return lines;
}

std::string scriptOf(model::ViewerSettings settings, const hotspots::HotSpotList& hotSpots = {}) {
    return configScript(collectConfig(settings).values, hotSpots);
}

hotspots::HotSpot spot(double pos, double time, int yaw, std::string_view title, std::string_view link,
                       int self = 0) {
    return hotspots::HotSpot::make(link, title, yaw, pos, time, self);
}

}  // namespace

TEST(ConfigScript, DefaultOptionsMatchGoldenFile) {
    const std::string actual = scriptOf(model::ViewerSettings{});
    const auto golden = platform::readFile(TESSALY_FIXTURES "/publish/cn0-default.js");
    ASSERT_TRUE(golden.ok()) << golden.failure().message();
    if (actual != golden.value()) {
        std::ofstream(TESSALY_FIXTURES "/publish/cn0-default.actual.js", std::ios::binary) << actual;
    }
    EXPECT_EQ(actual, golden.value());
    EXPECT_EQ(scriptLines(actual).size(), 88u);
}

TEST(ConfigScript, ListChoicesBecomeNumbers) {
    model::ViewerSettings s;
    s.setPosition(ListField::MaxFps, 2);       // "  7"
    s.setPosition(ListField::Quality, 7);      // " 282"
    s.setPosition(ListField::StartYaw, 13);    // " 330 degree"
    s.setPosition(ListField::Pitch, 6);        // "-10 degree"
    s.setPosition(ListField::MouseSpeed, 8);   // " 0.050"
    s.setPosition(ListField::WinPosX, 3);      // " right"
    s.setPosition(ListField::WinPosY, 4);      // " center"
    s.setPosition(ListField::WindowSize, 12);  // "12.1024x768"
    s.setPosition(ListField::Zoom, 1);
    s.setPosition(ListField::Tilt, 3);  // " 45 degree"
    s.stat = 1;
    s.viewMode = 1;
    s.showControls = 0;
    s.fullScreen = 1;
    const ConfigValues v = collectConfig(s).values;
    EXPECT_EQ(v.fps, "7");
    EXPECT_EQ(v.segments, "282");
    EXPECT_EQ(v.lon, "330");
    EXPECT_EQ(v.lat, "-10");
    EXPECT_EQ(v.mouseSpeed, "0.050");
    EXPECT_EQ(v.winPosW, "right");
    EXPECT_EQ(v.winPosH, "center");
    EXPECT_EQ(v.renderX, "1024");
    EXPECT_EQ(v.renderY, "768");
    EXPECT_EQ(v.fov, "40");
    EXPECT_EQ(v.vertmax, "45");
    EXPECT_EQ(v.stat, "1");
    EXPECT_EQ(v.mode, "1");
    EXPECT_EQ(v.controlBar, "0");
    EXPECT_EQ(v.fullScreen, "1");
}

TEST(ConfigScript, VolumeAndColour) {
    model::ViewerSettings s;
    const std::vector<std::pair<int, std::string>> volumes{{1, "0.00"}, {6, "0.50"}, {11, "1.00"}};
    for (const auto& [item, expected] : volumes) {
        s.setPosition(ListField::AudioVolume, item);
        EXPECT_EQ(collectConfig(s).values.volume, expected) << "item " << item;
    }
    s.blackAreaColor = 0x0000FF;  // pure red in the 0x00BBGGRR layout
    const std::vector<std::string> lines = scriptLines(scriptOf(s));
    EXPECT_EQ(lines[9], "   var OS_VOLUME  = 1.00;");
    EXPECT_EQ(lines[12], "   var OS_COLOR = '#FF0000';");
}

TEST(ConfigScript, ManualTilt) {
    model::ViewerSettings s;
    s.setPosition(ListField::Tilt, 13);  // " manual"
    const std::vector<std::pair<std::string, std::string>> cases{
        {"45", "45"}, {"29", "90"},   {"95", "90"},   {"", "90"},     {"30", "30"},
        {"90", "90"}, {"44.5", "44"}, {"45.5", "46"}, {" 60 ", "60"}, {"abc", "90"},
    };
    for (const auto& [box, expected] : cases) {
        s.manualTilt = box;
        EXPECT_EQ(collectConfig(s).values.vertmax, expected) << "box \"" << box << "\"";
    }
    s.setPosition(ListField::Tilt, 1);  // " auto" reads the box as well
    s.manualTilt = "60";
    EXPECT_EQ(collectConfig(s).values.vertmax, "60");
}

TEST(ConfigScript, CustomSize) {
    model::ViewerSettings s;
    s.customSize = 1;
    s.customWidth = "320";
    s.customHeight = " 100 ";
    CollectedConfig c = collectConfig(s);
    EXPECT_FALSE(c.customSizeMessage);
    EXPECT_EQ(c.values.renderX, "320");
    EXPECT_EQ(c.values.renderY, "100");

    s.customWidth = "319";
    s.customHeight = "480";
    c = collectConfig(s);
    ASSERT_TRUE(c.customSizeMessage);
    EXPECT_EQ(*c.customSizeMessage,
              (Message{"The minimal custom width = 320\nThe minimal custom height = 100", Topic::Note}));
    EXPECT_EQ(s.customWidth, "320");
    EXPECT_EQ(s.customHeight, "100");
    EXPECT_EQ(c.values.renderX, "550");
    EXPECT_EQ(c.values.renderY, "400");

    // Not digits, or unticked: the window-size pair.
    for (const char* width : {"", "12x", "1e4"}) {
        s.customWidth = width;
        s.customHeight = "200";
        EXPECT_TRUE(collectConfig(s).customSizeMessage) << width;
    }
    s.customSize = 0;
    s.customWidth = "10";
    c = collectConfig(s);
    EXPECT_FALSE(c.customSizeMessage);
    EXPECT_EQ(s.customWidth, "10");
    EXPECT_EQ(c.values.renderX, "550");
}

TEST(ConfigScript, UnselectedListsFallBackToStartValues) {
    model::ViewerSettings s;
    s.setPosition(ListField::Zoom, 0);
    s.setPosition(ListField::WindowSize, 0);
    s.setPosition(ListField::WinPosX, 0);
    const ConfigValues v = collectConfig(s).values;
    EXPECT_EQ(v.fov, "120");
    EXPECT_EQ(v.renderX, "550");
    EXPECT_EQ(v.renderY, "400");
    EXPECT_EQ(v.winPosW, "left");
}

TEST(ConfigScript, HotSpotLines) {
    hotspots::HotSpotList list;
    list.at(1) = spot(12.5, 5, 0, "Door", "door.html");
    const std::vector<std::string> lines = scriptLines(scriptOf({}, list));
    EXPECT_EQ(lines[27], "   var OS_HOTSPOTS = 1;");
    const std::vector<std::string> slot1(lines.begin() + 28, lines.begin() + 34);
    EXPECT_EQ(slot1, (std::vector<std::string>{
                         "HotSpotItem_pos[0]   = 12.5;",
                         "HotSpotItem_time[0]  = 5;",
                         "HotSpotItem_yaw[0]   = -180;",
                         "HotSpotItem_title[0] = \"Door\";",
                         "HotSpotItem_link[0]  = \"door.html\";",
                         "HotSpotItem_self[0]  = false;",
                     }));
}

TEST(ConfigScript, HotSpotValueForms) {
    hotspots::HotSpotList list;
    list.at(3) = spot(0.25, 0.5, 90, "", "  room.html ", 1);
    const std::vector<std::string> lines = scriptLines(scriptOf({}, list));
    EXPECT_EQ(lines[27], "   var OS_HOTSPOTS = 1;");
    EXPECT_EQ(lines[28], "HotSpotItem_pos[0]   = 0;");
    EXPECT_EQ(lines[40], "HotSpotItem_pos[2]   = .25;");
    EXPECT_EQ(lines[41], "HotSpotItem_time[2]  = .5;");
    EXPECT_EQ(lines[42], "HotSpotItem_yaw[2]   = -90;");
    EXPECT_EQ(lines[43], "HotSpotItem_title[2] = \"room.html\";");
    EXPECT_EQ(lines[44], "HotSpotItem_link[2]  = \"room.html\";");
    EXPECT_EQ(lines[45], "HotSpotItem_self[2]  = true;");
    EXPECT_EQ(lines[46], "HotSpotItem_pos[3]   = 0;");
    EXPECT_EQ(lines[87], "HotSpotItem_self[9]  = false;");

    const std::vector<std::pair<int, std::string>> yaws{{-90, "90"}, {-179, "1"}, {179, "-1"}, {180, "0"}};
    for (const auto& [yaw, expected] : yaws) {
        list.at(3).yaw = yaw;
        EXPECT_EQ(scriptLines(scriptOf({}, list))[42], "HotSpotItem_yaw[2]   = " + expected + ";") << yaw;
    }
}

// A mono 360 movie keeps the 88 lines; any other adds a line per part that
// differs, after them.
TEST(ConfigScript, StereoAndFieldLinesFollowOnlyForOtherFormats) {
    using movies::StereoLayout;
    struct Case {
        movies::MovieFormat format;
        std::vector<std::string> extra;
    };
    const Case cases[] = {
        {{}, {}},
        {{StereoLayout::TopBottom, 360}, {"   var stereo = \"top-bottom\";"}},
        {{StereoLayout::Mono, 180}, {"   var field = 180;"}},
        {{StereoLayout::SideBySide, 180}, {"   var stereo = \"side-by-side\";", "   var field = 180;"}},
    };
    const std::vector<std::string> mono = scriptLines(scriptOf({}));
    for (const Case& c : cases) {
        model::ViewerSettings s;
        s.movieFormat = c.format;
        const std::vector<std::string> lines = scriptLines(scriptOf(s));
        ASSERT_EQ(lines.size(), 88 + c.extra.size());
        EXPECT_TRUE(std::equal(mono.begin(), mono.end(), lines.begin()));
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 88, lines.end()), c.extra);
    }
}

TEST(ConfigScript, PitchArrayFollowsOnlyWhenSomeSlotInUseHasOne) {
    hotspots::HotSpotList list;
    list.at(4).pitch = 30;  // not in use
    EXPECT_EQ(scriptOf({}, list), scriptOf({}));
    list.at(2) = hotspots::HotSpot::make("b.html", "Sign", 0, 2, 1, 0, -12.5);
    EXPECT_EQ(scriptLines(scriptOf({}, list)).back(),
              "   var HotSpotItem_pitch = [0,-12.5,0,0,0,0,0,0,0,0];");
}

TEST(ConfigScript, TitlesAndLinksAreSafeStringLiterals) {
    hotspots::HotSpotList list;
    list.at(1) = spot(1, 1, 0, "Say \"hi\" \\ back", "a.html?x=</script>");
    list.at(2) = spot(1, 1, 0, "Café's – ok", "b.html");
    list.at(3) = spot(1, 1, 0,
                      "a\tb\x01\xE2\x80\xA8"
                      "c",
                      "c.html");
    const std::vector<std::string> lines = scriptLines(scriptOf({}, list));
    EXPECT_EQ(lines[31], R"(HotSpotItem_title[0] = "Say \"hi\" \\ back";)");
    EXPECT_EQ(lines[32], R"(HotSpotItem_link[0]  = "a.html?x=<\/script>";)");
    EXPECT_EQ(lines[37], "HotSpotItem_title[1] = \"Café's – ok\";");
    EXPECT_EQ(lines[43], R"(HotSpotItem_title[2] = "a\tb\u0001\u2028c";)");
}

TEST(ConfigScript, WriteConfigScriptWritesTheScript) {
    const auto path = std::filesystem::temp_directory_path() / "tessaly-cn0-test.js";
    model::ViewerSettings settings;
    const ConfigValues values = collectConfig(settings).values;
    ASSERT_TRUE(writeConfigScript(path, values, {}).ok());
    EXPECT_EQ(platform::readFile(path).value(), configScript(values, {}));
    std::filesystem::remove(path);
    EXPECT_TRUE(writeConfigScript("/nonexistent-folder/cn0.js", values, {}).failed());
}
