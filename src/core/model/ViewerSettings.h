#pragma once

// The Viewer Settings: every option that shapes the published viewer and page,
// with the tooltip switch, the largest zoom value and the two working folders.
// The window is their editor; the settings and project files store them; the
// publisher reads them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/movies/ChosenCaptions.h"
#include "core/movies/MovieFormat.h"

namespace tessaly::model {

// The drop-down list fields. Their value is the 1-based position of the
// selected item, 0 when no item is selected.
enum class ListField {
    WindowSize,
    Zoom,
    ControlBar,
    StartYaw,
    Pitch,
    Tilt,
    AudioVolume,
    WinPosX,
    WinPosY,
    MouseSpeed,
    MaxFps,
    Quality,
};

inline constexpr int kDefaultZoomMax = 130;

// The zoom list as the window builds it once at creation from `zoomMax`:
// "40", "50", ... one item per 10 degrees above 30, at most 15 items.
std::vector<std::string> buildZoomList(int zoomMax);

// The fixed item texts of a list, exactly as shown (leading spaces included).
// The zoom list is not fixed: see ViewerSettings::items.
const std::vector<std::string>& fixedItems(ListField field);

struct ViewerSettings {
    int windowSize = 3;
    int showControls = 1;
    int zoom = 9;
    int controlBar = 1;
    int startYaw = 1;
    int pitch = 1;
    int tilt = 1;
    int audioVolume = 6;
    int winPosX = 1;
    int winPosY = 1;
    int mouseSpeed = 1;
    int maxFps = 1;
    int quality = 1;
    int fullScreen = 0;
    std::uint32_t htmlBgColor = 0;  // 0x00BBGGRR
    std::string htmlTitle;
    int stat = 0;
    int hsIcon = 1;                    // 1: "icon1" (blue), 2: "icon2" (red)
    int viewMode = 0;                  // 0 Classic, 1 Black Areas
    std::uint32_t blackAreaColor = 0;  // 0x00BBGGRR
    int toolTipHelp = 1;               // 1 on, any other value off
    int zoomMax = kDefaultZoomMax;
    std::string loadDir;
    std::string saveDir;
    std::string manualTilt;
    int customSize = 0;
    std::string customWidth;
    std::string customHeight;
    // Stereo layout and field of the movie, as the project keeps them; the
    // settings file does not.
    movies::MovieFormat movieFormat;
    // Caption files chosen for the main movie, kept by the project alone too.
    movies::ChosenCaptions captions;

    // Built once, like the window's list, from the zoomMax in force at creation;
    // a zoomMax read later from a file is stored but does not rebuild it.
    std::vector<std::string> zoomItems = buildZoomList(kDefaultZoomMax);

    // Fields without an editor: they always read the same value.
    static constexpr int border = 0;
    static constexpr int balance = 1;

    const std::vector<std::string>& items(ListField field) const;
    // The selected position: 0 when the stored value selects no item.
    int position(ListField field) const;
    // Selects item `value`; a value outside 1..item count leaves no selection (0),
    // as a drop-down list does.
    void setPosition(ListField field, int value);
    // The selected item's text, empty when nothing is selected.
    std::string selectedText(ListField field) const;

    // Writes of the fields that are not plain lists, with the window's rules.
    void setCheck(int& field, int value) { field = value != 0 ? 1 : 0; }
    void setHsIcon(int value) { hsIcon = value == 1 ? 1 : 2; }
    void setViewMode(int value) { viewMode = value == 0 ? 0 : 1; }
    void toggleToolTipHelp() { toolTipHelp = toolTipHelp == 0 ? 1 : 0; }

    // "Options by default": the option fields back to their start values. The
    // tooltip switch, zoomMax, the folders, the manual tilt and the custom size
    // keep their values. (The caller also empties the three movie slots, and
    // the movie format and the chosen captions go with them.)
    void resetToDefaults();

    bool operator==(const ViewerSettings&) const = default;

private:
    int storedPosition(ListField field) const;
    static int ViewerSettings::*listMember(ListField field);
};

}  // namespace tessaly::model
