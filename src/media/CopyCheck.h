#pragma once

// A movie rewritten with its index in front is published only once it is
// known to hold the same packets as the movie: a damaged or unusual file can
// make a rewrite read bytes from elsewhere or drop a track without an error.

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "media/IndexRelocation.h"

namespace tessaly::media {

// Why `copy` (an open descriptor) does not hold `movie`'s packets, or nothing
// when it does. Compares what the two indexes say, packet by packet: the same
// streams, the same sizes, timings and key frames, every packet `shift` bytes
// further into the copy, and every packet whole within `mediaData` of the
// movie (what moved), as the demuxer itself reads the index. Nothing of the
// media data is read.
std::optional<std::string> relocatedCopyDiffers(int movie, int copy, std::uint64_t shift,
                                                std::span<const ByteSpan> mediaData);

// The same for a copy the libraries remuxed, where packets lie anywhere:
// every packet of both is read and compared by stream, size, key frame and
// timing (in microseconds). Nothing either when `stop` is set.
std::optional<std::string> remuxedCopyDiffers(int movie, int copy, const std::atomic<bool>* stop);

}  // namespace tessaly::media
