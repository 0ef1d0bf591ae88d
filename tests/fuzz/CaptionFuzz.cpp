// A caption file as the world hands it over: any bytes, the first choosing
// SubRip or WebVTT, read as the publish reads them. What comes out of a file
// that is accepted must be WebVTT that reads back with the same cues.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/movies/Captions.h"
#include "media/LibavCaptionTools.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static media::LibavCaptionTools tools;
    const auto format = (data[0] & 1) != 0 ? movies::CaptionFormat::SubRip : movies::CaptionFormat::WebVtt;
    const std::string text =
        movies::captionTextAsUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const movies::CaptionConversion converted = tools.toWebVtt(text, format);
    if (!converted.error.empty() || converted.cues == 0) return 0;
    if (!converted.webVtt.starts_with("WEBVTT\n")) {
        std::fprintf(stderr, "no WebVTT header:\n%s\n", converted.webVtt.c_str());
        std::abort();
    }
    const movies::CaptionConversion again = tools.toWebVtt(converted.webVtt, movies::CaptionFormat::WebVtt);
    if (!again.error.empty() || again.cues != converted.cues) {
        std::fprintf(stderr, "%d cues read back as %d (%s):\n%s\n", converted.cues, again.cues,
                     again.error.c_str(), converted.webVtt.c_str());
        std::abort();
    }
    return 0;
}
