#pragma once

// Movie tools that read each movie's header once: the check before publishing
// and the publish itself (which looks for an index at the end) ask about the
// same movies. A movie whose size, contents or attributes changed since it was
// read (the question before publishing may wait for a long time; permissions
// may be mended meanwhile) is read again. Safe to call from several threads:
// a caller asking about a movie another is reading waits for that answer
// instead of reading it a second time. A read stopped on request is not
// remembered; one who waited for it without being asked to stop reads itself.

#include <cstdint>
#include <filesystem>
#include <future>
#include <map>
#include <mutex>

#include "core/movies/MovieTools.h"

namespace tessaly::movies {

class MovieInfoCache : public MovieTools {
public:
    explicit MovieInfoCache(MovieTools& tools) : tools_(tools) {}

    using MovieTools::inspect;
    MovieInfo inspect(const std::filesystem::path& movie, const std::atomic<bool>* stop) override;
    Result<void> moveIndexToFront(const std::filesystem::path& movie, int out,
                                  const std::filesystem::path& outName, const ByteProgress& progress,
                                  const std::atomic<bool>* stop) override {
        return tools_.moveIndexToFront(movie, out, outName, progress, stop);
    }
    Result<void> writeFirstChannel(const std::filesystem::path& movie, int out,
                                   const std::filesystem::path& outName,
                                   const std::atomic<bool>* stop) override {
        return tools_.writeFirstChannel(movie, out, outName, stop);
    }

private:
    struct Read {
        std::uint64_t size = 0;
        std::int64_t changed = 0;
        std::uint64_t ticket = 0;  // which read this is, to forget only a read that failed
        std::shared_future<MovieInfo> info;
    };

    // Drops the read `ticket` made, unless a newer one took its place.
    void forget(const std::filesystem::path& movie, std::uint64_t ticket);

    MovieTools& tools_;
    std::mutex mutex_;  // the window's tooltips and a publish in the background share one
    std::map<std::filesystem::path, Read> read_;
    std::uint64_t tickets_ = 0;
};

}  // namespace tessaly::movies
