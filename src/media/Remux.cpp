#include "media/Remux.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AvIo.h"
#include "media/CopyCheck.h"
#include "media/IndexRelocation.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStreamDropped =
    "the libraries' remux would drop a stream it cannot write back (data, such as telemetry or timecode)";

// The second pass of the index move reads back what the first wrote: the
// muxer opens its output again by name, and here that name is the unnamed
// file's descriptor.
struct SecondPass {
    int fd = -1;
    std::vector<std::unique_ptr<FileReader>> readers;
};

int openForSecondPass(AVFormatContext* context, AVIOContext** io, const char*, int flags, AVDictionary**) {
    auto* pass = static_cast<SecondPass*>(context->opaque);
    if ((flags & AVIO_FLAG_WRITE) != 0 || pass == nullptr) return AVERROR(EPERM);
    struct stat info {};
    if (::fstat(pass->fd, &info) != 0) return AVERROR(errno);
    auto reader = std::make_unique<FileReader>(pass->fd, static_cast<std::uint64_t>(info.st_size));
    if (reader->io() == nullptr) return AVERROR(ENOMEM);
    *io = reader->io();
    pass->readers.push_back(std::move(reader));
    return 0;
}

int closeSecondPass(AVFormatContext*, AVIOContext*) { return 0; }

bool kept(const AVStream* stream) {
    switch (stream->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
        case AVMEDIA_TYPE_AUDIO:
        case AVMEDIA_TYPE_SUBTITLE:
            return true;
        default:
            return false;
    }
}

// The input's codec tag when the output container knows it for that codec,
// so an HEVC track stays "hvc1" where it was.
unsigned codecTag(const AVOutputFormat* format, const AVCodecParameters* par) {
    if (format->codec_tag == nullptr) return par->codec_tag;
    unsigned tag = 0;
    if (av_codec_get_id(format->codec_tag, par->codec_tag) == par->codec_id ||
        !av_codec_get_tag2(format->codec_tag, par->codec_id, &tag))
        return par->codec_tag;
    return 0;
}

// The libraries' remux, after the relocation when `relocate` and the layout allows.
movies::WriteOutcome moveIndex(const fs::path& movie, int out, const fs::path& outName,
                               const movies::ByteProgress& progress, const std::atomic<bool>* stop,
                               bool relocate) {
    movies::WriteOutcome outcome;
    const auto fail = [&](const fs::path& path, std::string_view action, std::string reason) {
        outcome.error = platform::FileError{path, std::string(action), std::move(reason)};
        return outcome;
    };
    const auto readFailed = [&](const FileReader& reader, int error) {
        if (reader.stopRequested()) {
            outcome.stopped = true;
            return outcome;
        }
        return fail(movie, "read", reader.error() != 0 ? std::strerror(reader.error()) : avError(error));
    };
    platform::OpenedFile file = platform::openRegularFile(movie);
    if (file.status.error != 0) return fail(movie, "open", std::strerror(file.status.error));
    if (file.status.kind != platform::FileKind::Regular)
        return fail(movie, "read", std::string(platform::kNotRegularFile));
    if (relocate) {
        if (auto relocated =
                relocateIndexFirst(movie, file.fd.get(), file.status.size, out, outName, progress, stop))
            return std::move(*relocated);
    }

    FileReader reader(file.fd.get(), file.status.size);
    reader.stopWhen(stop);
    FileWriter writer(out);
    if (reader.io() == nullptr || writer.io() == nullptr)
        return fail(outName, "write", std::strerror(ENOMEM));

    int openError = 0;
    const InputPtr input = openMovie(reader, movie, openError);
    if (!input) return readFailed(reader, openError);

    const AVOutputFormat* format = av_guess_format(nullptr, outName.c_str(), nullptr);
    if (format == nullptr) format = av_guess_format("mp4", nullptr, nullptr);
    AVFormatContext* rawOutput = nullptr;
    if (const int error = avformat_alloc_output_context2(&rawOutput, format, nullptr, outName.c_str());
        error < 0)
        return fail(outName, "write", avError(error));
    const OutputPtr output(rawOutput);
    SecondPass secondPass{out, {}};
    output->pb = writer.io();
    output->opaque = &secondPass;
    output->io_open = openForSecondPass;
    output->io_close2 = closeSecondPass;
    output->flags |= AVFMT_FLAG_CUSTOM_IO;
    av_dict_copy(&output->metadata, input->metadata, 0);
    // The spherical marks a 360 movie depends on are written only outside the strict standard.
    output->strict_std_compliance = FF_COMPLIANCE_UNOFFICIAL;

    // Every stream or none: a copy without the camera's telemetry is not the movie.
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (!kept(input->streams[i])) return fail(movie, kMoveIndex, std::string(kStreamDropped));
    }
    std::vector<int> streamMap(input->nb_streams, -1);
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* in = input->streams[i];
        AVStream* copy = avformat_new_stream(output.get(), nullptr);
        if (copy == nullptr) return fail(outName, "write", std::strerror(ENOMEM));
        if (const int error = avcodec_parameters_copy(copy->codecpar, in->codecpar); error < 0)
            return fail(outName, "write", avError(error));
        copy->codecpar->codec_tag = codecTag(format, in->codecpar);
        copy->time_base = in->time_base;
        copy->disposition = in->disposition;
        copy->avg_frame_rate = in->avg_frame_rate;
        copy->r_frame_rate = in->r_frame_rate;
        av_dict_copy(&copy->metadata, in->metadata, 0);
        // Spherical marks, rotation and the like travel with the stream.
        for (int s = 0; s < in->nb_side_data; ++s) {
            const AVPacketSideData& side = in->side_data[s];
            std::uint8_t* data = av_stream_new_side_data(copy, side.type, side.size);
            if (data == nullptr) return fail(outName, "write", std::strerror(ENOMEM));
            std::memcpy(data, side.data, side.size);
        }
        streamMap[i] = copy->index;
    }

    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    const int headerError = avformat_write_header(output.get(), &options);
    av_dict_free(&options);
    const auto writeFailed = [&](int error) {
        return fail(outName, "write", writer.error() != 0 ? std::strerror(writer.error()) : avError(error));
    };
    if (headerError < 0) return writeFailed(headerError);

    const PacketPtr packet(av_packet_alloc());
    if (!packet) return fail(outName, "write", std::strerror(ENOMEM));
    while (true) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            outcome.stopped = true;
            return outcome;
        }
        const int error = av_read_frame(input.get(), packet.get());
        if (error == AVERROR_EOF) break;
        if (error < 0) return readFailed(reader, error);
        // A stream found only now has no place in the copy.
        if (static_cast<std::size_t>(packet->stream_index) >= streamMap.size())
            return fail(movie, kMoveIndex, std::string(kStreamDropped));
        const int target = streamMap[static_cast<std::size_t>(packet->stream_index)];
        av_packet_rescale_ts(packet.get(), input->streams[packet->stream_index]->time_base,
                             output->streams[target]->time_base);
        packet->stream_index = target;
        packet->pos = -1;
        if (const int written = av_interleaved_write_frame(output.get(), packet.get()); written < 0)
            return writeFailed(written);
        if (progress) progress(std::min(reader.bytesRead(), reader.size()), reader.size());
    }
    if (const int error = av_write_trailer(output.get()); error < 0) return writeFailed(error);
    if (auto differs = remuxedCopyDiffers(file.fd.get(), out, stop))
        return fail(movie, kMoveIndex, std::move(*differs));
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
        outcome.stopped = true;
        return outcome;
    }
    if (progress) progress(reader.size(), reader.size());
    return outcome;
}

}  // namespace

movies::WriteOutcome remuxIndexFirst(const fs::path& movie, int out, const fs::path& outName,
                                     const movies::ByteProgress& progress, const std::atomic<bool>* stop) {
    return moveIndex(movie, out, outName, progress, stop, true);
}

movies::WriteOutcome remuxWithLibraries(const fs::path& movie, int out, const fs::path& outName,
                                        const movies::ByteProgress& progress, const std::atomic<bool>* stop) {
    return moveIndex(movie, out, outName, progress, stop, false);
}

}  // namespace tessaly::media
