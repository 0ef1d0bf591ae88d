#pragma once

// What makes the page and its movies disagree, found before publishing and
// when slot 1's movie is replaced: a Hot Spot timed past the end of the main
// movie (visitors never see it), and a movie in slot 2 or 3 that is not the
// main movie in another size (some visitors get it instead).

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieInfo.h"

namespace tessaly::movies {
class MovieTools;
}

namespace tessaly::publish {

// Slots 2 and 3 are the same movie for another screen: a web version may end
// a frame or two apart, never more than this.
inline constexpr double kDurationSlack = 0.5;
// Web versions round their sides to even numbers of pixels.
inline constexpr double kAspectSlack = 0.01;

struct Mismatch {
    enum class Kind {
        HotSpotPastEnd,  // `hotSpot` at `at` seconds; slot 1's movie ends at `end`
        Duration,        // `slot`'s movie lasts `at` seconds, slot 1's `end`
        Shape,           // `slot`'s picture (`picture`) is not slot 1's (`mainPicture`)
    };
    Kind kind = Kind::HotSpotPastEnd;
    int slot = 1;  // 1 to 3: slot 1 for a Hot Spot
    std::filesystem::path file;
    int hotSpot = 0;  // 1 to 10
    std::string title;
    double at = 0;
    double end = 0;
    // A picture's width, height and stereo layout.
    struct Picture {
        int width = 0;
        int height = 0;
        movies::StereoLayout layout = movies::StereoLayout::Mono;
        bool operator==(const Picture&) const = default;
    };
    Picture picture;
    Picture mainPicture;

    bool operator==(const Mismatch&) const = default;
};

// The mismatches of these movies as read: Hot Spots in slot order, then slots
// 2 and 3. A movie not read, or read without its duration, is compared in
// nothing it lacks.
std::vector<Mismatch> findMismatches(const model::MovieSlots& movies, const movies::InspectedSlots& inspected,
                                     const hotspots::HotSpotList& hotSpots);

// Reads the filled slots (slot 1 trimmed) and finds their mismatches. Setting
// `stop` ends the reading, and nothing is found.
std::vector<Mismatch> checkMismatches(const model::MovieSlots& movies, movies::MovieTools& tools,
                                      const hotspots::HotSpotList& hotSpots,
                                      const std::atomic<bool>* stop = nullptr);

// "Hot Spot 3 (Door)": how every message names a Hot Spot.
std::string hotSpotName(int n, const hotspots::HotSpot& spot);

// One line a mismatch.
std::string mismatchLine(const Mismatch& mismatch);

// The question before publishing: the movies that will not play well, then
// the mismatches, each on a line of its own; asked with Continue and Cancel.
Message publishQuestion(const std::vector<movies::MovieFinding>& findings,
                        const std::vector<Mismatch>& mismatches);

// The note after slot 1's movie was replaced; empty when nothing disagrees.
std::string replacedMovieNote(const std::vector<Mismatch>& mismatches);

}  // namespace tessaly::publish
