#pragma once

// What a movie file holds, read with FFmpeg's libraries.

#include <filesystem>

#include "core/movies/MovieInfo.h"

struct AVInputFormat;

namespace tessaly::media {

// Only a regular file is opened. A file the libraries cannot read comes back
// with the reason in `error`.
movies::MovieInfo inspectMovie(const std::filesystem::path& movie);

// The container family that keeps an index of its frames (MP4, QuickTime),
// by the libraries' name for the format.
bool isMovFamily(const AVInputFormat* format);

}  // namespace tessaly::media
