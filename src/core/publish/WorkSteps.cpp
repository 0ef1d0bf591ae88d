#include "core/publish/WorkSteps.h"

#include <chrono>
#include <memory>
#include <optional>
#include <utility>

#include "core/movies/Captions.h"
#include "core/text/Text.h"

namespace tessaly::publish {

void ProgressClock::start(const std::filesystem::path& movie) {
    movie_ = movie;
    start_ = std::chrono::steady_clock::now();
    started_ = true;
}

JobProgress ProgressClock::stamp(JobStep step, const std::filesystem::path& movie, double done,
                                 double total) {
    if (!started_ || movie != movie_) start(movie);
    return JobProgress{step, movie, done, total,
                       std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count()};
}

namespace {

// What a publish carries from one step to the next.
struct PublishState {
    PublishWork work;
    model::ViewerSettings settings;
    movies::MovieTools& tools;
    PublishQuestions& talk;
    PublishDone done;
    // Until the publish has run: a worker that never ran it was stopped.
    PublishResult result = cancellation();
};

void publishPrepared(JobHost& host, const std::shared_ptr<PublishState>& state) {
    Result<PublishJob> prepared = preparePublish(state->work, state->settings, state->tools, state->talk);
    if (prepared.failed()) {
        state->done(prepared.failure(), state->settings);
        return;
    }
    host.stepBegins(JobStep::WritingPage);
    // A stop asked for while the movies were read ends the publish before it writes.
    PublishControl control;
    control.stop = host.stopFlag();
    control.movieTools = &state->tools;
    control.captionTools = state->work.captionTools;
    auto clock = std::make_shared<ProgressClock>();
    control.progress = [&host, clock](const std::filesystem::path& movie, std::uint64_t done,
                                      std::uint64_t total) {
        host.report(
            clock->stamp(JobStep::WritingPage, movie, static_cast<double>(done), static_cast<double>(total)));
    };
    host.run([state, job = std::move(prepared).value(),
              control = std::move(control)] { state->result = publish(job, control); },
             [state] { state->done(state->result, state->settings); });
}

}  // namespace

void startPublish(JobHost& host, PublishWork work, model::ViewerSettings settings, movies::MovieTools& tools,
                  PublishQuestions& talk, PublishDone done) {
    work.stop = host.stopFlag();
    auto state = std::make_shared<PublishState>(
        PublishState{std::move(work), std::move(settings), tools, talk, std::move(done)});
    if (!state->work.checkMoviesFirst) {
        publishPrepared(host, state);
        return;
    }
    // Read on the worker while the progress shows; the checks then find them read.
    host.stepBegins(JobStep::ReadingMovies);
    host.run(
        [state] {
            const model::MovieSlots& movies = state->work.movies;
            for (std::size_t i = 0; i < movies.size() && !state->work.stop->load(); ++i) {
                const std::string path = movies.path(i);
                if (!path.empty()) static_cast<void>(state->tools.inspect(path, state->work.stop));
            }
        },
        [&host, state] { publishPrepared(host, state); });
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

Result<movies::EncodeJob> encodeJob(const model::MovieSlots& movies, const std::filesystem::path& folder) {
    if (const Result<void> checked = checkMainMovie(movies); checked.failed()) return checked.failure();
    movies::EncodeJob job;
    job.movie = movies.mainMovie();
    job.folder = folder;
    for (std::size_t slot = 0; slot < movies.size(); ++slot) job.kept.push_back(movies.path(slot));
    return job;
}

void startEncode(JobHost& host, movies::EncodeJob job, movies::EncodeControl control,
                 std::function<void(const movies::EncodeResult& result)> done) {
    host.stepBegins(JobStep::Encoding);
    control.stop = host.stopFlag();
    auto clock = std::make_shared<ProgressClock>();
    // The movie is read before the first figures come: its time counts.
    clock->start(job.movie);
    control.progress = [&host, clock, movie = job.movie](double done, double total) {
        host.report(clock->stamp(JobStep::Encoding, movie, done, total));
    };
    // Until the encode has run: a worker that never ran it was stopped.
    auto result = std::make_shared<movies::EncodeResult>(cancellation());
    host.run([result, job = std::move(job),
              control = std::move(control)] { *result = movies::encodeWebVersions(job, control); },
             [result, done = std::move(done)] { done(*result); });
}

}  // namespace tessaly::publish
