#pragma once

// Publish Web Movie's engine: the movies, the viewer options and the Hot Spots
// become a page with its js/ and images/ folders and the movie copies beside
// it, ready to upload. It asks nothing and shows nothing: the window and the
// command line talk to the person and hand it a job. The whole job is checked
// before anything is written, and the page folder ends up either all new or
// exactly as it was.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Prompts.h"
#include "core/Result.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"
#include "core/movies/CaptionTools.h"
#include "core/movies/ChosenCaptions.h"
#include "core/movies/MovieTools.h"
#include "core/platform/Files.h"
#include "core/publish/ConfigScript.h"

namespace tessaly::publish {

// What a publish that went through has to tell.
struct Published {
    // "Publishing succeeded", then a line for each movie whose index stays at
    // the end of its copy (and why) and for a journal left alone.
    std::string message;
    // Those movies, as the publish named them.
    std::vector<std::filesystem::path> indexLeftAtEnd;
    // A journal found in the page's folder that this publish left alone, as
    // not written by a publish there.
    std::filesystem::path foreignJournal;
};

// A publish that failed is Refused when a check stopped it before anything
// was written, File when a file could not be written or put in place (the
// page folder is as it was), Cancelled when stopped on request (its reason
// then says so, or is empty when the person declined before it began). A
// journal left alone is one of the failure's `more`.
using PublishResult = Result<Published>;

// The action of a refusal over a movie whose type the page cannot offer.
inline constexpr std::string_view kOfferAction = "offer";

struct PublishJob {
    model::MovieSlots movies;    // slot 1 required; slots 2 and 3 when not empty
    std::filesystem::path page;  // the page file, absolute and normal (pageFile)
    ConfigValues config;
    hotspots::HotSpotList hotSpots;
    int hsIcon = 1;
    std::string htmlTitle;
    std::uint32_t htmlBgColor = 0;
    std::filesystem::path project;  // the project being published, never to be replaced; may be empty
    movies::MovieFormat format;     // a half field keeps every Hot Spot within 90 degrees
    // Caption files chosen for the main movie, over those found beside it.
    movies::ChosenCaptions captions;
};

// Progress of the movie copy under way.
using PublishProgress =
    std::function<void(const std::filesystem::path& movie, std::uint64_t done, std::uint64_t total)>;

struct PublishControl {
    PublishProgress progress;                 // called on the publishing thread
    const std::atomic<bool>* stop = nullptr;  // set from anywhere to cancel
    // Reads each movie (on a second thread, while the copy runs); one with its
    // index at the end is written with the index at the front instead. Called
    // from two threads at once. Without it movies are copied as they are.
    movies::MovieTools* movieTools = nullptr;
    // Makes the main movie's caption files (the job's and those beside it)
    // WebVTT, published beside the page. Without it no captions are published.
    movies::CaptionTools* captionTools = nullptr;
};

// "Publishing failed:" and a line for each error.
Message failureMessage(const std::vector<platform::FileError>& errors);

// What to tell the person of a publish, the same words in the window and on
// the command line; an empty text when there is nothing to tell.
Message publishMessage(const PublishResult& result);
Message publishMessage(const Failure& failure);

// The refusal that stops a publish before anything else happens: slot 1 empty
// or not naming a movie file.
Result<void> checkMainMovie(const model::MovieSlots& movies);

// What stops this job before anything is written and before its movies are
// looked at: slot 1, movie types the page cannot offer, and a Hot Spot off the
// picture of a 180-degree movie.
Result<void> checkJob(const PublishJob& job);

// The job for the current values. The custom size check may reset the size
// boxes in `settings` and give its message in `notice`; publishing then goes
// on with the window-size pair.
PublishJob publishJob(const model::MovieSlots& movies, const std::filesystem::path& page,
                      model::ViewerSettings& settings, const hotspots::HotSpotList& hotSpots,
                      std::optional<Message>& notice);

// Publishes the job and says how it went.
PublishResult publish(const PublishJob& job, const PublishControl& control = {});

// Finishes what a publish killed in `folder` (SIGKILL, a crash, a power cut)
// left there: the page that was there comes back, or stays replaced when the
// killed run had put every file in place; its temporaries and the folders it
// made go. Nothing when no publish was killed there or one is running. Each
// publish runs it first; the window at start, for the folder it last
// published to. An error names what could not be put back.
Result<void> finishInterruptedPublish(const std::filesystem::path& folder);

}  // namespace tessaly::publish
