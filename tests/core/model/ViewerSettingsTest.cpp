#include <gtest/gtest.h>

#include <climits>

#include "core/model/ViewerSettings.h"

using namespace tessaly::model;

TEST(ViewerSettings, StartValuesSelectTheExpectedItems) {
    const ViewerSettings s;
    EXPECT_EQ(s.selectedText(ListField::WindowSize), "03.550x400");
    EXPECT_EQ(s.selectedText(ListField::Zoom), "120");
    EXPECT_EQ(s.selectedText(ListField::AudioVolume), "50%");
    EXPECT_EQ(s.selectedText(ListField::StartYaw), " auto");
    EXPECT_EQ(s.selectedText(ListField::ControlBar), "Auto");
    EXPECT_EQ(s.hsIcon, 1);
    EXPECT_EQ(s.toolTipHelp, 1);
    EXPECT_EQ(s.zoomMax, 130);
}

TEST(ViewerSettings, BuiltListsHoldTheirExactItems) {
    const ViewerSettings s;
    const auto& yaw = s.items(ListField::StartYaw);
    ASSERT_EQ(yaw.size(), 13u);
    EXPECT_EQ(yaw[0], " auto");
    EXPECT_EQ(yaw[1], " 0 degree");
    EXPECT_EQ(yaw[12], " 330 degree");
    const auto& volume = s.items(ListField::AudioVolume);
    ASSERT_EQ(volume.size(), 11u);
    EXPECT_EQ(volume.front(), "0%");
    EXPECT_EQ(volume.back(), "100%");
}

TEST(ViewerSettings, PositionOutsideTheListSelectsNothing) {
    ViewerSettings s;
    for (const int bad : {0, -1, 13, 1000}) {
        s.setPosition(ListField::WindowSize, bad);
        EXPECT_EQ(s.position(ListField::WindowSize), 0) << bad;
        EXPECT_EQ(s.selectedText(ListField::WindowSize), "");
    }
    s.setPosition(ListField::WindowSize, 12);
    EXPECT_EQ(s.selectedText(ListField::WindowSize), "12.1024x768");
    s.setPosition(ListField::ControlBar, 3);
    EXPECT_EQ(s.controlBar, 0);

    // A value put straight into the record reads as the window would show it.
    s.quality = 8;
    EXPECT_EQ(s.position(ListField::Quality), 0);
}

TEST(ViewerSettings, ZoomListFollowsZoomMaxAtCreationOnly) {
    EXPECT_EQ(buildZoomList(130),
              (std::vector<std::string>{"40", "50", "60", "70", "80", "90", "100", "110", "120", "130"}));
    EXPECT_EQ(buildZoomList(135).size(), 10u);  // 10.5 -> 10
    EXPECT_EQ(buildZoomList(145).size(), 12u);  // 11.5 -> 12
    EXPECT_EQ(buildZoomList(1000).size(), 15u);
    EXPECT_TRUE(buildZoomList(20).empty());
    EXPECT_TRUE(buildZoomList(INT_MIN).empty());
    EXPECT_EQ(buildZoomList(INT_MAX).size(), 15u);

    ViewerSettings s;
    s.zoomMax = 200;
    s.setPosition(ListField::Zoom, 12);
    EXPECT_EQ(s.zoom, 0);
    s.setPosition(ListField::Zoom, 10);
    EXPECT_EQ(s.selectedText(ListField::Zoom), "130");
}

TEST(ViewerSettings, OptionsByDefaultKeepTheRunValues) {
    ViewerSettings s;
    s.windowSize = 7;
    s.zoom = 2;
    s.startYaw = 5;
    s.audioVolume = 1;
    s.showControls = 0;
    s.fullScreen = 1;
    s.stat = 1;
    s.hsIcon = 2;
    s.viewMode = 1;
    s.htmlTitle = "Tour";
    s.htmlBgColor = 0xFFFFFF;
    s.blackAreaColor = 0x123456;
    s.winPosX = 3;
    s.toolTipHelp = 0;
    s.zoomMax = 90;
    s.loadDir = "/in";
    s.saveDir = "/out";
    s.manualTilt = "45";
    s.customSize = 1;
    s.customWidth = "800";
    s.customHeight = "600";

    ViewerSettings expected;
    expected.toolTipHelp = 0;
    expected.zoomMax = 90;
    expected.loadDir = "/in";
    expected.saveDir = "/out";
    expected.manualTilt = "45";
    expected.customSize = 1;
    expected.customWidth = "800";
    expected.customHeight = "600";

    s.resetToDefaults();
    EXPECT_EQ(s, expected);
}

TEST(ViewerSettings, OptionsByDefaultWithAShortZoomListSelectsNoZoom) {
    ViewerSettings s;
    s.zoomItems = buildZoomList(100);  // seven items
    s.resetToDefaults();
    EXPECT_EQ(s.zoom, 0);
}

TEST(ViewerSettings, FieldWritesFollowTheWindowRules) {
    ViewerSettings s;
    for (const auto& [value, icon] : {std::pair{1, 1}, {2, 2}, {7, 2}, {0, 2}}) {
        s.setHsIcon(value);
        EXPECT_EQ(s.hsIcon, icon) << value;
    }
    s.setViewMode(5);
    EXPECT_EQ(s.viewMode, 1);
    s.setViewMode(0);
    EXPECT_EQ(s.viewMode, 0);
    s.setCheck(s.stat, 3);
    EXPECT_EQ(s.stat, 1);
    s.toolTipHelp = 5;
    s.toggleToolTipHelp();
    EXPECT_EQ(s.toolTipHelp, 0);
    s.toggleToolTipHelp();
    EXPECT_EQ(s.toolTipHelp, 1);
}
