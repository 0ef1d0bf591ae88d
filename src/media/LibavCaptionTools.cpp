#include "media/LibavCaptionTools.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "media/AvIo.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace tessaly::media {
namespace {

constexpr int kBufferSize = 1 << 16;
constexpr AVRational kMilliseconds{1, 1000};

// The caption file's text, read from memory.
class TextReader {
public:
    explicit TextReader(std::string_view text) : text_(text) {
        auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
        if (buffer == nullptr) return;
        io_.reset(
            avio_alloc_context(buffer, kBufferSize, 0, this, &TextReader::read, nullptr, &TextReader::seek));
        if (!io_) av_free(buffer);
    }
    AVIOContext* io() const { return io_.get(); }

private:
    static int read(void* opaque, std::uint8_t* buffer, int size) {
        auto& self = *static_cast<TextReader*>(opaque);
        const std::size_t n =
            std::min(self.text_.size() - self.position_, static_cast<std::size_t>(std::max(size, 0)));
        if (n == 0) return AVERROR_EOF;
        std::memcpy(buffer, self.text_.data() + self.position_, n);
        self.position_ += n;
        return static_cast<int>(n);
    }
    static std::int64_t seek(void* opaque, std::int64_t offset, int whence) {
        auto& self = *static_cast<TextReader*>(opaque);
        const auto size = static_cast<std::int64_t>(self.text_.size());
        switch (whence & ~AVSEEK_FORCE) {
            case AVSEEK_SIZE:
                return size;
            case SEEK_SET:
                break;
            case SEEK_CUR:
                offset += static_cast<std::int64_t>(self.position_);
                break;
            case SEEK_END:
                offset += size;
                break;
            default:
                return AVERROR(EINVAL);
        }
        if (offset < 0 || offset > size) return AVERROR(EINVAL);
        self.position_ = static_cast<std::size_t>(offset);
        return offset;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    IoPtr io_;
};

struct CodecDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
using CodecPtr = std::unique_ptr<AVCodecContext, CodecDeleter>;

struct SubtitleDeleter {
    void operator()(AVSubtitle* subtitle) const { avsubtitle_free(subtitle); }
};

// The line of `text` that byte `offset` lies on, counted from 1.
int lineAt(std::string_view text, std::int64_t offset) {
    if (offset < 0) return 0;
    const std::size_t end = std::min(static_cast<std::size_t>(offset), text.size());
    return 1 +
           static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

// The encoder writes a cue's text as it is, but in WebVTT a "<" starts a tag:
// one that starts none of the tags the encoder writes is escaped, or "a < b"
// would lose " b".
std::string escapeStrayLessThan(std::string_view cue) {
    static constexpr std::string_view kTags[] = {"<b>", "</b>", "<i>", "</i>", "<u>", "</u>"};
    std::string out;
    out.reserve(cue.size());
    for (std::size_t i = 0; i < cue.size(); ++i) {
        const std::string_view rest = cue.substr(i);
        const bool tag = std::any_of(std::begin(kTags), std::end(kTags),
                                     [&](std::string_view t) { return rest.starts_with(t); });
        if (cue[i] == '<' && !tag)
            out += "&lt;";
        else
            out += cue[i];
    }
    return out;
}

// SubRip cues become WebVTT through the libraries' own styled-text form.
class SubRipToWebVtt {
public:
    int open(const AVCodecParameters* source) {
        const AVCodec* decoder = avcodec_find_decoder(AV_CODEC_ID_SUBRIP);
        const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_WEBVTT);
        if (decoder == nullptr || encoder == nullptr) return AVERROR_DECODER_NOT_FOUND;
        decoder_.reset(avcodec_alloc_context3(decoder));
        encoder_.reset(avcodec_alloc_context3(encoder));
        if (!decoder_ || !encoder_) return AVERROR(ENOMEM);
        if (int error = avcodec_parameters_to_context(decoder_.get(), source); error < 0) return error;
        decoder_->pkt_timebase = kMilliseconds;
        if (int error = avcodec_open2(decoder_.get(), decoder, nullptr); error < 0) return error;
        encoder_->time_base = kMilliseconds;
        if (decoder_->subtitle_header != nullptr) {
            const int size = decoder_->subtitle_header_size;
            encoder_->subtitle_header = static_cast<std::uint8_t*>(av_mallocz(size + 1));
            if (encoder_->subtitle_header == nullptr) return AVERROR(ENOMEM);
            std::memcpy(encoder_->subtitle_header, decoder_->subtitle_header, size);
            encoder_->subtitle_header_size = size;
        }
        return avcodec_open2(encoder_.get(), encoder, nullptr);
    }

    // The cue's WebVTT text into `out`; an empty one for a cue with no text.
    int convert(AVPacket* packet, std::string& out) {
        AVSubtitle subtitle{};
        int got = 0;
        const int used = avcodec_decode_subtitle2(decoder_.get(), &subtitle, &got, packet);
        const std::unique_ptr<AVSubtitle, SubtitleDeleter> owned(got ? &subtitle : nullptr);
        out.clear();
        if (used < 0) return used;
        if (!got || subtitle.num_rects == 0) return 0;
        std::string buffer(1 << 16, '\0');
        const int size =
            avcodec_encode_subtitle(encoder_.get(), reinterpret_cast<std::uint8_t*>(buffer.data()),
                                    static_cast<int>(buffer.size()), &subtitle);
        if (size < 0) return size;
        out = escapeStrayLessThan(std::string_view(buffer.data(), static_cast<std::size_t>(size)));
        return 0;
    }

private:
    CodecPtr decoder_;
    CodecPtr encoder_;
};

// The output's in-memory file: its text, freed however the conversion ends.
class WrittenText {
public:
    explicit WrittenText(AVFormatContext* output) : output_(output) {}
    WrittenText(const WrittenText&) = delete;
    WrittenText& operator=(const WrittenText&) = delete;
    ~WrittenText() { take(); }

    std::string take() const {
        std::string text;
        if (output_->pb == nullptr) return text;
        std::uint8_t* bytes = nullptr;
        const int size = avio_close_dyn_buf(output_->pb, &bytes);
        output_->pb = nullptr;
        if (bytes != nullptr) text.assign(reinterpret_cast<char*>(bytes), static_cast<std::size_t>(size));
        av_free(bytes);
        return text;
    }

private:
    AVFormatContext* output_;
};

movies::CaptionConversion failed(int code, int line = 0) {
    movies::CaptionConversion result;
    result.error = avError(code);
    result.line = line;
    return result;
}

}  // namespace

movies::CaptionConversion LibavCaptionTools::toWebVtt(std::string_view text, movies::CaptionFormat format) {
    quietLibraries();
    const bool subRip = format == movies::CaptionFormat::SubRip;
    TextReader reader(text);
    if (reader.io() == nullptr) return failed(AVERROR(ENOMEM));

    AVFormatContext* opened = avformat_alloc_context();
    if (opened == nullptr) return failed(AVERROR(ENOMEM));
    opened->pb = reader.io();
    opened->flags |= AVFMT_FLAG_CUSTOM_IO;
    const AVInputFormat* inputFormat = av_find_input_format(subRip ? "srt" : "webvtt");
    if (int error = avformat_open_input(&opened, nullptr, inputFormat, nullptr); error < 0)
        return failed(error);
    const InputPtr input(opened);
    if (input->nb_streams != 1) return failed(AVERROR_INVALIDDATA);
    AVStream* source = input->streams[0];

    SubRipToWebVtt converter;
    if (subRip) {
        if (int error = converter.open(source->codecpar); error < 0) return failed(error);
    }

    AVFormatContext* made = nullptr;
    if (int error = avformat_alloc_output_context2(&made, nullptr, "webvtt", nullptr); error < 0)
        return failed(error);
    const OutputPtr output(made);
    AVStream* target = avformat_new_stream(output.get(), nullptr);
    if (target == nullptr) return failed(AVERROR(ENOMEM));
    target->codecpar->codec_type = AVMEDIA_TYPE_SUBTITLE;
    target->codecpar->codec_id = AV_CODEC_ID_WEBVTT;
    target->time_base = kMilliseconds;
    if (int error = avio_open_dyn_buf(&output->pb); error < 0) return failed(error);
    const WrittenText written(output.get());

    if (int error = avformat_write_header(output.get(), nullptr); error < 0) return failed(error);
    movies::CaptionConversion result;
    const PacketPtr packet(av_packet_alloc());
    if (!packet) return failed(AVERROR(ENOMEM));
    std::string cueText;
    std::int64_t lastPosition = 0;
    while (true) {
        const int read = av_read_frame(input.get(), packet.get());
        if (read == AVERROR_EOF) break;
        if (read < 0) return failed(read, lineAt(text, lastPosition));
        if (packet->pos >= 0) lastPosition = packet->pos;
        if (packet->pts == AV_NOPTS_VALUE || packet->duration < 0) {
            av_packet_unref(packet.get());
            return failed(AVERROR_INVALIDDATA, lineAt(text, lastPosition));
        }
        if (subRip) {
            if (int error = converter.convert(packet.get(), cueText); error < 0) {
                av_packet_unref(packet.get());
                return failed(error, lineAt(text, lastPosition));
            }
            // The packet keeps its times and takes the cue's WebVTT text.
            PacketPtr cue(av_packet_alloc());
            if (!cue || av_new_packet(cue.get(), static_cast<int>(cueText.size())) < 0)
                return failed(AVERROR(ENOMEM));
            std::memcpy(cue->data, cueText.data(), cueText.size());
            av_packet_copy_props(cue.get(), packet.get());
            av_packet_unref(packet.get());
            av_packet_move_ref(packet.get(), cue.get());
        }
        av_packet_rescale_ts(packet.get(), source->time_base, target->time_base);
        packet->stream_index = 0;
        const double end = static_cast<double>(packet->pts + packet->duration) / 1000.0;
        result.end = std::max(result.end, end);
        ++result.cues;
        const int written = av_write_frame(output.get(), packet.get());
        av_packet_unref(packet.get());
        if (written < 0) return failed(written, lineAt(text, lastPosition));
    }
    if (int error = av_write_trailer(output.get()); error < 0) return failed(error);
    result.webVtt = written.take();
    return result;
}

}  // namespace tessaly::media
