#include "media/Mp4Boxes.h"

namespace tessaly::media {

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

}  // namespace tessaly::media
