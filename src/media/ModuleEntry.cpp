// The entry of the media module: the programs look this function up by the
// name in MediaModule.h (the media tests load the module and call it).

#include <type_traits>

#include "media/LibavMovieTools.h"
#include "media/MediaModule.h"

extern "C" __attribute__((visibility("default"))) tessaly::movies::MovieTools* tessaly_media_movie_tools_2() {
    static tessaly::media::LibavMovieTools tools;
    return &tools;
}

static_assert(std::is_same_v<decltype(&tessaly_media_movie_tools_2), tessaly::media::MovieToolsEntry>);
