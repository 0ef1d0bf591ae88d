#include "core/movies/MovieInfo.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/movies/MovieTexts.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::movies {
namespace {

struct Codec {
    std::string_view name;     // the movie library's short name
    std::string_view display;  // as a person reads it
    bool browsersPlay;         // video codecs the common desktop and phone browsers decode
};

constexpr std::array kCodecs{
    Codec{"h264", "H.264", true},    Codec{"vp8", "VP8", true},        Codec{"vp9", "VP9", true},
    Codec{"av1", "AV1", true},       Codec{"hevc", "HEVC", false},     Codec{"prores", "ProRes", false},
    Codec{"mpeg4", "MPEG-4", false}, Codec{"theora", "Theora", false}, Codec{"aac", "AAC", false},
    Codec{"opus", "Opus", false},    Codec{"vorbis", "Vorbis", false}, Codec{"mp3", "MP3", false},
    Codec{"ac3", "AC-3", false},     Codec{"pcm_s16le", "PCM", false}, Codec{"pcm_s24le", "PCM", false},
};

const Codec* findCodec(std::string_view name) {
    for (const Codec& codec : kCodecs) {
        if (codec.name == name) return &codec;
    }
    return nullptr;
}

std::string rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return text::formatPlain(std::nearbyint(value * scale) / scale);
}

std::string leadingZero(std::string number) { return number.starts_with('.') ? "0" + number : number; }

}  // namespace

std::string_view spatialAudioName(SpatialAudio audio) {
    switch (audio) {
        case SpatialAudio::Ambix:
            return "ambix";
        case SpatialAudio::AmbixStereo:
            return "ambix+stereo";
        case SpatialAudio::None:
        case SpatialAudio::Unsupported:
            break;
    }
    return {};
}

std::string spatialAudioText(const MovieInfo& info) {
    switch (info.spatialAudio) {
        case SpatialAudio::Ambix:
            return std::string(texts::kAmbisonic);
        case SpatialAudio::AmbixStereo:
            return std::string(texts::kAmbisonicStereo);
        case SpatialAudio::Unsupported:
            return std::string(texts::kAmbisonicUnsupportedPrefix) + info.spatialAudioProblem +
                   std::string(texts::kAmbisonicUnsupportedSuffix);
        case SpatialAudio::None:
            break;
    }
    return {};
}

std::string durationText(double seconds) {
    const auto whole = static_cast<long long>(std::nearbyint(seconds));
    const long long h = whole / 3600, m = whole / 60 % 60, s = whole % 60;
    const auto two = [](long long n) { return (n < 10 ? "0" : "") + text::formatInteger(n); };
    if (h > 0) return text::formatInteger(h) + ":" + two(m) + ":" + two(s);
    return text::formatInteger(m) + ":" + two(s);
}

std::string bitRateText(std::int64_t bitsPerSecond) {
    if (bitsPerSecond >= 1000000)
        return leadingZero(rounded(static_cast<double>(bitsPerSecond) / 1e6, 1)) + " Mbit/s";
    return text::formatInteger(std::llround(static_cast<double>(bitsPerSecond) / 1e3)) + " kbit/s";
}

std::string jsonString(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += text::lowerAscii(text::hexDigit(byte >> 4));
            out += text::lowerAscii(text::hexDigit(byte));
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

std::string jsonNumber(double value) { return leadingZero(text::formatPlain(value)); }

std::string jsonOptional(std::string_view value) { return value.empty() ? "null" : jsonString(value); }

}  // namespace

std::string codecDisplayName(std::string_view codec) {
    if (const Codec* known = findCodec(codec)) return std::string(known->display);
    return text::toUpperAscii(codec);
}

bool browsersPlay(std::string_view videoCodec) {
    const Codec* known = findCodec(videoCodec);
    return known != nullptr && known->browsersPlay;
}

std::string dataEndsText(const MovieInfo& info) {
    const std::string ends = durationText(info.dataEnds.value_or(0));
    return info.duration > 0 ? ends + " of " + durationText(info.duration) : ends;
}

std::string movieSummary(const MovieInfo& info) {
    if (info.error) return *info.error;
    std::vector<std::string> parts;
    if (!info.container.empty()) parts.push_back(info.container);
    if (info.hasVideo) {
        std::string video = codecDisplayName(info.videoCodec);
        if (!info.videoProfile.empty()) video += " " + info.videoProfile;
        if (!info.codecString.empty()) video += " (" + info.codecString + ")";
        video += " " + text::formatInteger(info.width) + "x" + text::formatInteger(info.height);
        parts.push_back(video);
        if (info.frameRate > 0) parts.push_back(rounded(info.frameRate, 2) + " fps");
    } else {
        parts.emplace_back("no video");
    }
    if (info.duration > 0) parts.push_back(durationText(info.duration));
    if (info.bitRate > 0) parts.push_back(bitRateText(info.bitRate));
    parts.push_back(info.audioCodec.empty() ? "no sound" : codecDisplayName(info.audioCodec));
    if (info.spatialAudio != SpatialAudio::None) parts.push_back(spatialAudioText(info));
    if (info.indexAtFront) parts.emplace_back(*info.indexAtFront ? "index at the front" : "index at the end");
    if (info.dataEnds) parts.push_back("cut short: data ends at " + dataEndsText(info));
    if (!info.spherical.empty()) parts.push_back(info.spherical);
    if (info.format.layout != StereoLayout::Mono)
        parts.push_back(std::string(layoutName(info.format.layout)) + " stereo");
    if (info.format.field != kFullField) parts.push_back(text::formatInteger(info.format.field) + " degrees");

    std::string line;
    for (const std::string& part : parts) line += (line.empty() ? "" : ", ") + part;
    return line;
}

std::string movieJson(const std::filesystem::path& file, const MovieInfo& info) {
    std::string json = "{\"file\":" + jsonString(file.string());
    if (info.error) return json + ",\"error\":" + jsonString(*info.error) + "}";
    json += ",\"container\":" + jsonOptional(info.container);
    if (info.hasVideo) {
        json += ",\"video\":{\"codec\":" + jsonString(info.videoCodec) +
                ",\"profile\":" + jsonOptional(info.videoProfile) +
                ",\"codecs\":" + jsonOptional(info.codecString) +
                ",\"width\":" + text::formatInteger(info.width) +
                ",\"height\":" + text::formatInteger(info.height) +
                ",\"frameRate\":" + jsonNumber(info.frameRate) + "}";
    } else {
        json += ",\"video\":null";
    }
    json += ",\"duration\":" + jsonNumber(info.duration);
    json += ",\"bitRate\":" + text::formatInteger(info.bitRate);
    json += ",\"audio\":" + jsonOptional(info.audioCodec);
    json += ",\"spatialAudio\":" + jsonOptional(spatialAudioName(info.spatialAudio));
    json += ",\"indexAtFront\":";
    json += info.indexAtFront ? (*info.indexAtFront ? "true" : "false") : "null";
    json += ",\"dataEnds\":" + (info.dataEnds ? jsonNumber(*info.dataEnds) : std::string("null"));
    json += ",\"spherical\":" + jsonOptional(info.spherical);
    json += ",\"stereo\":" + jsonString(layoutName(info.format.layout));
    json += ",\"field\":" + text::formatInteger(info.format.field);
    json += ",\"summary\":" + jsonString(movieSummary(info));
    return json + "}";
}

}  // namespace tessaly::movies
