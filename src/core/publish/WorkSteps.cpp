#include "core/publish/WorkSteps.h"

#include <optional>

#include "core/movies/Captions.h"
#include "core/text/Text.h"

namespace tessaly::publish {

PublishResult publishWork(const PublishWork& work, model::ViewerSettings& settings, movies::MovieTools& tools,
                          PublishTalk& talk) {
    const Result<PublishJob> prepared = preparePublish(work, settings, tools, talk);
    if (prepared.failed()) return prepared.failure();
    return talk.run(prepared.value());
}

Result<PublishJob> preparePublish(const PublishWork& work, model::ViewerSettings& settings,
                                  movies::MovieTools& tools, PublishQuestions& talk) {
    std::optional<Message> notice;
    PublishJob job = publishJob(work.movies, work.page, settings, work.hotSpots, notice);
    job.project = work.project;
    if (notice) talk.tell(*notice);
    if (const Result<void> checked = checkJob(job); checked.failed()) return checked.failure();
    if (work.checkMoviesFirst) {
        std::vector<movies::MovieFinding> findings =
            movies::checkMovies(job.movies, tools, job.page, {}, work.stop);
        if (work.captionTools != nullptr) {
            for (movies::MovieFinding& late :
                 movies::lateCaptions(job.movies[0], job.captions, tools, *work.captionTools, work.stop))
                findings.push_back(std::move(late));
        }
        const std::vector<Mismatch> mismatches = checkMismatches(job.movies, tools, job.hotSpots, work.stop);
        if ((!findings.empty() || !mismatches.empty()) && !talk.goOnDespite(findings, mismatches))
            return cancellation();
    }
    return job;
}

movies::EncodeResult encodeWork(const model::MovieSlots& movies, const std::filesystem::path& folder,
                                const EncodeRun& run) {
    const Result<movies::EncodeJob> job = encodeJob(movies, folder);
    if (job.failed()) return job.failure();
    return run(job.value());
}

Result<movies::EncodeJob> encodeJob(const model::MovieSlots& movies, const std::filesystem::path& folder) {
    if (const Result<void> checked = checkMainMovie(movies); checked.failed()) return checked.failure();
    movies::EncodeJob job;
    job.movie = movies.mainMovie();
    job.folder = folder;
    for (std::size_t slot = 0; slot < movies.size(); ++slot) job.kept.push_back(movies.path(slot));
    return job;
}

}  // namespace tessaly::publish
