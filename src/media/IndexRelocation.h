#pragma once

// Moves an MP4 or QuickTime movie's index (its moov box) in front of the media
// data by relocating boxes: the boxes before the data, then the index with
// every chunk offset moved by the index's size (padded so the data keeps its
// place within the file system's blocks), then the data and whatever
// followed it, copied as they are (inside the kernel where it can). That is a
// copy plus a few reads and writes of the index, where a remux through the
// libraries reads and writes every packet and then moves the whole file once
// more; and it keeps every track, where the libraries' muxer drops the data
// tracks cameras write (telemetry: position, motion) because it cannot write
// them back.
//
// Only the layouts it knows are relocated; the rest is left to the libraries'
// remux. Every size in the file is checked against the file before it is used.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/movies/MovieTools.h"

namespace tessaly::media {

// The action in the message when a rewritten copy is not the movie:
// "Cannot move the index of MOVIE: REASON".
inline constexpr std::string_view kMoveIndex = "move the index of";

// Where chunks may lie: a media-data box's payload, [begin, end) in the file.
struct ByteSpan {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

struct RebuiltIndex {
    enum class Result {
        Rebuilt,    // `box` holds the index to write in front of the data
        Unhandled,  // a layout left to the libraries (`problem` says which)
        Damaged,    // sizes or offsets that do not fit the file (`problem` says how)
    };
    Result result = Result::Unhandled;
    std::string box;
    std::string problem;
};

// The index box `moov` (whole, header included) rebuilt to lie in front of the
// media data, followed by a free box up to a multiple of `alignment` bytes:
// every chunk offset moves by the size of the two. Offsets must point into
// `mediaData`; chunk tables with 32-bit offsets that would pass 4 GiB become
// 64-bit tables.
[[nodiscard]] RebuiltIndex rebuildIndex(std::string_view moov, std::span<const ByteSpan> mediaData,
                                        std::uint64_t alignment);

// Whether the movie open as `in` (`size` bytes) is fragmented: its index
// (moov) followed, among its first boxes, by movie fragments (moof), each with
// the index of its own samples. Such a movie needs no index moved: a browser
// plays its fragments as they load.
bool fragmentedMovie(int in, std::uint64_t size);

// Where the index of the movie open as `in` (`size` bytes) lies: the end of
// the first index box (moov) among the boxes at the top of the file, and the
// lowest chunk offset of any track in it (lowestChunkOffset). Nothing when the
// boxes before the index do not fit the file or there is no index.
struct IndexPlace {
    std::uint64_t end = 0;
    std::optional<std::uint64_t> firstChunk;
};
std::optional<IndexPlace> indexPlace(int in, std::uint64_t size);

// One copy of a movie: `movie` open as `in` (`size` bytes) written to `out`
// (open for writing, empty, named `outName` in messages), reporting progress
// and ending early once `stop` is set. The caller keeps what it refers to alive.
struct CopyJob {
    const std::filesystem::path& movie;
    int in;
    std::uint64_t size;
    int out;
    const std::filesystem::path& outName;
    const movies::ByteProgress& progress;
    const std::atomic<bool>* stop;
};

// Writes the job's movie with its index in front, by relocating boxes. Nothing
// when the layout is one it leaves to the libraries (nothing is written then);
// an error naming the movie when its boxes do not fit the file, or when the
// copy, read back, does not hold the same packets at the same places.
[[nodiscard]] std::optional<Result<void>> relocateIndexFirst(const CopyJob& job);

}  // namespace tessaly::media
