#include "media/CodecString.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
}

namespace tessaly::media {
namespace {

std::string hex(std::uint64_t value, int digits, bool upper = false) {
    const char* const digitsOf = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = digitsOf[value & 15];
    return out;
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::span<const std::uint8_t> extradata(const AVCodecParameters& video) {
    if (video.extradata == nullptr || video.extradata_size <= 0) return {};
    return {video.extradata, static_cast<std::size_t>(video.extradata_size)};
}

// avc1.PPCCLL: profile, constraint flags and level, as the decoder configuration
// record holds them; without one, from the parameters (no constraint flags).
std::string avc(const AVCodecParameters& video) {
    const auto record = extradata(video);
    if (record.size() >= 4 && record[0] == 1)
        return "avc1." + hex(record[1], 2) + hex(record[2], 2) + hex(record[3], 2);
    if (video.profile <= 0 || video.level <= 0) return "avc1";
    const int constraints = (video.profile & FF_PROFILE_H264_CONSTRAINED) != 0 ? 0x40 : 0;
    return "avc1." + hex(static_cast<unsigned>(video.profile & 0xFF), 2) +
           hex(static_cast<unsigned>(constraints), 2) + hex(static_cast<unsigned>(video.level), 2);
}

// hvc1.[A-C]P.FLAGS.{L|H}LEVEL.C1.C2...: the sample entry's own name (hvc1 or
// hev1), then the configuration record's profile space and profile, its
// compatibility flags bit-reversed, tier and level, and the constraint bytes
// without trailing zeros.
std::string hevc(const AVCodecParameters& video) {
    const std::string entry = video.codec_tag == MKTAG('h', 'e', 'v', '1') ? "hev1" : "hvc1";
    const auto record = extradata(video);
    if (record.size() < 13 || record[0] != 1) {
        if (video.profile <= 0 || video.level <= 0) return entry;
        return entry + "." + std::to_string(video.profile) + ".0.L" + std::to_string(video.level);
    }
    static constexpr std::array<const char*, 4> kSpaces = {"", "A", "B", "C"};
    std::string out = entry + "." + kSpaces[record[1] >> 6] + std::to_string(record[1] & 0x1F) + ".";
    std::uint32_t flags = 0, reversed = 0;
    for (int i = 2; i < 6; ++i) flags = (flags << 8) | record[static_cast<std::size_t>(i)];
    for (int bit = 0; bit < 32; ++bit, flags >>= 1) reversed = (reversed << 1) | (flags & 1);
    std::string compatibility = hex(reversed, 8, true);
    compatibility.erase(0, std::min(compatibility.find_first_not_of('0'), compatibility.size() - 1));
    out += compatibility + "." + ((record[1] & 0x20) != 0 ? "H" : "L") + std::to_string(record[12]);
    std::size_t last = 11;
    while (last > 6 && record[last] == 0) --last;
    for (std::size_t i = 6; i <= last; ++i) out += "." + hex(record[i], 2, true);
    return out;
}

// The lowest level whose picture size and sample rate the movie stays within.
int vp9Level(int width, int height, double frameRate) {
    struct Level {
        int level;
        double pictureSize;
        double sampleRate;
    };
    static constexpr Level kLevels[] = {
        {10, 36864, 829440},        {11, 73728, 2764800},       {20, 122880, 4608000},
        {21, 245760, 9216000},      {30, 552960, 20736000},     {31, 983040, 36864000},
        {40, 2228224, 83558400},    {41, 2228224, 160432128},   {50, 8912896, 311951360},
        {51, 8912896, 588251136},   {52, 8912896, 1176502272},  {60, 35651584, 1176502272},
        {61, 35651584, 2353004544}, {62, 35651584, 4706009088},
    };
    const double size = static_cast<double>(width) * height;
    for (const Level& level : kLevels) {
        if (size <= level.pictureSize && size * frameRate <= level.sampleRate) return level.level;
    }
    return 62;
}

// vp09.PP.LL.DD: profile, level and bit depth; MP4 and WebM rarely say the
// level, so it follows from the frame size and rate.
std::string vp9(const AVCodecParameters& video, double frameRate) {
    const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(video.format));
    const int depth = format != nullptr ? format->comp[0].depth : 8;
    int profile = video.profile;
    if (profile < 0) {
        const bool subsampled =
            format == nullptr || (format->log2_chroma_w == 1 && format->log2_chroma_h == 1);
        profile = (subsampled ? 0 : 1) + (depth > 8 ? 2 : 0);
    }
    const int level = video.level > 0 ? video.level : vp9Level(video.width, video.height, frameRate);
    return "vp09." + twoDigits(profile) + "." + twoDigits(level) + "." + twoDigits(depth);
}

// av01.P.LLT.DD: from the configuration record's profile, level, tier and bit depth.
std::string av1(const AVCodecParameters& video) {
    const auto record = extradata(video);
    if (record.size() < 4 || (record[0] & 0x7F) != 1) return "av01";
    const int depth = (record[2] & 0x40) == 0 ? 8 : (record[2] & 0x20) != 0 ? 12 : 10;
    return "av01." + std::to_string(record[1] >> 5) + "." + twoDigits(record[1] & 0x1F) +
           ((record[2] & 0x80) != 0 ? "H" : "M") + "." + twoDigits(depth);
}

}  // namespace

std::string codecString(const AVCodecParameters& video, double frameRate) {
    switch (video.codec_id) {
        case AV_CODEC_ID_H264:
            return avc(video);
        case AV_CODEC_ID_HEVC:
            return hevc(video);
        case AV_CODEC_ID_VP9:
            return vp9(video, frameRate);
        case AV_CODEC_ID_AV1:
            return av1(video);
        case AV_CODEC_ID_VP8:
            return "vp8";
        case AV_CODEC_ID_THEORA:
            return "theora";
        default:
            return {};
    }
}

}  // namespace tessaly::media
