#include "core/publish/WorkSteps.h"

#include <optional>

#include "core/movies/Captions.h"
#include "core/text/Text.h"

namespace tessaly::publish {

PublishReport publishWork(const PublishWork& work, model::ViewerSettings& settings, movies::MovieTools& tools,
                          PublishTalk& talk) {
    std::optional<Message> notice;
    PublishJob job = publishJob(work.movies, work.page, settings, work.hotSpots, notice);
    job.project = work.project;
    if (notice) talk.tell(*notice);
    if (auto refusal = checkJob(job)) return {PublishOutcome::Refused, std::move(*refusal)};
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
            return {PublishOutcome::Cancelled, {}};
    }
    return talk.run(job);
}

movies::EncodeReport encodeWork(const model::MovieSlots& movies, const std::filesystem::path& folder,
                                const EncodeRun& run) {
    if (auto refusal = checkMainMovie(movies)) {
        movies::EncodeReport refused;
        refused.outcome = movies::EncodeOutcome::Refused;
        refused.message = std::move(*refusal);
        return refused;
    }
    movies::EncodeJob job;
    job.movie = movies.mainMovie();
    job.folder = folder;
    for (std::size_t slot = 0; slot < movies.size(); ++slot) job.kept.push_back(movies.path(slot));
    return run(job);
}

}  // namespace tessaly::publish
