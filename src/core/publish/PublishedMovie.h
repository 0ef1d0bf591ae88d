#pragma once

// A movie's copy for a publish: read on a second thread while the plain copy
// runs, and rewritten with its index in front when the index lies at the end.

#include <atomic>
#include <filesystem>
#include <future>
#include <memory>

#include "core/Result.h"
#include "core/movies/MovieTools.h"
#include "core/platform/Files.h"
#include "core/platform/MovieCopy.h"
#include "core/publish/PublishPlan.h"
#include "core/publish/Publisher.h"

namespace tessaly::publish {

// A cancel was asked for.
bool stopped(const PublishControl& control);

// What a movie holds, and so whether its copy is to be rewritten, found out
// by a second thread that reads the movie (loading the movie library the first
// time). Every movie's reading starts before the page's files are written, so
// it is under way, or done, when its copy starts; the page is written last and
// tells the viewer what each movie is. Leaving early waits for the reading
// before the flag goes (the future is declared after it).
struct MovieReading {
    std::atomic<bool> rewriteInstead{false};
    std::shared_future<movies::MovieInfo> info;
};

// A cancel ends a slow reading too.
std::unique_ptr<MovieReading> startReading(movies::MovieTools& tools, const std::filesystem::path& movie,
                                           const std::atomic<bool>* stop);

// A movie's copy for the tree, and whether its index went to the front: a
// failure of the move says why the index stays at the end.
struct PublishedMovie {
    platform::MovieCopyResult copy;
    Result<void> indexMove = success();
};

// The movie's copy for the tree. Most movies need no rewrite, so the plain copy
// starts at once while the movie is read: a movie ready for the web costs the
// longer of the two, not their sum. A movie with its index at the end stops that
// copy and is rewritten instead; one the tools cannot rewrite, or whose rewrite
// is not the same movie, is copied as it is, and the report says so.
PublishedMovie movieCopy(const MovieCopyPlan& movie, const std::filesystem::path& root,
                         const PublishControl& control, MovieReading* reading,
                         const platform::CopyProgress& progress);

}  // namespace tessaly::publish
