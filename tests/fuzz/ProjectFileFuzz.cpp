// A project file as a user might hand us one: any bytes, read as Load Project
// reads them. What is read must save as a well-formed project that reads back
// without error; the caption files it names are within bounds.
//
// The bytes are read from memory: loadProject only adds the file's reading
// (readFile), which does the same whatever the bytes are, and costs more
// system calls than the reader takes to run (FilesTest and ProjectFileTest
// try it).

#include <cstdlib>
#include <string_view>

#include "core/model/ProjectFile.h"
#include "core/movies/Captions.h"
#include "core/text/Text.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    model::ViewerSettings settings;
    model::MovieSlots movies;
    hotspots::HotSpotList hotSpots;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!model::readProject(bytes, settings, movies, hotSpots, "/home/ana")) return 0;

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
    model::ViewerSettings again;
    model::MovieSlots moviesAgain;
    hotspots::HotSpotList hotSpotsAgain;
    if (!model::readProject(saved, again, moviesAgain, hotSpotsAgain, "/home/ana")) std::abort();
    return 0;
}
