#pragma once

// A movie rewritten with its index at the front: the same packets in a
// container of the same kind, nothing decoded or encoded.

#include <atomic>
#include <filesystem>

#include "core/movies/MovieTools.h"

namespace tessaly::media {

// Writes `movie` to `out` (open for reading and writing, empty) with the index
// first; `outName` is the file `out` becomes, for messages and the container's
// kind. Only the movie's video, sound and subtitle streams are kept.
movies::WriteOutcome remuxIndexFirst(const std::filesystem::path& movie, int out,
                                     const std::filesystem::path& outName,
                                     const movies::ByteProgress& progress, const std::atomic<bool>* stop);

}  // namespace tessaly::media
