#pragma once

// What core asks of the movie library: read what a movie holds, and write a
// movie with its index moved to the front. The movie library implements it;
// tests fake it. Core itself never decodes or parses a movie.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/Result.h"
#include "core/movies/MovieInfo.h"
#include "core/movies/MovieTexts.h"
#include "core/platform/Files.h"

namespace tessaly::movies {

// Bytes of the source read so far and its size.
using ByteProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

class MovieTools {
public:
    virtual ~MovieTools() = default;

    // What `movie` holds. A read that `stop` ends (set from anywhere; the
    // movie library looks at it between its reads) comes back `stopped`.
    virtual MovieInfo inspect(const std::filesystem::path& movie, const std::atomic<bool>* stop) = 0;
    MovieInfo inspect(const std::filesystem::path& movie) { return inspect(movie, nullptr); }

    // Writes `movie`'s packets unchanged, in a container of the same kind with
    // the index at the front, to `out`: an open, empty, seekable file that
    // `outName` names in messages. The movie itself is only read. Once `stop`
    // is set it fails as Cancelled, and what was written is to be dropped.
    virtual Result<void> moveIndexToFront(const std::filesystem::path& movie, int out,
                                          const std::filesystem::path& outName, const ByteProgress& progress,
                                          const std::atomic<bool>* stop) = 0;

    // Writes the first channel of `movie`'s sound (the W of ambisonic sound),
    // decoded, to `out` as a mono WAV file, for the preview to play to both
    // ears; stopped like moveIndexToFront(). Tools that decode no sound say so
    // as a failure.
    virtual Result<void> writeFirstChannel(const std::filesystem::path& movie, int /*out*/,
                                           const std::filesystem::path& /*outName*/,
                                           const std::atomic<bool>* /*stop*/) {
        return platform::FileError{movie, "read", std::string(texts::kNoSoundDecoding)};
    }
};

}  // namespace tessaly::movies
