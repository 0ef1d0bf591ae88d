#pragma once

// The movie tools core is given, made of FFmpeg's libraries.

#include "core/movies/MovieTools.h"

namespace tessaly::media {

class LibavMovieTools : public movies::MovieTools {
public:
    using MovieTools::inspect;
    movies::MovieInfo inspect(const std::filesystem::path& movie, const std::atomic<bool>* stop) override;
    Result<void> moveIndexToFront(const std::filesystem::path& movie, int out,
                                  const std::filesystem::path& outName, const movies::ByteProgress& progress,
                                  const std::atomic<bool>* stop) override;
    Result<void> writeFirstChannel(const std::filesystem::path& movie, int out,
                                   const std::filesystem::path& outName,
                                   const std::atomic<bool>* stop) override;
};

}  // namespace tessaly::media
