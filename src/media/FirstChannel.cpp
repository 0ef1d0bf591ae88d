#include "media/FirstChannel.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AvIo.h"
#include "media/Mp4Boxes.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWaveHeader = 44;
constexpr std::size_t kFlushSamples = 1 << 16;
// A RIFF file counts its bytes in 32 bits.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFu - kWaveHeader;

struct CodecDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

std::int16_t fromFloat(double value) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(value, -1.0, 1.0) * 32767.0));
}

// The first channel's samples of a decoded frame, as 16-bit numbers.
void appendFirstChannel(const AVFrame& frame, std::vector<std::int16_t>& out) {
    const auto format = static_cast<AVSampleFormat>(frame.format);
    const int stride = av_sample_fmt_is_planar(format) ? 1 : std::max(frame.ch_layout.nb_channels, 1);
    const std::uint8_t* data = frame.extended_data[0];
    for (int i = 0; i < frame.nb_samples; ++i) {
        const int at = i * stride;
        switch (av_get_packed_sample_fmt(format)) {
            case AV_SAMPLE_FMT_U8:
                out.push_back(static_cast<std::int16_t>((data[at] - 128) << 8));
                break;
            case AV_SAMPLE_FMT_S16:
                out.push_back(reinterpret_cast<const std::int16_t*>(data)[at]);
                break;
            case AV_SAMPLE_FMT_S32:
                out.push_back(
                    static_cast<std::int16_t>(reinterpret_cast<const std::int32_t*>(data)[at] >> 16));
                break;
            case AV_SAMPLE_FMT_FLT:
                out.push_back(fromFloat(reinterpret_cast<const float*>(data)[at]));
                break;
            case AV_SAMPLE_FMT_DBL:
                out.push_back(fromFloat(reinterpret_cast<const double*>(data)[at]));
                break;
            default:
                return;
        }
    }
}

std::string waveHeader(int rate, std::uint64_t dataBytes) {
    std::string header = "RIFF";
    const auto little = [&header](std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) header.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    };
    little(36 + dataBytes, 4);
    header += "WAVEfmt ";
    little(16, 4);
    little(1, 2);  // PCM
    little(1, 2);  // one channel
    little(static_cast<std::uint64_t>(rate), 4);
    little(static_cast<std::uint64_t>(rate) * 2, 4);
    little(2, 2);
    little(16, 2);
    header += "data";
    little(dataBytes, 4);
    return header;
}

bool writeAll(int fd, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

Result<void> writeFirstChannel(const fs::path& movie, int out, const fs::path& outName,
                               const std::atomic<bool>* stop) {
    const auto failed = [](const fs::path& path, std::string_view action, std::string reason) {
        return platform::FileError{path, std::string(action), std::move(reason)};
    };
    platform::OpenedFile file = platform::openRegularFile(movie);
    if (file.status.error != 0) return failed(movie, "read", std::strerror(file.status.error));
    FileReader reader(file.fd.get(), file.status.size);
    if (reader.io() == nullptr) return failed(movie, "read", std::strerror(ENOMEM));
    reader.stopWhen(stop);
    int error = 0;
    const InputPtr context = openMovie(reader, movie, error, FrameDecoding::None);
    if (reader.stopRequested()) return cancellation();
    if (!context) return failed(movie, "read", avError(error));
    const AVStream* sound = firstStream(context.get(), AVMEDIA_TYPE_AUDIO);
    const AVCodec* codec = sound != nullptr ? avcodec_find_decoder(sound->codecpar->codec_id) : nullptr;
    if (codec == nullptr) return failed(movie, "read", avError(AVERROR_DECODER_NOT_FOUND));
    const std::unique_ptr<AVCodecContext, CodecDeleter> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), sound->codecpar) < 0 ||
        (error = avcodec_open2(decoder.get(), codec, nullptr)) < 0)
        return failed(movie, "read", avError(error < 0 ? error : AVERROR(ENOMEM)));

    const PacketPtr packet(av_packet_alloc());
    const std::unique_ptr<AVFrame, FrameDeleter> frame(av_frame_alloc());
    std::vector<std::int16_t> samples;
    std::uint64_t written = 0;
    int rate = decoder->sample_rate;
    if (!writeAll(out, waveHeader(rate, 0).data(), kWaveHeader))
        return failed(outName, "write", std::strerror(errno));
    const auto flush = [&] {
        const std::uint64_t bytes =
            std::min<std::uint64_t>(samples.size() * 2, kMaxDataBytes - written) / 2 * 2;
        if (!writeAll(out, reinterpret_cast<const char*>(samples.data()), static_cast<std::size_t>(bytes)))
            return false;
        written += bytes;
        samples.clear();
        return true;
    };
    for (bool more = true; more;) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) return cancellation();
        const int read = av_read_frame(context.get(), packet.get());
        more = read >= 0;
        if (more && packet->stream_index != sound->index) {
            av_packet_unref(packet.get());
            continue;
        }
        // A packet the decoder refuses is skipped: the rest of the sound still plays.
        (void)avcodec_send_packet(decoder.get(), more ? packet.get() : nullptr);
        av_packet_unref(packet.get());
        while (avcodec_receive_frame(decoder.get(), frame.get()) >= 0) {
            if (frame->sample_rate > 0 && written == 0 && samples.empty()) rate = frame->sample_rate;
            appendFirstChannel(*frame, samples);
            av_frame_unref(frame.get());
        }
        if (samples.size() >= kFlushSamples && !flush())
            return failed(outName, "write", std::strerror(errno));
    }
    if (!flush()) return failed(outName, "write", std::strerror(errno));
    const std::string header = waveHeader(rate, written);
    if (::pwrite(out, header.data(), header.size(), 0) != static_cast<ssize_t>(header.size()))
        return failed(outName, "write", std::strerror(errno));
    return success();
}

}  // namespace tessaly::media
