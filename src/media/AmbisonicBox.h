#pragma once

// The mark cameras and spatial-media tools put on ambisonic sound in MP4 and
// QuickTime files: an SA3D box among the children of the sound track's sample
// entry (moov, trak, mdia, minf, stbl, stsd, then mp4a, lpcm, sowt, Opus ...).
// The libraries read none of it, so it is read and written here, every size
// checked against its parent.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/movies/MovieInfo.h"

namespace tessaly::media {

struct AmbisonicMark {
    std::uint8_t version = 0;
    std::uint8_t type = 0;  // 0: periphonic
    std::uint32_t order = 1;
    std::uint8_t channelOrdering = 0;  // 0: ACN, 1: FuMa
    std::uint8_t normalization = 0;    // 0: SN3D, 1: N3D
    std::vector<std::uint32_t> channelMap;

    // First order in ACN and SN3D, with the channels in their own order.
    static AmbisonicMark firstOrder(std::size_t channels);
};

// The mark in the payload of an SA3D box (what follows its header); nothing
// when its channel count does not match its size.
std::optional<AmbisonicMark> parseAmbisonicMark(std::string_view payload);

// A whole SA3D box holding `mark`.
std::string ambisonicBox(const AmbisonicMark& mark);

// What the first sound track of the index box `moov` (whole, header included)
// is marked with: nothing when it has no mark or the boxes on the way do not
// fit their parents; a mark that does not fit its box reads as `damaged`.
struct FoundMark {
    std::optional<AmbisonicMark> mark;
    bool damaged = false;
};
FoundMark findAmbisonicMark(std::string_view moov);

// What a mark means for the page, given the sound track's channel count as the
// libraries decode it (0 when unknown); `problem` is set for an Unsupported one.
movies::SpatialAudio classifyAmbisonicMark(const FoundMark& found, int channels, std::string& problem);

// The index box `moov` with `mark` in its first sound track's sample entry (in
// place of any mark there) and every chunk offset of every track moved by
// `chunkShift`: the growth of the index when it lies in front of the data, 0
// when behind it (negative when it shrinks). Nothing when it has no sound track, a box on the way does
// not fit its parent, or a moved offset would not fit its table.
std::optional<std::string> withAmbisonicMark(std::string_view moov, const AmbisonicMark& mark,
                                             std::int64_t chunkShift);

// Where the index box lies among the boxes at the top of a file.
struct IndexBox {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    bool dataBefore = false;  // a media-data box lies in front of it
    bool dataAfter = false;   // one lies behind it
};
// Reads the top boxes of the file open as `fd` (`size` bytes); nothing when they
// do not fit the file, there is no index, or it is larger than kMaxIndexBytes.
std::optional<IndexBox> findIndexBox(int fd, std::uint64_t size);

// The mark on the first sound track of the MP4 or QuickTime file open as `fd`
// (`size` bytes), read from its index.
FoundMark readAmbisonicMark(int fd, std::uint64_t size);

// The mark written into the MP4 file open for reading and writing as `fd`: its
// index grows, and the data after it moves along when it lies in front of
// the data. 0, or the errno of a failed read or write (EINVAL: a layout the
// mark cannot be written into).
int writeAmbisonicMark(int fd, const AmbisonicMark& mark);

}  // namespace tessaly::media
