#pragma once

// The steps the window and the command line share, so that the two cannot
// drift: "open a project, check its movies, publish" and "open a project,
// encode". Core asks nothing itself: what tells or asks the person, and what
// runs the long work (on a worker with a progress dialog, or in place with a
// progress line), the caller passes in.

#include <atomic>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/WebVersions.h"
#include "core/publish/Mismatches.h"
#include "core/publish/Publisher.h"

namespace tessaly::publish {

// What a publish tells and asks before anything is written.
class PublishQuestions {
public:
    virtual ~PublishQuestions() = default;
    // A notice on the way (a rejected custom size).
    virtual void tell(const Message& notice) = 0;
    // Movies that will not play well on the web, and what in the page and its
    // movies disagrees, found before anything is written: whether to publish
    // all the same. At least one of them is not empty.
    [[nodiscard]] virtual bool goOnDespite(const std::vector<movies::MovieFinding>& findings,
                                           const std::vector<Mismatch>& mismatches) = 0;
};

// What a publish asks of the window or the command line.
class PublishTalk : public PublishQuestions {
public:
    // The publish itself, with the caller's progress and cancel.
    [[nodiscard]] virtual PublishResult run(const PublishJob& job) = 0;
};

struct PublishWork {
    model::MovieSlots movies;    // as found (model::OpenedProject::movies)
    std::filesystem::path page;  // absolute and normal (pageFile)
    hotspots::HotSpotList hotSpots;
    std::filesystem::path project;  // the project file, never replaced; may be empty
    // Read the movies first and ask about what will not play well and what
    // disagrees; `stop` ends that reading.
    bool checkMoviesFirst = false;
    const std::atomic<bool>* stop = nullptr;
    // With checkMoviesFirst, asks too about captions that end after the main movie.
    movies::CaptionTools* captionTools = nullptr;
};

// After the main movie's check (checkMainMovie, before any dialog): the job
// with its custom size notice (`settings` come back with a rejected size
// reset), its checks, the movies that will not play well and the mismatches,
// the publish. A job refused comes back Refused and is never run; a publish
// declined over its movies, Cancelled with nothing to tell.
PublishResult publishWork(const PublishWork& work, model::ViewerSettings& settings, movies::MovieTools& tools,
                          PublishTalk& talk);
// The same up to the publish itself, for a caller that runs it later: the job
// to publish, or the failure that ends the work here.
Result<PublishJob> preparePublish(const PublishWork& work, model::ViewerSettings& settings,
                                  movies::MovieTools& tools, PublishQuestions& talk);

// What an encode asks of the window or the command line: the encode itself,
// with the caller's tools, progress and cancel.
using EncodeRun = std::function<movies::EncodeResult(const movies::EncodeJob& job)>;

// Make Web Versions of slot 1 in `folder`: the main movie's check (its
// refusal comes back Refused), then the encode.
movies::EncodeResult encodeWork(const model::MovieSlots& movies, const std::filesystem::path& folder,
                                const EncodeRun& run);
// The same up to the encode itself: the job, or the refusal.
Result<movies::EncodeJob> encodeJob(const model::MovieSlots& movies, const std::filesystem::path& folder);

}  // namespace tessaly::publish
