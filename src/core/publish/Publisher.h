#pragma once

// Publish Web Movie: the loaded movies, the Viewer Settings and the Hot Spots
// become a page with its js/ and images/ folders and the movie copies beside
// it, ready to upload.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::publish {

enum class PublishResult {
    Succeeded,  // everything written; "Publishing succeeded" was shown
    Stopped,    // a check, the person or an unsupported movie type stopped it
    Failed,     // files could not be written; the message named them
};

// Progress of the movie copy under way.
using PublishProgress =
    std::function<void(const std::filesystem::path& movie, std::uint64_t done, std::uint64_t total)>;

// The page path for the name chosen in the dialog: trimmed of spaces, with
// ".html" appended unless it already ends so in any letter case. Empty when
// nothing but spaces was chosen.
std::string pagePathFor(std::string_view chosen);

class Publisher {
public:
    Publisher(Prompts& prompts, hotspots::PreviewPlayer& player, PublishProgress progress = {})
        : prompts_(prompts), player_(player), progress_(std::move(progress)) {}

    // Publishes slot 1 (required) and slots 2 and 3 (when not empty). Sets
    // settings.saveDir to the page's folder and may reset the custom size boxes.
    PublishResult publishWebMovie(const std::array<std::string, 3>& movies, model::ViewerSettings& settings,
                                  const hotspots::HotSpotList& hotSpots);

private:
    Prompts& prompts_;
    hotspots::PreviewPlayer& player_;
    PublishProgress progress_;
};

}  // namespace tessaly::publish
