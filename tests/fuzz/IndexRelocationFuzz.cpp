// A movie as a camera or a damaged download might hand it over: any bytes,
// given to the relocation that moves the index in front of the media data.
// Whatever it relocates must hold the movie's own packets, as the libraries
// read them from the movie itself: the copy a page publishes is the movie.

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
#include "media/IndexRelocation.h"

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

struct Reading {
    std::string_view bytes;
    std::size_t at = 0;
};

int readPart(void* opaque, std::uint8_t* buffer, int size) {
    auto& r = *static_cast<Reading*>(opaque);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), r.bytes.size() - r.at);
    if (n == 0) return AVERROR_EOF;
    std::memcpy(buffer, r.bytes.data() + r.at, n);
    r.at += n;
    return static_cast<int>(n);
}

std::int64_t seekTo(void* opaque, std::int64_t offset, int whence) {
    auto& r = *static_cast<Reading*>(opaque);
    const auto size = static_cast<std::int64_t>(r.bytes.size());
    if (whence == AVSEEK_SIZE) return size;
    const std::int64_t base = (whence & 3) == SEEK_CUR   ? static_cast<std::int64_t>(r.at)
                              : (whence & 3) == SEEK_END ? size
                                                         : 0;
    if (base + offset < 0 || base + offset > size) return -1;
    r.at = static_cast<std::size_t>(base + offset);
    return base + offset;
}

// The packets the libraries read from `movie`, at most a few thousand; nothing
// when they cannot open it.
std::optional<std::vector<Packet>> packetsOf(std::string_view movie) {
    Reading reading{movie};
    constexpr int kBuffer = 4096;
    auto* buffer = static_cast<std::uint8_t*>(av_malloc(kBuffer));
    AVIOContext* io = avio_alloc_context(buffer, kBuffer, 0, &reading, readPart, nullptr, seekTo);
    AVFormatContext* context = avformat_alloc_context();
    context->pb = io;
    std::optional<std::vector<Packet>> packets;
    if (avformat_open_input(&context, nullptr, av_find_input_format("mov"), nullptr) == 0) {
        packets.emplace();
        AVPacket* packet = av_packet_alloc();
        while (packets->size() < 4000 && av_read_frame(context, packet) >= 0) {
            packets->push_back({packet->stream_index, packet->pts, packet->dts, packet->flags,
                                std::string(reinterpret_cast<const char*>(packet->data),
                                            static_cast<std::size_t>(packet->size))});
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
        avformat_close_input(&context);
    } else {
        avformat_free_context(context);
    }
    av_freep(&io->buffer);
    avio_context_free(&io);
    return packets;
}

std::string contentOf(int fd) {
    std::string bytes;
    char part[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, part, sizeof part, at);
        if (n < 0) std::abort();
        if (n == 0) return bytes;
        bytes.append(part, static_cast<std::size_t>(n));
        at += n;
    }
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile in("movie.mp4"), out("copy.mp4");
    in.hold(data, size);
    out.clear();
    const std::optional<movies::WriteOutcome> outcome =
        media::relocateIndexFirst(in.path(), in.fd(), size, out.fd(), out.path(), {}, nullptr);
    if (!outcome || outcome->error || outcome->stopped) return 0;  // left to the libraries, or refused

    const std::string_view movie(reinterpret_cast<const char*>(data), size);
    const auto before = packetsOf(movie);
    const std::string copy = contentOf(out.fd());
    const auto after = packetsOf(copy);
    if (before != after) {
        tellDifference(before, after);
        std::abort();
    }
    return 0;
}
