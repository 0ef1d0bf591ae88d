// A movie as a camera or a damaged download might hand it over: any bytes,
// given to the look at where its index lies, to the ambisonic mark's reader
// and writer, and to the relocation that moves
// the index in front of the media data. Whatever it relocates must hold the
// movie's own packets, as the libraries read them from the movie itself (the
// copy a page publishes is the movie), with the index before every chunk.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "FuzzInput.h"
#include "media/AmbisonicBox.h"
#include "media/IndexRelocation.h"
#include "media/Mp4Boxes.h"

extern "C" {
#include <libavformat/avformat.h>
}

using namespace tessaly;

namespace {

struct Packet {
    int stream = 0;
    std::int64_t pts = 0, dts = 0;
    int flags = 0;
    std::string data;
    bool operator==(const Packet&) const = default;
};

// The packets the libraries read from the file at `path`, at most a few
// thousand, as the programs read movies; nothing when they cannot open it.
std::optional<std::vector<Packet>> packetsOf(const std::filesystem::path& path) {
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, path.c_str(), av_find_input_format("mov"), nullptr) != 0)
        return std::nullopt;
    std::vector<Packet> packets;
    AVPacket* packet = av_packet_alloc();
    while (packets.size() < 4000 && av_read_frame(context, packet) >= 0) {
        packets.push_back({packet->stream_index, packet->pts, packet->dts, packet->flags,
                           std::string(reinterpret_cast<const char*>(packet->data),
                                       static_cast<std::size_t>(packet->size))});
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&context);
    return packets;
}

// Says where the copy's packets part from the movie's, for whoever looks at a finding.
void tellDifference(const std::optional<std::vector<Packet>>& movie,
                    const std::optional<std::vector<Packet>>& copy) {
    if (!movie || !copy) {
        std::fprintf(stderr, "the libraries open %s\n", movie ? "only the movie" : "only the copy");
        return;
    }
    std::fprintf(stderr, "packets: %zu in the movie, %zu in the copy\n", movie->size(), copy->size());
    for (std::size_t i = 0; i < std::min(movie->size(), copy->size()); ++i) {
        const Packet &a = (*movie)[i], &b = (*copy)[i];
        if (a == b) continue;
        std::fprintf(stderr, "packet %zu: stream %d/%d, pts %lld/%lld, dts %lld/%lld, %zu/%zu bytes%s\n", i,
                     a.stream, b.stream, static_cast<long long>(a.pts), static_cast<long long>(b.pts),
                     static_cast<long long>(a.dts), static_cast<long long>(b.dts), a.data.size(),
                     b.data.size(), a.data == b.data ? "" : ", other bytes");
        return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    av_log_set_level(AV_LOG_QUIET);
    return 0;
}

const movies::ByteProgress kNoProgress;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile in("movie.mp4"), out("copy.mp4");
    in.hold(data, size);
    out.clear();
    (void)media::indexPlace(in.fd(), size);
    // The ambisonic mark: read, and written into whatever index takes it
    // without a chunk moving.
    (void)media::readAmbisonicMark(in.fd(), size);
    if (const auto index = media::findIndexBox(in.fd(), size)) {
        const std::string_view moov(reinterpret_cast<const char*>(data) + index->offset,
                                    static_cast<std::size_t>(index->size));
        const auto marked = media::withAmbisonicMark(moov, media::AmbisonicMark::firstOrder(4), 0);
        if (marked && media::lowestChunkOffset(*marked) != media::lowestChunkOffset(moov)) {
            std::fprintf(stderr, "writing the ambisonic mark moved a chunk\n");
            std::abort();
        }
    }
    const std::optional<Result<void>> outcome =
        media::relocateIndexFirst({in.path(), in.fd(), size, out.fd(), out.path(), kNoProgress, nullptr});
    if (!outcome || outcome->failed()) return 0;  // left to the libraries, or refused

    const auto before = packetsOf(in.path());
    const auto after = packetsOf(out.path());
    if (before != after) {
        tellDifference(before, after);
        std::abort();
    }
    const auto place =
        media::indexPlace(out.fd(), static_cast<std::uint64_t>(::lseek(out.fd(), 0, SEEK_END)));
    if (!place || (place->firstChunk && *place->firstChunk < place->end)) {
        std::fprintf(stderr, "the relocated copy's index does not lie before its data\n");
        std::abort();
    }
    return 0;
}
