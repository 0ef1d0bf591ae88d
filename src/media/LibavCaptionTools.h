#pragma once

// Caption files made WebVTT by FFmpeg's subtitle demuxers, its SubRip decoder
// and WebVTT encoder, and its WebVTT muxer.

#include "core/movies/CaptionTools.h"

namespace tessaly::media {

class LibavCaptionTools : public movies::CaptionTools {
public:
    movies::CaptionConversion toWebVtt(std::string_view text, movies::CaptionFormat format) override;
};

}  // namespace tessaly::media
