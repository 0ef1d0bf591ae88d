#include "app/PreviewLook.h"

#include "core/publish/ConfigScript.h"
#include "core/text/Numbers.h"

namespace tessaly::app {

LookStart lookStartOf(model::ViewerSettings settings) {
    // The very values the page's script is written with.
    const publish::ConfigValues v = publish::collectConfig(settings).values;
    const auto number = [](const std::string& text) { return text::leadingNumber(text); };
    LookStart start;
    start.view.at = {number(v.lon), number(v.lat)};
    start.view.fov = number(v.fov);
    start.reach.vertmax = number(v.vertmax);
    start.reach.freeMode = v.mode == "1";
    start.reach.field = settings.movieFormat.field;
    start.mouseSpeed = number(v.mouseSpeed);
    return start;
}

std::vector<PictureMark> marksAt(const hotspots::HotSpotList& hotSpots, double seconds, int currentSlot) {
    std::vector<PictureMark> marks;
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const hotspots::HotSpot& spot = hotSpots.at(n);
        if (!spot.inUse() || seconds < spot.pos || seconds > spot.pos + spot.time) continue;
        marks.push_back({n, {static_cast<double>(spot.yaw), spot.pitch}, n == currentSlot});
    }
    return marks;
}

}  // namespace tessaly::app
