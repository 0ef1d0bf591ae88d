#pragma once

// What a movie file holds, as the movie library reads it, and the ways the
// window and the command line show it: one line for a tooltip or a terminal,
// and JSON for scripts.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/movies/MovieFormat.h"

namespace tessaly::movies {

// First-order ambisonic sound, as cameras mark the sound track (four channels
// W, Y, Z, X, or those and a head-locked stereo pair). Four channels without
// the mark are ordinary sound.
enum class SpatialAudio {
    None,
    Ambix,
    AmbixStereo,
    Unsupported,  // marked, but played as ordinary sound; `spatialAudioProblem` says why
};

// "ambix" or "ambix+stereo" as the page and scripts name them; empty for the others.
std::string_view spatialAudioName(SpatialAudio audio);

struct [[nodiscard]] MovieInfo {
    std::optional<std::string> error;  // why the file could not be read; nothing else is then known
    bool stopped = false;              // the read was stopped on request (`error` says so)
    std::string container;             // "MP4", "QuickTime", "WebM", "Matroska", "Ogg" or the library's name
    bool hasVideo = false;
    std::string videoCodec;    // the library's short name: "h264", "hevc", "vp9", "av1", "prores" ...
    std::string videoProfile;  // "High", "Main 10" ...; empty when unknown
    // As a browser is asked whether it decodes the movie: "avc1.640028",
    // "hvc1.1.6.L93.B0", "vp09.00.40.08"; empty for codecs browsers never play.
    std::string codecString;
    int width = 0;
    int height = 0;
    double frameRate = 0;      // frames per second; 0 when unknown
    double duration = 0;       // seconds; 0 when unknown
    std::int64_t bitRate = 0;  // bits per second of the whole file; 0 when unknown
    std::string audioCodec;    // short name; empty when the movie has no sound
    SpatialAudio spatialAudio = SpatialAudio::None;
    // What in the mark is not supported: "order 2", "FuMa channel ordering",
    // "N3D normalisation", "5 channels"; empty unless Unsupported.
    std::string spatialAudioProblem;
    // Where the container keeps the index of its frames. Known for MP4 and
    // QuickTime, where an index at the end makes a browser fetch the whole
    // file before the first frame.
    std::optional<bool> indexAtFront;
    // Seconds into the movie where its data ends, for a file cut short (an
    // interrupted download or copy) whose index places packets past its end;
    // nothing when the data is all there or the container cannot tell.
    std::optional<double> dataEnds;
    std::string spherical;  // the projection the file is marked with ("equirectangular"); empty when none
    MovieFormat format;     // from the stereo and projection marks; mono 360 when unmarked
};

// How a codec is named to a person ("H.264", "HEVC", "AAC"): one table, with
// whether the common browsers play it.
std::string codecDisplayName(std::string_view codec);
bool browsersPlay(std::string_view videoCodec);

// "ambisonic sound", "ambisonic sound with head-locked stereo", or what is
// not supported in it; empty when the movie has none.
std::string spatialAudioText(const MovieInfo& info);

// "0:20", "1:02:05"
std::string durationText(double seconds);

// "25.3 Mbit/s", "850 kbit/s"
std::string bitRateText(std::int64_t bitsPerSecond);

// "0:06 of 0:10" for a movie cut short: where its data ends, and of how long.
std::string dataEndsText(const MovieInfo& info);

// One line: "MP4, H.264 High (avc1.640033) 3840x1920, 29.97 fps, 0:20, 25.3 Mbit/s,
// AAC, ambisonic sound, index at the front, equirectangular", then the format when it is not
// mono 360 ("top-bottom stereo, 180 degrees"); after the index, "cut short:
// data ends at 0:06 of 0:10" for a movie that is. A movie that cannot be read
// gives the reason.
std::string movieSummary(const MovieInfo& info);

// One JSON object with every field, numbers locale-independent, the file's path
// and the summary line included.
std::string movieJson(const std::filesystem::path& file, const MovieInfo& info);
// `value` as a JSON string, quoted and escaped.
std::string jsonString(std::string_view value);

}  // namespace tessaly::movies
