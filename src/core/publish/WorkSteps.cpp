#include "core/publish/WorkSteps.h"

#include <optional>

#include "core/movies/Captions.h"
#include "core/text/Text.h"

namespace tessaly::publish {

PublishReport publishWork(const PublishWork& work, model::ViewerSettings& settings, movies::MovieTools& tools,
                          PublishTalk& talk) {
    std::variant<PublishJob, PublishReport> prepared = preparePublish(work, settings, tools, talk);
    if (auto* ended = std::get_if<PublishReport>(&prepared)) return std::move(*ended);
    return talk.run(std::get<PublishJob>(prepared));
}

std::variant<PublishJob, PublishReport> preparePublish(const PublishWork& work,
                                                       model::ViewerSettings& settings,
                                                       movies::MovieTools& tools, PublishQuestions& talk) {
    std::optional<Message> notice;
    PublishJob job = publishJob(work.movies, work.page, settings, work.hotSpots, notice);
    job.project = work.project;
    if (notice) talk.tell(*notice);
    if (auto refusal = checkJob(job)) return PublishReport{PublishOutcome::Refused, std::move(*refusal)};
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
            return PublishReport{PublishOutcome::Cancelled, {}};
    }
    return job;
}

movies::EncodeReport encodeWork(const model::MovieSlots& movies, const std::filesystem::path& folder,
                                const EncodeRun& run) {
    std::variant<movies::EncodeJob, movies::EncodeReport> job = encodeJob(movies, folder);
    if (auto* refused = std::get_if<movies::EncodeReport>(&job)) return std::move(*refused);
    return run(std::get<movies::EncodeJob>(job));
}

std::variant<movies::EncodeJob, movies::EncodeReport> encodeJob(const model::MovieSlots& movies,
                                                                const std::filesystem::path& folder) {
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
    return job;
}

}  // namespace tessaly::publish
