#pragma once

// Copies a movie beside the published page. Movies are large: the copy streams
// through a fixed buffer (or lets the kernel copy, or share the blocks, where
// the file system can) into a file without a name, which the caller puts in
// place with the rest of the published tree; an interrupted copy leaves
// nothing behind.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"

namespace tessaly::platform {

// Bytes copied so far and the movie's size; called after every chunk and once
// with done == total at the end.
using CopyProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

struct MovieCopyOptions {
    bool allowClone = true;                         // FICLONE: share the blocks (btrfs, XFS)
    bool allowCopyRange = true;                     // copy_file_range: copy inside the kernel
    std::size_t rangeChunk = 16u << 20;             // bytes per copy_file_range call
    std::size_t bufferSize = std::size_t{1} << 20;  // read/write buffer when neither works
    // Set from anywhere (another thread, a signal handler) to stop between chunks.
    const std::atomic<bool>* stop = nullptr;
    // A second flag that stops it the same way: the caller's own reason (the
    // copy is no longer wanted), kept apart from the person's Cancel.
    const std::atomic<bool>* alsoStop = nullptr;
};

// How far a copy of part of a file went.
struct [[nodiscard]] RangeCopy {
    std::uint64_t copied = 0;  // bytes written
    bool stopped = false;      // `stop` was set
    int readError = 0;         // errno of a failed read, else 0
    int writeError = 0;        // errno of a failed write, else 0
};

// Copies up to `length` bytes of `in` from `inOffset` into `out` at
// `outOffset`, inside the kernel where the file systems allow it, else through
// options.bufferSize; ends early at the end of `in`. The descriptors' own
// positions are neither used nor moved. `progress` gets the bytes copied so far.
RangeCopy copyRange(int in, std::uint64_t inOffset, int out, std::uint64_t outOffset, std::uint64_t length,
                    const std::function<void(std::uint64_t copied)>& progress,
                    const MovieCopyOptions& options);

// Makes `to` share the blocks of `from` (FICLONE on btrfs, XFS) in one step;
// false where the file system cannot.
bool cloneFile(int from, int to);

struct [[nodiscard]] MovieCopyResult {
    std::filesystem::path target;  // folder / the movie's own file name
    bool sameFile = false;         // the movie already lies there: nothing copied
    bool stopped = false;          // `stop` was set: nothing kept
    Result<void> outcome;          // failed: what could not be read or written
    // The complete copy, still without its name; empty unless the copy was made.
    TemporaryFile copy;
};

// Whether `movie` already is folder / its own file name: publishing there
// leaves it as it is, with nothing copied.
bool liesIn(const std::filesystem::path& movie, const std::filesystem::path& folder);

// Copies `movie` into an unnamed file in `folder`, to become folder / its own
// file name. A movie that already is that file is left untouched. Only a
// regular file is copied: a device or a FIFO would never end.
MovieCopyResult copyMovie(const std::filesystem::path& movie, const std::filesystem::path& folder,
                          const CopyProgress& progress = {}, const MovieCopyOptions& options = {});

}  // namespace tessaly::platform
