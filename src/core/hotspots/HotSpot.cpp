#include "core/hotspots/HotSpot.h"

#include <stdexcept>

#include "core/text/Text.h"

namespace tessaly::hotspots {

HotSpot HotSpot::make(std::string_view link, std::string_view title, std::int32_t yaw, double pos,
                      double time, std::int32_t self) {
    HotSpot spot;
    spot.setLink(link);
    spot.setTitle(title);
    spot.yaw = yaw;
    spot.pos = pos;
    spot.time = time;
    spot.self = self;
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
        if (list.at(n).inUse() && !yawWithin(list.at(n).yaw, reach)) return n;
    }
    return 0;
}

}  // namespace tessaly::hotspots
