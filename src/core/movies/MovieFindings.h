#pragma once

// The check before publishing: what in each slot's movie will not play well on
// a web page. Core finds the problems and words them; the window asks whether
// to go on, the command line prints them.

#include <array>
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/Prompts.h"
#include "core/movies/MovieInfo.h"
#include "core/movies/MovieSlots.h"

namespace tessaly::movies {

class MovieTools;

struct MovieFinding {
    int slot = 1;  // 1 to 3
    std::filesystem::path file;
    std::string problem;             // the words after the slot and the file's name
    bool fixedByPublishing = false;  // publishing mends it in the published copy (there is one)
};

// Each slot's movie as inspected; nothing for an empty slot.
using InspectedSlots = std::array<std::optional<MovieInfo>, 3>;
// The slots whose movie already lies in the page folder: publishing makes no
// copy of it, so it mends nothing in it.
using InPlaceSlots = std::array<bool, 3>;
// The slots whose copy was published with its index left at the end.
using LeftAtEndSlots = std::array<bool, 3>;

// The problems of the inspected movies, slot by slot, in the order of the rules.
std::vector<MovieFinding> movieFindings(const MovieSlots& movies, const InspectedSlots& inspected,
                                        const InPlaceSlots& inPlace = {},
                                        const LeftAtEndSlots& leftAtEnd = {});

// Inspects the filled slots, as publishing reads them, and returns their
// problems when they are published with `page` (absolute and normal). After a publish,
// `indexLeftAtEnd` names the movies whose copy kept the index at the end.
// Setting `stop` ends the reading, and the check finds nothing.
std::vector<MovieFinding> checkMovies(const MovieSlots& movies, MovieTools& tools,
                                      const std::filesystem::path& page,
                                      const std::vector<std::filesystem::path>& indexLeftAtEnd = {},
                                      const std::atomic<bool>* stop = nullptr);

// "Slot 2, tour.mov: has no video stream"
std::string findingLine(const MovieFinding& finding);

// The question before publishing: every problem on a line of its own; asked
// with texts::kContinue and Cancel.
Message findingsMessage(const std::vector<MovieFinding>& findings);

}  // namespace tessaly::movies
