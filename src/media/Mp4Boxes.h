#pragma once

// The boxes an MP4 or QuickTime file is made of: their headers and the
// big-endian numbers in them, for the index relocation and for finding where
// the index lies.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::media {

// An index for hours of movie is a few MiB; no reason to hold more in memory.
inline constexpr std::uint64_t kMaxIndexBytes = 256u << 20;

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count);
void putBigEndian(std::string& out, std::uint64_t value, std::size_t count);

struct BoxHeader {
    std::string type;
    std::uint64_t size = 0;  // the whole box
    std::size_t headerSize = 8;
};

// The header at the start of `head` for a box that must end within `room`
// bytes; nothing when it does not. Size 0 ("to the end") only where `room` is
// the rest of the file.
std::optional<BoxHeader> parseHeader(std::string_view head, std::uint64_t room, bool zeroMeansRest);

// The box inside `parent` on the way to a track's sample tables (moov, trak,
// mdia, minf, stbl); nothing below stbl.
std::string_view pathChild(std::string_view parent);

// The lowest chunk offset (stco, co64) of any track in the index box `moov`
// (whole, header included; size 0 reaching to its end): the largest number
// when it has no chunks, nothing when a box on the way to the tables does not
// fit its parent or a table does not fit its box.
std::optional<std::uint64_t> lowestChunkOffset(std::string_view moov);

}  // namespace tessaly::media
