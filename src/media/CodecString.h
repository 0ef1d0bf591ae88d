#pragma once

// The codec string a browser is asked about ("avc1.640028", "hvc1.1.6.L93.B0",
// "vp09.00.40.08", "av01.0.08M.08"), read from a video stream's parameters.

#include <string>

extern "C" {
struct AVCodecParameters;
}

namespace tessaly::media {

// Empty for a codec browsers are never asked about.
std::string codecString(const AVCodecParameters& video, double frameRate);

}  // namespace tessaly::media
