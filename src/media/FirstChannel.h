#pragma once

// The first channel of a movie's sound on its own: the W channel of ambisonic
// sound, everything heard from all around, which the preview plays to both
// ears where a mix of the four channels would colour it by direction.

#include <atomic>
#include <filesystem>

#include "core/movies/MovieTools.h"

namespace tessaly::media {

// Writes the first channel of `movie`'s first sound track, decoded, to `out`
// (open for writing, empty, named `outName` in messages) as a mono 16-bit WAV
// file. Setting `stop` ends it early, as Cancelled.
Result<void> writeFirstChannel(const std::filesystem::path& movie, int out,
                               const std::filesystem::path& outName, const std::atomic<bool>* stop);

}  // namespace tessaly::media
