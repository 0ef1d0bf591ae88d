#pragma once

// The project file (.hs5): one piece of work, as the settings lines, the three
// movie paths and the ten Hot Spot slots, 93 lines with CR LF ends.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/TagText.h"
#include "core/model/ViewerSettings.h"
#include "core/movies/MovieSlots.h"
#include "core/platform/Files.h"

namespace tessaly::model {

using MovieSlots = movies::MovieSlots;

inline constexpr std::string_view kProjectExtension = ".hs5";
// The Load and Save Project dialogs' filters: "Project files|*.hs5|", "Project file (*.hs5)|*.hs5|".
std::string projectOpenFilter();
std::string projectSaveFilter();
// Why a file with none of a project's tags is not loaded.
inline constexpr std::string_view kNotAProject = "Not a project file (none of its tags is in it)";

// The 93 lines of a project file, each ended by CR LF, and one more for each
// optional value set (stereo layout, field, a Hot Spot's pitch), two for each
// chosen caption file.
std::string projectText(const ViewerSettings& settings, const MovieSlots& movies,
                        const hotspots::HotSpotList& hotSpots);

// Applies a project's tags: the settings as the settings file does, the movie
// slots and all ten Hot Spot slots (a missing tag gives a blank value).
void applyProject(const TagText& tags, ViewerSettings& settings, MovieSlots& movies,
                  hotspots::HotSpotList& hotSpots, const std::string& currentFolder);

Result<void> saveProject(const std::filesystem::path& path, const ViewerSettings& settings,
                         const MovieSlots& movies, const hotspots::HotSpotList& hotSpots);

// Reads a project file's bytes, as loadProject has them from the file, into
// the three values; false, changing nothing, when they hold none of a
// project's tags.
[[nodiscard]] bool readProject(std::string_view bytes, ViewerSettings& settings, MovieSlots& movies,
                               hotspots::HotSpotList& hotSpots, const std::string& currentFolder);

// Reads the project at `path` into the three values. A file that cannot be
// opened or read, is over kMaxFileBytes, or holds none of a project's tags
// changes nothing and is reported.
Result<void> loadProject(const std::filesystem::path& path, ViewerSettings& settings, MovieSlots& movies,
                         hotspots::HotSpotList& hotSpots, const std::string& currentFolder);

// Caption paths in a project may be relative to the project's own folder
// (`project` is absolute): each such path becomes that folder / the path, as
// the movie slots do (MovieSlots::resolveFrom). Empty and absolute paths stay.
void resolveCaptionPaths(movies::ChosenCaptions& captions, const std::filesystem::path& project);

// A project opened for work.
struct OpenedProject {
    std::filesystem::path file;              // absolute
    ViewerSettings settings;                 // its captions found from the project's folder
    movies::ChosenCaptions writtenCaptions;  // as the file has them
    MovieSlots written;                      // the movie slots as the file has them, to be saved back so
    MovieSlots movies;                       // the same, found from the project's folder
    hotspots::HotSpotList hotSpots;
};

// Loads the project at `file` over `settings` and finds its movies: the one way
// the window and the command line open a project.
Result<OpenedProject> openProject(const std::filesystem::path& file, const ViewerSettings& settings,
                                  const std::string& currentFolder);

// The name Save Project writes to: the chosen name trimmed of spaces, with
// ".hs5" appended unless it already ends so (in any case). Empty when the
// trimmed name is empty: nothing is to be saved.
std::string projectSaveName(std::string_view chosenName);

}  // namespace tessaly::model
