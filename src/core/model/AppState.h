#pragma once

// The state of one run of the publisher that is not a window's business: the
// options, the movie slots, the Hot Spots, the editing position and where the
// settings file lives. Start-up builds it; every command reads the same value.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::model {

struct AppState {
    ViewerSettings settings;
    MovieSlots movies;
    hotspots::HotSpotList hotSpots;
    std::int16_t currentYaw = 0;  // degrees
    int currentSlot = 1;          // 0: no slot selected
    std::filesystem::path settingsPath;
};

// The values at start: both folders are `currentFolder`, the options their
// start values, every Hot Spot slot blank, the movie slots empty.
AppState startState(const std::string& currentFolder, const std::filesystem::path& settingsPath);

// The settings file is named after the program: beside it when its folder is
// writable, else in `fallbackFolder` (the user's configuration folder).
std::filesystem::path settingsFilePath(const std::filesystem::path& executable,
                                       const std::filesystem::path& fallbackFolder,
                                       bool executableFolderWritable);
// The same, asking the file system whether the executable's folder is writable;
// a program installed under a prefix (bin/ beside share/tessaly/) never is.
std::filesystem::path settingsFilePath(const std::filesystem::path& executable,
                                       const std::filesystem::path& fallbackFolder);

}  // namespace tessaly::model
