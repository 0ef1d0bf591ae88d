// The entries of the media module: the programs look these functions up by the
// name in MediaModule.h (the media tests load the module and call it).

#include <type_traits>

#include "media/LibavCaptionTools.h"
#include "media/LibavMovieTools.h"
#include "media/MediaModule.h"

extern "C" __attribute__((visibility("default"))) tessaly::movies::MovieTools* tessaly_media_movie_tools_4() {
    static tessaly::media::LibavMovieTools tools;
    return &tools;
}

static_assert(std::is_same_v<decltype(&tessaly_media_movie_tools_4), tessaly::media::MovieToolsEntry>);

extern "C" __attribute__((visibility("default"))) tessaly::movies::CaptionTools*
tessaly_media_caption_tools_1() {
    static tessaly::media::LibavCaptionTools tools;
    return &tools;
}

static_assert(std::is_same_v<decltype(&tessaly_media_caption_tools_1), tessaly::media::CaptionToolsEntry>);
