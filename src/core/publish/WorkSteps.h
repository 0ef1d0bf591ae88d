#pragma once

// The steps the window and the command line share, so that the two cannot
// drift: "open a project, check its movies, publish" and "open a project,
// encode". Core asks nothing itself: what tells or asks the person, and the
// host that runs the long work (on a worker with a progress window, or in
// place with a progress line), the caller passes in.

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
#include "core/publish/Jobs.h"
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

using PublishDone = std::function<void(const PublishResult& result, const model::ViewerSettings& settings)>;

// After the main movie's check (checkMainMovie, before any dialog), the
// publish as a job on `host`: with checkMoviesFirst the movies are read first,
// a step of their own; then the job with its custom size notice, its checks,
// the movies that will not play well and the mismatches (preparePublish, on
// the caller's thread); then the publish, its copies reported. `done` gets
// the result and the settings, with a rejected custom size reset. A job
// refused comes back Refused and is never run; a publish declined over its
// movies, Cancelled with nothing to tell. `tools` and `talk` outlive the job.
void startPublish(JobHost& host, PublishWork work, model::ViewerSettings settings, movies::MovieTools& tools,
                  PublishQuestions& talk, PublishDone done);
// The job to publish, or the failure that ends the work before it writes.
Result<PublishJob> preparePublish(const PublishWork& work, model::ViewerSettings& settings,
                                  movies::MovieTools& tools, PublishQuestions& talk);

// Make Web Versions of slot 1 in `folder`: the job, or the main movie's
// check's refusal.
Result<movies::EncodeJob> encodeJob(const model::MovieSlots& movies, const std::filesystem::path& folder);
// The encode as a job on `host`, its progress reported; `control` gives the
// tools and what names the versions, the host its stop. `done` gets the result.
void startEncode(JobHost& host, movies::EncodeJob job, movies::EncodeControl control,
                 std::function<void(const movies::EncodeResult& result)> done);

}  // namespace tessaly::publish
