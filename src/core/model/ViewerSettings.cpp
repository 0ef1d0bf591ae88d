#include "core/model/ViewerSettings.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/text/Numbers.h"

namespace tessaly::model {
namespace {

std::vector<std::string> yawItems() {
    std::vector<std::string> items{" auto"};
    for (int k = 0; k <= 11; ++k) items.push_back(" " + std::to_string(30 * k) + " degree");
    return items;
}

std::vector<std::string> volumeItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= 11; ++i) items.push_back(std::to_string(10 * (i - 1)) + "%");
    return items;
}

}  // namespace

std::vector<std::string> buildZoomList(int zoomMax) {
    // (zoomMax - 30) / 10 to the nearest integer, halves to even, at most 15.
    // In floating point: an extreme zoomMax must not overflow on the way.
    const int count = std::min(15, text::roundHalfEven((zoomMax - 30.0) / 10.0));
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 1; i <= count; ++i) items.push_back(std::to_string(30 + 10 * i));
    return items;
}

namespace {

// The fixed lists in the order of ListField (the zoom list is not fixed: empty
// here). Made once, outside fixedItems: under the sanitizer a function's frame
// holding every list's start texts was set up again at each of its calls.
std::array<std::vector<std::string>, static_cast<std::size_t>(ListField::Quality) + 1> makeFixedLists() {
    return {{
        {"01.320x240", "02.400x300", "03.550x400", "04.600x400", "05.640x480", "06.800x400", "07.800x480",
         "08.800x600", "09.960x480", "10.1024x480", "11.1024x640", "12.1024x768"},
        {},
        {"Auto", "Minimal"},
        yawItems(),
        {" auto", " 30 degree", " 20 degree", " 10 degree", " 0", "-10 degree", "-20 degree", "-30 degree"},
        {" auto", " 40 degree", " 45 degree", " 50 degree", " 55 degree", " 60 degree", " 65 degree",
         " 70 degree", " 75 degree", " 80 degree", " 85 degree", " 90 degree", " manual"},
        volumeItems(),
        {" auto", " left", " right", " center"},
        {" auto", " top", " bottom", " center"},
        {" auto", " 0.020", " 0.025", " 0.030", " 0.035", " 0.040", " 0.045", " 0.050"},
        {" auto", "  7", " 15", " 20", " 24", " 30", " 50", " 60"},
        {" auto", " 64", " 128", " 172", " 200", " 252", " 282"},
    }};
}

}  // namespace

const std::vector<std::string>& fixedItems(ListField field) {
    static const auto lists = makeFixedLists();
    return lists[static_cast<std::size_t>(field)];
}

const std::vector<std::string>& ViewerSettings::items(ListField field) const {
    return field == ListField::Zoom ? zoomItems : fixedItems(field);
}

int ViewerSettings::position(ListField field) const {
    // A value the list cannot select reads as no selection, as the window would show it.
    const int value = storedPosition(field);
    return (value >= 1 && value <= static_cast<int>(items(field).size())) ? value : 0;
}

// The member that holds each list field, in the order of ListField.
int ViewerSettings::*ViewerSettings::listMember(ListField field) {
    static constexpr int ViewerSettings::*kMembers[] = {
        &ViewerSettings::windowSize,  &ViewerSettings::zoom,    &ViewerSettings::controlBar,
        &ViewerSettings::startYaw,    &ViewerSettings::pitch,   &ViewerSettings::tilt,
        &ViewerSettings::audioVolume, &ViewerSettings::winPosX, &ViewerSettings::winPosY,
        &ViewerSettings::mouseSpeed,  &ViewerSettings::maxFps,  &ViewerSettings::quality,
    };
    static_assert(std::size(kMembers) == static_cast<std::size_t>(ListField::Quality) + 1);
    return kMembers[static_cast<std::size_t>(field)];
}

int ViewerSettings::storedPosition(ListField field) const { return this->*listMember(field); }

void ViewerSettings::setPosition(ListField field, int value) {
    const int count = static_cast<int>(items(field).size());
    this->*listMember(field) = (value >= 1 && value <= count) ? value : 0;
}

std::string ViewerSettings::selectedText(ListField field) const {
    const int p = position(field);
    return p == 0 ? std::string() : items(field)[static_cast<std::size_t>(p - 1)];
}

void ViewerSettings::resetToDefaults() {
    const ViewerSettings start;
    windowSize = start.windowSize;
    startYaw = start.startYaw;
    zoom = start.zoom;
    controlBar = start.controlBar;
    tilt = start.tilt;
    pitch = start.pitch;
    audioVolume = start.audioVolume;
    quality = start.quality;
    maxFps = start.maxFps;
    mouseSpeed = start.mouseSpeed;
    fullScreen = start.fullScreen;
    showControls = start.showControls;
    stat = start.stat;
    hsIcon = start.hsIcon;
    htmlTitle.clear();
    winPosX = start.winPosX;
    winPosY = start.winPosY;
    htmlBgColor = 0;
    blackAreaColor = 0;
    viewMode = 0;
    movieFormat = start.movieFormat;
    captions.clear();
    // A zoom list built from an odd zoomMax may hold fewer than 9 items.
    setPosition(ListField::Zoom, zoom);
}

}  // namespace tessaly::model
