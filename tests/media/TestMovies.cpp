#include "TestMovies.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <numeric>
#include <string_view>
#include <utility>

#include "../core/ScratchFolder.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AmbisonicBox.h"
#include "media/Mp4Boxes.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/spherical.h>
#include <libavutil/stereo3d.h>
}

namespace tessaly::test_support {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVideo = " -f lavfi -i testsrc=size=1024x512:rate=25";
constexpr std::string_view kSound = " -f lavfi -i sine=frequency=440:sample_rate=48000";
constexpr std::string_view kH264 = " -pix_fmt yuv420p -c:v libx264 -preset veryfast -profile:v high";
constexpr std::string_view kFront = " -movflags +faststart";

const std::map<std::string, std::string>& recipes() {
    static const std::map<std::string, std::string> table{
        {"good.mp4", std::string(kVideo) + std::string(kSound) + " -t 2" + std::string(kH264) + " -c:a aac" +
                         std::string(kFront)},
        {"late.mp4", std::string(kVideo) + std::string(kSound) + " -t 2" + std::string(kH264) + " -c:a aac"},
        {"hevc.mp4", std::string(kVideo) +
                         " -t 1 -pix_fmt yuv420p -c:v libx265 -preset ultrafast -tag:v hvc1"
                         " -x265-params log-level=error" +
                         std::string(kFront)},
        {"wide.mp4",
         " -f lavfi -i testsrc=size=5760x2880:rate=5 -t 0.4" + std::string(kH264) + std::string(kFront)},
        {"heavy.mp4", std::string(kVideo) + " -t 1" + std::string(kH264) +
                          " -b:v 55M -minrate 55M -maxrate 55M -bufsize 55M -x264-params nal-hrd=cbr" +
                          std::string(kFront)},
        {"square.mp4",
         " -f lavfi -i testsrc=size=640x480:rate=25 -t 1" + std::string(kH264) + std::string(kFront)},
        {"sound.m4a", std::string(kSound) + " -t 1 -c:a aac" + std::string(kFront)},
        {"good.webm", " -f lavfi -i testsrc=size=320x160:rate=25 -t 1 -c:v libvpx -b:v 500k"},
        // QuickTime, with a timecode track and its index at the end, as cameras write it.
        {"timecode.mov", std::string(kVideo) + " -t 1" + std::string(kH264) + " -timecode 01:00:00:00"},
        {"fragmented.mp4",
         std::string(kVideo) + " -t 1" + std::string(kH264) + " -movflags frag_keyframe+empty_moov"},
        // Four channels of sound with no mark, as AAC with the index in front
        // and as PCM with it at the end.
        {"quad.mp4", " -f lavfi -i testsrc=size=320x160:rate=25" + std::string(kSound) + " -t 1" +
                         std::string(kH264) + " -ac 4 -c:a aac" + std::string(kFront)},
        {"quad.mov", " -f lavfi -i testsrc=size=320x160:rate=25" + std::string(kSound) + " -t 1" +
                         std::string(kH264) + " -ac 4 -c:a pcm_s16le"},
        // No edit list: an index a frame shorter is otherwise the same.
        {"keys.mp4", " -f lavfi -i testsrc=size=320x160:rate=25" + std::string(kSound) + " -t 1" +
                         std::string(kH264) + " -g 10 -c:a aac -use_editlist 0" + std::string(kFront)},
    };
    return table;
}

const fs::path& movieFolder() {
    static const fs::path folder = scratchFolder("media", "movies");
    return folder;
}

}  // namespace

bool runFfmpeg(const std::string& arguments) {
    const std::string command = "ffmpeg -nostdin -y -loglevel error " + arguments + " </dev/null";
    return std::system(command.c_str()) == 0;
}

fs::path testMovie(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, fs::path> made;
    const std::lock_guard lock(mutex);
    if (const auto found = made.find(name); found != made.end()) return found->second;
    const fs::path movie = movieFolder() / name;
    if (!runFfmpeg(recipes().at(name) + " '" + movie.string() + "'") || !fs::exists(movie)) return {};
    made[name] = movie;
    return movie;
}

bool manyFragments(const fs::path& movie, std::size_t fragments, const fs::path& copy) {
    const std::string bytes = platform::readFile(movie).value();
    std::string head, fragment;
    // A short movie's top-level boxes have 32-bit sizes.
    for (std::size_t at = 0, size = 0; at + 8 <= bytes.size(); at += size) {
        size = 0;
        for (std::size_t i = 0; i < 4; ++i) size = size << 8 | static_cast<unsigned char>(bytes[at + i]);
        if (size < 8 || size > bytes.size() - at) return false;
        const std::string_view type(bytes.data() + at + 4, 4);
        if (type == "ftyp" || type == "moov") head.append(bytes, at, size);
        if (type == "moof" && fragment.empty()) fragment.assign(bytes, at, size).append("\0\0\0\x08mdat", 8);
    }
    if (head.empty() || fragment.empty()) return false;
    std::string all = head;
    all.reserve(head.size() + fragment.size() * fragments);
    for (std::size_t i = 0; i < fragments; ++i) all += fragment;
    return platform::writeFileAtomic(copy, all).ok();
}

bool splitData(const fs::path& movie, double share, const fs::path& copy) {
    const std::string bytes = platform::readFile(movie).value();
    const std::size_t moov = bytes.find("moov") - 4, size = media::bigEndian(bytes, moov, 4);
    std::string index = bytes.substr(moov, size);
    std::vector<std::size_t> entries;  // where each chunk offset lies in the index
    for (std::size_t at = index.find("stco"); at != std::string::npos; at = index.find("stco", at + 4))
        for (std::size_t i = 0; i < media::bigEndian(index, at + 8, 4); ++i)
            entries.push_back(at + 12 + i * 4);
    std::vector<std::uint64_t> offsets;
    for (const std::size_t entry : entries) offsets.push_back(media::bigEndian(index, entry, 4));
    std::sort(offsets.begin(), offsets.end());
    if (offsets.size() < 2 || bytes.compare(moov + size, 8, std::string("\0\0\0\x08", 4) + "free") != 0)
        return false;
    const std::uint64_t split = offsets[std::clamp<std::size_t>(
        static_cast<std::size_t>(share * static_cast<double>(offsets.size())), 1, offsets.size() - 1)];
    // Without the free box, the data after the index keeps its place.
    for (const std::size_t entry : entries) {
        if (const std::uint64_t offset = media::bigEndian(index, entry, 4); offset < split) {
            std::string moved;
            media::putBigEndian(moved, offset - size - 8, 4);
            index.replace(entry, 4, moved);
        }
    }
    const std::size_t data = moov + size + 16, before = split - data;
    std::string head;
    media::putBigEndian(head, before + 8, 4);
    std::string tail;
    media::putBigEndian(tail, bytes.size() - split + 8, 4);
    return platform::writeFileAtomic(copy, bytes.substr(0, moov) + head + "mdat" +
                                               bytes.substr(data, before) + index + tail + "mdat" +
                                               bytes.substr(split))
        .ok();
}

void PrintTo(const PacketInfo& packet, std::ostream* out) {
    *out << "{type " << packet.streamType << ", " << packet.size << " bytes, hash " << packet.hash
         << ", flags " << packet.flags << "}";
}

std::vector<PacketInfo> packetsOf(const fs::path& movie) {
    std::vector<PacketInfo> packets;
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, movie.c_str(), nullptr, nullptr) < 0) return packets;
    avformat_find_stream_info(context, nullptr);
    std::vector<std::vector<PacketInfo>> byStream(context->nb_streams);
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(context, packet) >= 0) {
        const AVStream* stream = context->streams[packet->stream_index];
        const AVMediaType type = stream->codecpar->codec_type;
        if (type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_DATA) {
            const AVRational micro{1, 1000000};
            PacketInfo info;
            info.streamType = type;
            info.size = static_cast<std::size_t>(packet->size);
            info.hash = std::hash<std::string_view>{}(std::string_view(
                reinterpret_cast<const char*>(packet->data), static_cast<std::size_t>(packet->size)));
            info.ptsMinusDts = av_rescale_q(packet->pts - packet->dts, stream->time_base, micro);
            info.duration = av_rescale_q(packet->duration, stream->time_base, micro);
            info.flags = packet->flags & AV_PKT_FLAG_KEY;
            byStream[static_cast<std::size_t>(packet->stream_index)].push_back(info);
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    // The streams by type, those of one type in the file's order.
    const auto typeOf = [&](std::size_t i) {
        return byStream[i].empty() ? 99 : byStream[i].front().streamType;
    };
    std::vector<std::size_t> order(byStream.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(typeOf(a), a) < std::pair(typeOf(b), b);
    });
    avformat_close_input(&context);
    for (const std::size_t i : order) packets.insert(packets.end(), byStream[i].begin(), byStream[i].end());
    return packets;
}

namespace {

bool addMarks(AVStream* stream, const SphereMarks& marks) {
    std::size_t size = 0;
    AVSphericalMapping* mapping = av_spherical_alloc(&size);
    mapping->projection = marks.boundLeft != 0 || marks.boundRight != 0 ? AV_SPHERICAL_EQUIRECTANGULAR_TILE
                                                                        : AV_SPHERICAL_EQUIRECTANGULAR;
    mapping->bound_left = marks.boundLeft;
    mapping->bound_right = marks.boundRight;
    bool ok = av_stream_add_side_data(stream, AV_PKT_DATA_SPHERICAL, reinterpret_cast<std::uint8_t*>(mapping),
                                      size) >= 0;
    if (ok && marks.stereoType >= 0) {
        AVStereo3D* stereo = av_stereo3d_alloc();
        stereo->type = static_cast<AVStereo3DType>(marks.stereoType);
        ok = av_stream_add_side_data(stream, AV_PKT_DATA_STEREO3D, reinterpret_cast<std::uint8_t*>(stereo),
                                     sizeof(AVStereo3D)) >= 0;
    }
    return ok;
}

// A copy of `movie` written by the libraries, its video marked as a panorama
// and/or with a telemetry track (a packet of made-up bytes every 200 ms, tagged
// as a camera's "gpmd") beside the other streams.
bool rewrite(const fs::path& movie, const fs::path& copy, const SphereMarks* marks, bool telemetry) {
    AVFormatContext* in = nullptr;
    if (avformat_open_input(&in, movie.c_str(), nullptr, nullptr) < 0) return false;
    avformat_find_stream_info(in, nullptr);
    AVFormatContext* out = nullptr;
    bool ok = avformat_alloc_output_context2(&out, nullptr, nullptr, copy.c_str()) >= 0;
    for (unsigned i = 0; ok && i < in->nb_streams; ++i) {
        AVStream* stream = avformat_new_stream(out, nullptr);
        ok = stream != nullptr && avcodec_parameters_copy(stream->codecpar, in->streams[i]->codecpar) >= 0;
        if (!ok) break;
        stream->codecpar->codec_tag = 0;
        stream->time_base = in->streams[i]->time_base;
        if (marks != nullptr && stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            ok = addMarks(stream, *marks);
    }
    const AVRational milliseconds{1, 1000};
    AVStream* data = telemetry && ok ? avformat_new_stream(out, nullptr) : nullptr;
    if (data != nullptr) {
        data->codecpar->codec_type = AVMEDIA_TYPE_DATA;
        data->codecpar->codec_id = AV_CODEC_ID_BIN_DATA;
        data->codecpar->codec_tag = MKTAG('g', 'p', 'm', 'd');
        data->time_base = milliseconds;
    }
    ok = ok && (!telemetry || data != nullptr) && avio_open(&out->pb, copy.c_str(), AVIO_FLAG_WRITE) >= 0;
    // Spherical marks are written only outside the strict standard.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "strict", "unofficial", 0);
    ok = ok && avformat_write_header(out, &options) >= 0;
    av_dict_free(&options);
    AVPacket* packet = av_packet_alloc();
    std::int64_t nextReading = 0;
    while (ok && av_read_frame(in, packet) >= 0) {
        const AVStream* stream = out->streams[packet->stream_index];
        av_packet_rescale_ts(packet, in->streams[packet->stream_index]->time_base, stream->time_base);
        const std::int64_t at = av_rescale_q(packet->dts, stream->time_base, milliseconds);
        ok = av_interleaved_write_frame(out, packet) >= 0;
        av_packet_unref(packet);
        if (ok && data != nullptr && at >= nextReading) {
            ok = av_new_packet(packet, 64) >= 0;
            if (!ok) break;
            std::fill_n(packet->data, 64, static_cast<std::uint8_t>(nextReading / 200));
            packet->pts = packet->dts = nextReading;
            packet->duration = 200;
            packet->stream_index = data->index;
            packet->flags = AV_PKT_FLAG_KEY;
            ok = av_interleaved_write_frame(out, packet) >= 0;
            av_packet_unref(packet);
            nextReading += 200;
        }
    }
    av_packet_free(&packet);
    if (ok) ok = av_write_trailer(out) >= 0;
    if (out != nullptr && out->pb != nullptr) avio_closep(&out->pb);
    avformat_free_context(out);
    avformat_close_input(&in);
    return ok;
}

}  // namespace

bool markSphere(const fs::path& movie, const fs::path& marked, const SphereMarks& marks) {
    return rewrite(movie, marked, &marks, false);
}

bool addTelemetry(const fs::path& movie, const fs::path& copy) { return rewrite(movie, copy, nullptr, true); }

bool markAmbisonic(const fs::path& movie, const fs::path& copy, std::size_t channels) {
    std::error_code error;
    if (!fs::copy_file(movie, copy, fs::copy_options::overwrite_existing, error)) return false;
    const platform::FileDescriptor fd(::open(copy.c_str(), O_RDWR | O_CLOEXEC));
    return fd.valid() && media::writeAmbisonicMark(fd.get(), media::AmbisonicMark::firstOrder(channels)) == 0;
}

}  // namespace tessaly::test_support
