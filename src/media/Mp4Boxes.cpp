#include "media/Mp4Boxes.h"

#include <algorithm>
#include <limits>

namespace tessaly::media {
namespace {

// The boxes that lead from the index to a track's chunk tables.
bool onTheWay(std::string_view parent, std::string_view type) {
    return (parent == "moov" && type == "trak") || (parent == "trak" && type == "mdia") ||
           (parent == "mdia" && type == "minf") || (parent == "minf" && type == "stbl");
}

// Lowers `lowest` to the chunk offsets found in `payload`, the boxes inside
// `parent`; false when one does not fit. Four levels at most.
bool lowerToChunks(std::string_view parent, std::string_view payload, std::uint64_t& lowest) {
    // Old QuickTime writers may end a list with a few zero bytes.
    while (payload.size() >= 8) {
        const std::optional<BoxHeader> header = parseHeader(payload, payload.size(), false);
        if (!header) return false;
        const std::string_view body = payload.substr(header->headerSize, header->size - header->headerSize);
        payload.remove_prefix(header->size);
        if (onTheWay(parent, header->type)) {
            if (!lowerToChunks(header->type, body, lowest)) return false;
        } else if (parent == "stbl" && (header->type == "stco" || header->type == "co64")) {
            const std::size_t width = header->type == "co64" ? 8 : 4;
            if (body.size() < 8) return false;
            const std::uint64_t count = bigEndian(body, 4, 4);
            if ((body.size() - 8) / width < count) return false;
            for (std::uint64_t i = 0; i < count; ++i)
                lowest = std::min(lowest, bigEndian(body, static_cast<std::size_t>(8 + i * width), width));
        }
    }
    return true;
}

}  // namespace

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void putBigEndian(std::string& out, std::uint64_t value, std::size_t count) {
    for (std::size_t i = count; i-- > 0;) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

std::optional<BoxHeader> parseHeader(std::string_view head, std::uint64_t room, bool zeroMeansRest) {
    if (head.size() < 8 || room < 8) return std::nullopt;
    BoxHeader header;
    header.type = std::string(head.substr(4, 4));
    header.size = bigEndian(head, 0, 4);
    if (header.size == 1) {
        if (head.size() < 16 || room < 16) return std::nullopt;
        header.size = bigEndian(head, 8, 8);
        header.headerSize = 16;
    } else if (header.size == 0) {
        if (!zeroMeansRest) return std::nullopt;
        header.size = room;
    }
    if (header.size < header.headerSize || header.size > room) return std::nullopt;
    return header;
}

std::string_view pathChild(std::string_view parent) {
    if (parent == "moov") return "trak";
    if (parent == "trak") return "mdia";
    if (parent == "mdia") return "minf";
    if (parent == "minf") return "stbl";
    return {};
}

std::optional<std::uint64_t> lowestChunkOffset(std::string_view moov) {
    const std::optional<BoxHeader> header = parseHeader(moov, moov.size(), true);
    if (!header || header->type != "moov") return std::nullopt;
    std::uint64_t lowest = std::numeric_limits<std::uint64_t>::max();
    if (!lowerToChunks("moov", moov.substr(header->headerSize, header->size - header->headerSize), lowest))
        return std::nullopt;
    return lowest;
}

}  // namespace tessaly::media
