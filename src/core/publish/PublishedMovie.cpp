#include "core/publish/PublishedMovie.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;

// A movie whose index lies at its end makes a browser load it whole before the
// first frame: its copy gets the index at the front, the same packets otherwise.
bool indexAtEnd(const movies::MovieInfo& info) { return !info.error && !info.indexAtFront.value_or(true); }

// The copy with its index in front, or why there is none.
Result<void> moveIndexToFront(movies::MovieTools& tools, const MovieCopyPlan& movie,
                              platform::TemporaryFile& copy, const platform::CopyProgress& progress,
                              const std::atomic<bool>* stop) {
    if (const int error = copy.create(movie.target))
        return platform::errnoError(movie.target, "write", error);
    return tools.moveIndexToFront(movie.source, copy.fd(), movie.target, progress, stop);
}

}  // namespace

bool stopped(const PublishControl& control) {
    return control.stop != nullptr && control.stop->load(std::memory_order_relaxed);
}

std::unique_ptr<MovieReading> startReading(movies::MovieTools& tools, const fs::path& movie,
                                           const std::atomic<bool>* stop) {
    auto reading = std::make_unique<MovieReading>();
    reading->info = std::async(std::launch::async, [&tools, movie, stop, flag = &reading->rewriteInstead] {
        movies::MovieInfo info = tools.inspect(movie, stop);
        if (indexAtEnd(info)) flag->store(true);
        return info;
    });
    return reading;
}
// The movie's copy for the tree. Most movies need no rewrite, so the plain copy
// starts at once while the movie is read: a movie ready for the web costs the
// longer of the two, not their sum. A movie with its index at the end stops that
// copy and is rewritten instead; one the tools cannot rewrite, or whose rewrite
// is not the same movie, is copied as it is, and the report says so.
PublishedMovie movieCopy(const MovieCopyPlan& movie, const fs::path& root, const PublishControl& control,
                         MovieReading* reading, const platform::CopyProgress& progress) {
    platform::MovieCopyOptions options;
    options.stop = control.stop;
    if (reading == nullptr) return {platform::copyMovie(movie.source, root, progress, options)};

    movies::MovieTools& tools = *control.movieTools;
    options.alsoStop = &reading->rewriteInstead;
    platform::MovieCopyResult copy = platform::copyMovie(movie.source, root, progress, options);
    const bool rewrite = indexAtEnd(reading->info.get());

    PublishedMovie result;
    result.copy.target = copy.target;
    if (stopped(control)) {
        result.copy.stopped = true;
        return result;
    }
    if (!rewrite) return {std::move(copy)};
    Result<void> moved = moveIndexToFront(tools, movie, result.copy.copy, progress, control.stop);
    if (moved.failed() && moved.kind() == FailureKind::Cancelled) {
        result.copy.stopped = true;
        return result;
    }
    if (moved.ok()) return result;
    // The copy as it is: the one already made, if the reading came too late to
    // stop it. The rewrite's space goes back first: a nearly full disk may
    // hold one copy but not two.
    result.copy.copy = {};
    result.indexMove = std::move(moved);
    if (!copy.stopped && copy.outcome.ok()) {
        result.copy = std::move(copy);
        return result;
    }
    options.alsoStop = nullptr;
    result.copy = platform::copyMovie(movie.source, root, progress, options);
    return result;
}

}  // namespace tessaly::publish
