#pragma once

// What the preview's picture takes from the rest of the window: where the
// look-around view starts, read from the options as the published page reads
// them, and which Hot Spots are drawn at a moment of the movie.

#include <vector>

#include "app/QtPreviewPlayer.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::app {

LookStart lookStartOf(model::ViewerSettings settings);

// Every slot whose time window holds `seconds`, `currentSlot`'s marked.
std::vector<PictureMark> marksAt(const hotspots::HotSpotList& hotSpots, double seconds, int currentSlot);

}  // namespace tessaly::app
