#pragma once

// Copies a movie beside the published page. Movies are large: the copy streams
// through a fixed buffer (or lets the kernel copy, or share the blocks, where
// the file system can), and lands under its name only when complete, so an
// interrupted copy never leaves half a movie behind.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/text/Files.h"

namespace tessaly::publish {

// Bytes copied so far and the movie's size; called after every chunk and once
// with done == total at the end.
using CopyProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

struct MovieCopyOptions {
    bool allowClone = true;                         // FICLONE: share the blocks (btrfs, XFS)
    bool allowCopyRange = true;                     // copy_file_range: copy inside the kernel
    std::size_t rangeChunk = 16u << 20;             // bytes per copy_file_range call
    std::size_t bufferSize = std::size_t{1} << 20;  // read/write buffer when neither works
    // The copy of a movie the user still has is not flushed to disk before it
    // takes its name (see text::Flush); it still lands whole or not at all.
    text::Flush flush = text::Flush::Skip;
};

struct MovieCopyResult {
    std::filesystem::path target;  // folder / the movie's own file name
    bool sameFile = false;         // the movie already lies there: nothing copied
    std::optional<text::FileError> error;
};

// Copies `movie` into `folder` under its own file name, replacing a file of
// that name. A movie that already is that file is left untouched.
MovieCopyResult copyMovie(const std::filesystem::path& movie, const std::filesystem::path& folder,
                          const CopyProgress& progress = {}, const MovieCopyOptions& options = {});

}  // namespace tessaly::publish
