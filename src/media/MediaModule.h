#pragma once

// What the media module (libtessaly-media.so) and the programs that load it
// agree on: the functions it offers. Its name carries the version of the
// interface it returns, so a module from another build is refused by name
// instead of being called with the wrong layout.

#include "core/movies/CaptionTools.h"
#include "core/movies/MovieTools.h"

namespace tessaly::media {

inline constexpr char kMovieToolsEntry[] = "tessaly_media_movie_tools_4";

// The module's movie tools, alive until the process ends.
using MovieToolsEntry = movies::MovieTools* (*)();

inline constexpr char kCaptionToolsEntry[] = "tessaly_media_caption_tools_1";

// The module's caption tools, alive until the process ends.
using CaptionToolsEntry = movies::CaptionTools* (*)();

}  // namespace tessaly::media
