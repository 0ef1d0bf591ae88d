#include "media/CopyCheck.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "media/AvIo.h"

namespace tessaly::media {
namespace {

// Why a copy is not published, after "Cannot move the index of MOVIE: ".
constexpr std::string_view kPacketOutside = "a packet reaches outside the movie's data";
constexpr std::string_view kUnreadableCopy = "the rewritten copy cannot be read back";
constexpr std::string_view kOtherStreams = "the rewritten copy has other streams than the movie";
constexpr std::string_view kOtherPackets = "the rewritten copy's packets differ from the movie's";

struct Opened {
    std::unique_ptr<FileReader> reader;
    InputPtr input;
};

// The container's header only: for MP4 and QuickTime that is the whole index.
// Its reading ends early once `stop` is set.
Opened openHeader(int fd, const std::atomic<bool>* stop = nullptr) {
    Opened opened;
    struct stat info {};
    if (::fstat(fd, &info) != 0) return opened;
    opened.reader = std::make_unique<FileReader>(fd, static_cast<std::uint64_t>(info.st_size));
    if (opened.reader->io() == nullptr) return opened;
    opened.reader->stopWhen(stop);
    quietLibraries();
    AVFormatContext* raw = avformat_alloc_context();
    if (raw == nullptr) return opened;
    raw->pb = opened.reader->io();
    if (avformat_open_input(&raw, nullptr, nullptr, nullptr) < 0) return opened;
    // Packets as the index gives them: a parser would mark key frames by their
    // pictures instead, and a copy whose index marks others would pass.
    if (isMovFamily(raw->iformat)) raw->flags |= AVFMT_FLAG_NOPARSE | AVFMT_FLAG_NOFILLIN;
    opened.input.reset(raw);
    return opened;
}

bool sameStreams(const AVFormatContext& a, const AVFormatContext& b) {
    if (a.nb_streams != b.nb_streams) return false;
    for (unsigned i = 0; i < a.nb_streams; ++i) {
        const AVCodecParameters& x = *a.streams[i]->codecpar;
        const AVCodecParameters& y = *b.streams[i]->codecpar;
        if (x.codec_type != y.codec_type || x.codec_id != y.codec_id) return false;
    }
    return true;
}

struct Packet {
    int size = 0;
    bool key = false;
    std::int64_t dts = 0;  // microseconds from the stream's first packet
    std::int64_t ptsMinusDts = 0;
    std::int64_t duration = 0;
};

// Every packet, by stream; nothing when reading fails or `stop` is set.
std::optional<std::vector<std::vector<Packet>>> packetTables(AVFormatContext& input,
                                                             const std::atomic<bool>* stop) {
    std::vector<std::vector<Packet>> tables(input.nb_streams);
    std::vector<std::optional<std::int64_t>> firstDts(input.nb_streams);
    const PacketPtr packet(av_packet_alloc());
    if (!packet) return std::nullopt;
    while (true) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) return std::nullopt;
        const int error = av_read_frame(&input, packet.get());
        if (error == AVERROR_EOF) break;
        if (error < 0) return std::nullopt;
        const auto index = static_cast<std::size_t>(packet->stream_index);
        const AVRational base = input.streams[index]->time_base;
        const auto us = [&](std::int64_t value) {
            return av_rescale_q(value, base, AVRational{1, AV_TIME_BASE});
        };
        const std::int64_t dts = packet->dts == AV_NOPTS_VALUE ? 0 : packet->dts;
        if (!firstDts[index]) firstDts[index] = dts;
        tables[index].push_back(
            {packet->size, (packet->flags & AV_PKT_FLAG_KEY) != 0, us(dts - *firstDts[index]),
             packet->pts == AV_NOPTS_VALUE ? 0 : us(packet->pts - dts), us(packet->duration)});
        av_packet_unref(packet.get());
    }
    return tables;
}

// Two timings in microseconds, each rounded from its own time base.
bool sameTime(std::int64_t a, std::int64_t b) { return std::llabs(a - b) <= 1; }

}  // namespace

std::optional<std::string> relocatedCopyDiffers(int movie, int copy, std::uint64_t shift,
                                                std::span<const ByteSpan> mediaData) {
    const auto inside = [&](const AVIndexEntry& entry) {
        if (entry.pos < 0 || entry.size < 0) return false;
        const auto begin = static_cast<std::uint64_t>(entry.pos);
        const auto size = static_cast<std::uint64_t>(entry.size);
        return std::any_of(mediaData.begin(), mediaData.end(), [&](const ByteSpan& span) {
            return begin >= span.begin && begin <= span.end && size <= span.end - begin;
        });
    };
    const Opened source = openHeader(movie);
    const Opened copied = openHeader(copy);
    if (!source.input || !copied.input) return std::string(kUnreadableCopy);
    if (!sameStreams(*source.input, *copied.input)) return std::string(kOtherStreams);
    for (unsigned s = 0; s < source.input->nb_streams; ++s) {
        AVStream* a = source.input->streams[s];
        AVStream* b = copied.input->streams[s];
        const int count = avformat_index_get_entries_count(a);
        if (count != avformat_index_get_entries_count(b)) return std::string(kOtherPackets);
        for (int i = 0; i < count; ++i) {
            const AVIndexEntry* x = avformat_index_get_entry(a, i);
            const AVIndexEntry* y = avformat_index_get_entry(b, i);
            if (x != nullptr && !inside(*x)) return std::string(kPacketOutside);
            if (x == nullptr || y == nullptr || x->size != y->size || x->timestamp != y->timestamp ||
                x->flags != y->flags ||
                static_cast<std::uint64_t>(y->pos) != static_cast<std::uint64_t>(x->pos) + shift)
                return std::string(kOtherPackets);
        }
    }
    return std::nullopt;
}

std::optional<std::string> remuxedCopyDiffers(int movie, int copy, const std::atomic<bool>* stop) {
    const Opened source = openHeader(movie, stop);
    const Opened copied = openHeader(copy, stop);
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return std::nullopt;
    if (!source.input || !copied.input) return std::string(kUnreadableCopy);
    if (!sameStreams(*source.input, *copied.input)) return std::string(kOtherStreams);
    const auto a = packetTables(*source.input, stop);
    const auto b = packetTables(*copied.input, stop);
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return std::nullopt;
    if (!a || !b) return std::string(kUnreadableCopy);
    for (std::size_t s = 0; s < a->size(); ++s) {
        const std::vector<Packet>& x = (*a)[s];
        const std::vector<Packet>& y = (*b)[s];
        if (x.size() != y.size()) return std::string(kOtherPackets);
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i].size != y[i].size || x[i].key != y[i].key || !sameTime(x[i].dts, y[i].dts) ||
                !sameTime(x[i].ptsMinusDts, y[i].ptsMinusDts) || !sameTime(x[i].duration, y[i].duration))
                return std::string(kOtherPackets);
        }
    }
    return std::nullopt;
}

}  // namespace tessaly::media
