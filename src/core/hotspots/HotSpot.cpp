#include "core/hotspots/HotSpot.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/text/Text.h"

namespace tessaly::hotspots {

double clampPitch(double degrees) {
    if (std::isnan(degrees)) return 0.0;
    // + 0.0: a pitch just below zero rounds to -0, which would be written "-0".
    return std::nearbyint(std::clamp(degrees, kPitchMin, kPitchMax) * 10.0) / 10.0 + 0.0;
}

HotSpot HotSpot::make(std::string_view link, std::string_view title, std::int32_t yaw, double pos,
                      double time, std::int32_t self, double pitch) {
    HotSpot spot;
    spot.setLink(link);
    spot.setTitle(title);
    spot.yaw = yaw;
    spot.pos = pos;
    spot.time = time;
    spot.self = self;
    spot.pitch = clampPitch(pitch);
    return spot;
}

void HotSpot::setLink(std::string_view text) { link = text::fixedWidth(text, kLinkWidth); }
void HotSpot::setTitle(std::string_view text) { title = text::fixedWidth(text, kTitleWidth); }
std::string HotSpot::trimmedLink() const { return text::trimSpacesAndNul(link); }
std::string HotSpot::trimmedTitle() const { return text::trimSpacesAndNul(title); }

HotSpot& HotSpotList::at(int n) {
    if (n < 0 || n > kSlotCount) throw std::out_of_range("hot spot slot " + std::to_string(n));
    return records_[static_cast<std::size_t>(n)];
}

const HotSpot& HotSpotList::at(int n) const {
    if (n < 0 || n > kSlotCount) throw std::out_of_range("hot spot slot " + std::to_string(n));
    return records_[static_cast<std::size_t>(n)];
}

int HotSpotList::countInUse() const {
    int count = 0;
    for (int n = 1; n <= kSlotCount; ++n) count += records_[static_cast<std::size_t>(n)].inUse() ? 1 : 0;
    return count;
}

int slotBeyondReach(const HotSpotList& list, int reach) {
    for (int n = 1; n <= kSlotCount; ++n) {
        if (list.at(n).inUse() && !directionWithin(list.at(n).yaw, list.at(n).pitch, reach)) return n;
    }
    return 0;
}

}  // namespace tessaly::hotspots
