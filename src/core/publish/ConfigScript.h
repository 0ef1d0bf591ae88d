#pragma once

// The viewer configuration script js/ctr/cn0.js: every viewer option and every
// Hot Spot handed to the player scripts as global JavaScript variables.

#include <filesystem>
#include <optional>
#include <string>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ViewerSettings.h"
#include "core/platform/Files.h"

namespace tessaly::publish {

// The collected values, as the text each line receives.
struct ConfigValues {
    std::string fov, fps, segments, vertmax, lon, lat, renderX, renderY, volume, stat, mode, color,
        mouseSpeed, controlBar, winPosW, winPosH, fullScreen;
    // Empty for a mono 360 movie, whose script stays as it always was.
    std::string stereo, field;

    bool operator==(const ConfigValues&) const = default;
};

struct CollectedConfig {
    ConfigValues values;
    std::optional<tessaly::Message> customSizeMessage;
};

// Reads the settings as publishing needs them. When the custom size is ticked
// and too small, it resets settings.customWidth/customHeight to "320"/"100" and
// returns the message to show; publishing goes on with the window-size pair.
CollectedConfig collectConfig(model::ViewerSettings& settings);

// The 88 lines of the script, each ended by CR LF; then the Hot Spots' pitch
// when any is set and, for a movie that is not mono 360, its stereo layout and
// its field.
std::string configScript(const ConfigValues& values, const hotspots::HotSpotList& hotSpots);

// Writes configScript() atomically to `path`.
Result<void> writeConfigScript(const std::filesystem::path& path, const ConfigValues& values,
                               const hotspots::HotSpotList& hotSpots);

}  // namespace tessaly::publish
