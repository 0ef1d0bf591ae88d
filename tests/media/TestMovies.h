#pragma once

// Short movies made by ffmpeg at test time, each once per test process, and a
// look at their packets through FFmpeg's libraries.

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tessaly::test_support {

// The movie made by the recipe of this name ("good.mp4", "late.mp4", "hevc.mp4",
// "wide.mp4", "heavy.mp4", "square.mp4", "sound.m4a", "good.webm", "timecode.mov",
// "fragmented.mp4", "keys.mp4" with a key frame every 10 frames, "quad.mp4" and
// "quad.mov" with four channels of sound); empty when
// ffmpeg cannot make it.
std::filesystem::path testMovie(const std::string& name);

// Runs ffmpeg with these arguments (after -y -loglevel error); true when it succeeded.
bool runFfmpeg(const std::string& arguments);

struct PacketInfo {
    int streamType = 0;  // AVMediaType
    std::size_t size = 0;
    std::size_t hash = 0;  // of the bytes
    std::int64_t ptsMinusDts = 0;
    std::int64_t duration = 0;
    int flags = 0;
    bool operator==(const PacketInfo&) const = default;
};
// How a failing comparison shows a packet.
void PrintTo(const PacketInfo& packet, std::ostream* out);

// Every packet of every video, sound and data stream, in stream order (streams
// by type, then file order), timings in microseconds.
std::vector<PacketInfo> packetsOf(const std::filesystem::path& movie);

// The marks a camera writes: stereo (an AVStereo3DType, or -1 for none) and the
// equirectangular picture's crop from either side (0.32 fixed point).
struct SphereMarks {
    int stereoType = -1;
    std::uint32_t boundLeft = 0;
    std::uint32_t boundRight = 0;
};
// A copy of `movie` (MP4 or Matroska by the copy's name) with these marks,
// made with the libraries.
bool markSphere(const std::filesystem::path& movie, const std::filesystem::path& marked,
                const SphereMarks& marks);

// A copy of `movie` with a camera's telemetry track added (a data track the
// libraries' remux cannot keep), its index at the end, made with the libraries.
bool addTelemetry(const std::filesystem::path& movie, const std::filesystem::path& copy);

// A copy of `movie` (ffmpeg's fragmented.mp4) with its first fragment's index
// repeated `fragments` times, each with no data: a header that takes the
// libraries seconds to read.
bool manyFragments(const std::filesystem::path& movie, std::size_t fragments,
                   const std::filesystem::path& copy);

// A copy of `movie` (its index in front: ftyp, moov, free, mdat) laid out as
// ftyp, mdat, moov, mdat, which ffmpeg never writes: `share` of its chunks
// (in file order, at least one on either side) before the index, the rest
// after it, every chunk offset moved to match.
bool splitData(const std::filesystem::path& movie, double share, const std::filesystem::path& copy);

// A copy of `movie` (MP4 or QuickTime) whose first sound track is marked as
// first-order ambisonic sound of `channels` channels.
bool markAmbisonic(const std::filesystem::path& movie, const std::filesystem::path& copy,
                   std::size_t channels = 4);

}  // namespace tessaly::test_support
