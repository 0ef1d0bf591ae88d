#pragma once

// The tooltip of each option control, in the order they are attached. "\n"
// separates lines.

#include <array>
#include <string_view>

#include "app/ControlIds.h"

namespace tessaly::app::texts {

struct ToolTipEntry {
    std::array<int, 3> ids;  // the controls that explain themselves with the text; 0: none
    std::string_view text;
};

inline constexpr ToolTipEntry kToolTips[] = {
    {{ids::kWindowSize, ids::kWindowSizeLabel}, "Choose the size of Html5 viewer window"},
    {{ids::kFullScreen}, "Choose the Full Screen Mode (On/Off)"},
    {{ids::kShowControls},
     "Show / Hide controls:\nShow / Hide control panel, buttons, etc.\non the viewer window."},
    {{ids::kZoomLabel, ids::kZoom},
     "Choose ZOOM value:\nZooming control - from 40, up to MAX.\nBy default value 70."},
    {{ids::kControlBar}, "Choose a mode for control bar:\nAuto - by default and Mininal."},
    {{ids::kYawLabel, ids::kStartYaw},
     "Choose YAW value:\nHorizontal viewing position, 0 to 360 degree.\nBy default value: 0 degree."},
    {{ids::kAudioVolume, ids::kAudioLabel},
     "Choose Audio volume:\nAudio volume: 0 to 100%\nBy default value: 50%"},
    {{ids::kQualityLabel, ids::kQuality}, "Choose a quality for spherical segments"},
    {{ids::kMaxFpsLabel, ids::kMaxFps}, "Choose a rendering speed"},
    {{ids::kBgColorLabel, ids::kBgColorSwatch, ids::kBgColorChoose},
     "Choose any background color\nfor your Html web page."},
    {{ids::kHtmlTitle, ids::kHtmlTitleLabel}, "Choose any <TITLE> text\nfor your Html web page."},
    {{ids::kClassic},
     "Choose \"Classic\" viewing mode for Orbivista Html5 video player. "
     "Auto limit of vertical view for cylindrical video stream."},
    {{ids::kBlackAreas},
     "Choose \"Black Areas\" viewing mode for Orbivista Html5 video player."
     "Full spherical viewing with top and bottom black areas."},
    {{ids::kTiltLabel, ids::kTilt},
     "Limit of vertical angle, for spherical format:\ntop: 50 to 90 degrees.\nbottom -50 to -90 degrees.\n"
     "It works only in \"Classic\" mode.\nUse the \"auto\" mode for cylindrical format."},
    {{ids::kPitchLabel, ids::kPitch},
     "Position of vertical viewing:\n 30 to -30 degrees, 0 degree by default\nUse the \"auto\" mode for "
     "common case."},
    {{ids::kBlackAreaChoose, ids::kBlackAreaSwatch}, "Choose any color for \"Black Areas\""},
    {{ids::kMouseSpeedLabel, ids::kMouseSpeed}, "Choose a panning mouse speed"},
    {{ids::kStat}, "Show/Hide a Stat control"},
    {{ids::kIcon1, ids::kIcon2}, "Choose a hot spot icons"},
    {{ids::kWinPosX, ids::kWinPosXLabel},
     "Choose a horizontal align of a render window align:\n'left','right','center'"},
    {{ids::kWinPosY, ids::kWinPosYLabel},
     "Choose a vertical align of a render window:\n'top','bottom','center'"},
    {{ids::kCustomSize, ids::kCustomWidth, ids::kCustomHeight},
     "Choose a custom size of the html window\nfor the html5 Player. "},
    {{ids::kManualTilt}, "Set value of vertical angle in manual mode.\n 30 to 90 degrees"},
};

}  // namespace tessaly::app::texts
