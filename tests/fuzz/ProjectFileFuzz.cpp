// A project file as a user might hand us one: any bytes, read as Load Project
// reads them. What is read must save as a well-formed project that reads back
// without error; the caption files it names are within bounds.

#include <cstdlib>

#include "FuzzInput.h"
#include "core/model/ProjectFile.h"
#include "core/movies/Captions.h"
#include "core/text/Text.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file("project.hs5");
    file.hold(data, size);
    model::ViewerSettings settings;
    model::MovieSlots movies;
    hotspots::HotSpotList hotSpots;
    if (model::loadProject(file.path(), settings, movies, hotSpots, "/home/ana")) return 0;

    const std::string saved = model::projectText(settings, movies, hotSpots);
    if (!text::isValidUtf8(saved)) std::abort();
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const hotspots::HotSpot& spot = hotSpots.at(n);
        if (text::characterCount(spot.trimmedLink()) > hotspots::kLinkWidth ||
            text::characterCount(spot.trimmedTitle()) > hotspots::kTitleWidth)
            std::abort();
    }
    if (settings.captions.size() > movies::kChosenCaptionLimit) std::abort();
    for (const movies::ChosenCaption& caption : settings.captions) {
        if (caption.path.empty() || !movies::isLanguageTag(caption.language)) std::abort();
    }
    // Read back from memory: the file's part of reading was tried above.
    model::ViewerSettings again;
    model::MovieSlots moviesAgain;
    hotspots::HotSpotList hotSpotsAgain;
    if (!model::readProject(saved, again, moviesAgain, hotSpotsAgain, "/home/ana")) std::abort();
    return 0;
}
