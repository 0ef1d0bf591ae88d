#pragma once

// What a movie file holds, read with FFmpeg's libraries.

#include <atomic>
#include <filesystem>

#include "core/movies/MovieInfo.h"

namespace tessaly::media {

// Only a regular file is opened. A file the libraries cannot read comes back
// with the reason in `error`; one whose reading `stop` ended comes back `stopped`.
movies::MovieInfo inspectMovie(const std::filesystem::path& movie, const std::atomic<bool>* stop = nullptr);

}  // namespace tessaly::media
