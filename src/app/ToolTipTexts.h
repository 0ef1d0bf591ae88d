#pragma once

// The tooltip of each option control, in the order they are attached. "\n"
// separates lines.

#include <array>
#include <string_view>

namespace tessaly::app::texts {

struct ToolTipEntry {
    std::array<int, 3> ids;  // 0: unused
    std::string_view text;
};

inline constexpr ToolTipEntry kToolTips[] = {
    {{112, 109, 0}, "Choose the size of Html5 viewer window"},
    {{110, 0, 0}, "Choose the Full Screen Mode (On/Off)"},
    {{111, 0, 0}, "Show / Hide controls:\nShow / Hide control panel, buttons, etc.\non the viewer window."},
    {{117, 116, 0}, "Choose ZOOM value:\nZooming control - from 40, up to MAX.\nBy default value 70."},
    {{194, 0, 0}, "Choose a mode for control bar:\nAuto - by default and Mininal."},
    {{119, 118, 0},
     "Choose YAW value:\nHorizontal viewing position, 0 to 360 degree.\nBy default value: 0 degree."},
    {{126, 125, 0}, "Choose Audio volume:\nAudio volume: 0 to 100%\nBy default value: 50%"},
    {{183, 184, 0}, "Choose a quality for spherical segments"},
    {{185, 186, 0}, "Choose a rendering speed"},
    {{127, 128, 129}, "Choose any background color\nfor your Html web page."},
    {{131, 130, 0}, "Choose any <TITLE> text\nfor your Html web page."},
    {{147, 0, 0},
     "Choose \"Classic\" viewing mode for Orbivista Html5 video player. "
     "Auto limit of vertical view for cylindrical video stream."},
    {{148, 0, 0},
     "Choose \"Black Areas\" viewing mode for Orbivista Html5 video player."
     "Full spherical viewing with top and bottom black areas."},
    {{139, 140, 0},
     "Limit of vertical angle, for spherical format:\ntop: 50 to 90 degrees.\nbottom -50 to -90 degrees.\n"
     "It works only in \"Classic\" mode.\nUse the \"auto\" mode for cylindrical format."},
    {{141, 142, 0},
     "Position of vertical viewing:\n 30 to -30 degrees, 0 degree by default\nUse the \"auto\" mode for "
     "common case."},
    {{149, 150, 0}, "Choose any color for \"Black Areas\""},
    {{187, 188, 0}, "Choose a panning mouse speed"},
    {{189, 0, 0}, "Show/Hide a Stat control"},
    {{461, 462, 0}, "Choose a hot spot icons"},
    {{191, 190, 0}, "Choose a horizontal align of a render window align:\n'left','right','center'"},
    {{193, 192, 0}, "Choose a vertical align of a render window:\n'top','bottom','center'"},
    {{179, 181, 182}, "Choose a custom size of the html window\nfor the html5 Player. "},
    {{160, 0, 0}, "Set value of vertical angle in manual mode.\n 30 to 90 degrees"},
};

}  // namespace tessaly::app::texts
