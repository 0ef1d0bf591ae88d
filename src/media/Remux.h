#pragma once

// A movie rewritten with its index at the front: the same packets in a
// container of the same kind, nothing decoded or encoded.

#include <atomic>
#include <filesystem>

#include "core/movies/MovieTools.h"

namespace tessaly::media {

// Writes `movie` to `out` (open for reading and writing, empty) with the index
// first; `outName` is the file `out` becomes, for messages and the container's
// kind. An MP4 or QuickTime movie whose boxes allow it has them relocated
// (IndexRelocation.h): every track kept, at the speed of a copy; any other is
// remuxed by the libraries.
Result<void> remuxIndexFirst(const std::filesystem::path& movie, int out,
                             const std::filesystem::path& outName, const movies::ByteProgress& progress,
                             const std::atomic<bool>* stop);

// The libraries' remux alone: every packet read and written again, then the
// file moved once more to put the index in front. Only a movie of video, sound
// and subtitle streams is remuxed: the muxer cannot write data tracks back, and
// a movie with one is refused. Either way the copy is read back and refused
// unless it holds the same packets.
Result<void> remuxWithLibraries(const std::filesystem::path& movie, int out,
                                const std::filesystem::path& outName, const movies::ByteProgress& progress,
                                const std::atomic<bool>* stop);

}  // namespace tessaly::media
