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

// The libraries' remux of `movie` (open as `in`, `size` bytes) into `out`.
class LibraryRemux {
public:
    explicit LibraryRemux(const CopyJob& job) : job_(job), reader_(job.in, job.size), writer_(job.out) {
        reader_.stopWhen(job.stop);
    }

    Result<void> run() {
        if (reader_.io() == nullptr || writer_.io() == nullptr)
            return fail(job_.outName, "write", std::strerror(ENOMEM));
        int openError = 0;
        input_ = openMovie(reader_, job_.movie, openError);
        if (!input_) return readFailed(openError);
        if (auto opened = openOutput(); opened.failed()) return opened;
        if (auto added = addStreams(); added.failed()) return added;

        AVDictionary* options = nullptr;
        av_dict_set(&options, "movflags", "+faststart", 0);
        const int headerError = avformat_write_header(output_.get(), &options);
        av_dict_free(&options);
        if (headerError < 0) return writeFailed(headerError);
        if (auto copied = copyPackets(); copied.failed()) return copied;
        if (const int error = av_write_trailer(output_.get()); error < 0) return writeFailed(error);
        if (auto differs = remuxedCopyDiffers(job_.in, job_.out, job_.stop))
            return fail(job_.movie, kMoveIndex, std::move(*differs));
        if (stopRequested()) return stopped();
        if (job_.progress) job_.progress(reader_.size(), reader_.size());
        return success();
    }

private:
    static Failure fail(const fs::path& path, std::string_view action, std::string reason) {
        return platform::FileError{path, std::string(action), std::move(reason)};
    }
    Failure readFailed(int error) {
        if (reader_.stopRequested()) return stopped();
        return fail(job_.movie, "read",
                    reader_.error() != 0 ? std::strerror(reader_.error()) : avError(error));
    }
    Failure writeFailed(int error) {
        return fail(job_.outName, "write",
                    writer_.error() != 0 ? std::strerror(writer_.error()) : avError(error));
    }
    static Failure stopped() { return cancellation(); }
    bool stopRequested() const { return job_.stop != nullptr && job_.stop->load(std::memory_order_relaxed); }

    Result<void> openOutput() {
        format_ = av_guess_format(nullptr, job_.outName.c_str(), nullptr);
        if (format_ == nullptr) format_ = av_guess_format("mp4", nullptr, nullptr);
        AVFormatContext* rawOutput = nullptr;
        if (const int error =
                avformat_alloc_output_context2(&rawOutput, format_, nullptr, job_.outName.c_str());
            error < 0)
            return fail(job_.outName, "write", avError(error));
        output_.reset(rawOutput);
        secondPass_.fd = job_.out;
        output_->pb = writer_.io();
        output_->opaque = &secondPass_;
        output_->io_open = openForSecondPass;
        output_->io_close2 = closeSecondPass;
        output_->flags |= AVFMT_FLAG_CUSTOM_IO;
        av_dict_copy(&output_->metadata, input_->metadata, 0);
        // The spherical marks a 360 movie depends on are written only outside the strict standard.
        output_->strict_std_compliance = FF_COMPLIANCE_UNOFFICIAL;
        return success();
    }

    // Every stream or none: a copy without the camera's telemetry is not the movie.
    Result<void> addStreams() {
        for (unsigned i = 0; i < input_->nb_streams; ++i) {
            if (!kept(input_->streams[i])) return fail(job_.movie, kMoveIndex, std::string(kStreamDropped));
        }
        streamMap_.assign(input_->nb_streams, -1);
        for (unsigned i = 0; i < input_->nb_streams; ++i) {
            const AVStream* in = input_->streams[i];
            AVStream* copy = avformat_new_stream(output_.get(), nullptr);
            if (copy == nullptr) return fail(job_.outName, "write", std::strerror(ENOMEM));
            if (const int error = avcodec_parameters_copy(copy->codecpar, in->codecpar); error < 0)
                return fail(job_.outName, "write", avError(error));
            copy->codecpar->codec_tag = codecTag(format_, in->codecpar);
            copy->time_base = in->time_base;
            copy->disposition = in->disposition;
            copy->avg_frame_rate = in->avg_frame_rate;
            copy->r_frame_rate = in->r_frame_rate;
            av_dict_copy(&copy->metadata, in->metadata, 0);
            // Spherical marks, rotation and the like travel with the stream.
            for (int s = 0; s < in->nb_side_data; ++s) {
                const AVPacketSideData& side = in->side_data[s];
                std::uint8_t* data = av_stream_new_side_data(copy, side.type, side.size);
                if (data == nullptr) return fail(job_.outName, "write", std::strerror(ENOMEM));
                std::memcpy(data, side.data, side.size);
            }
            streamMap_[i] = copy->index;
        }
        return success();
    }

    Result<void> copyPackets() {
        const PacketPtr packet(av_packet_alloc());
        if (!packet) return fail(job_.outName, "write", std::strerror(ENOMEM));
        while (true) {
            if (stopRequested()) return stopped();
            const int error = av_read_frame(input_.get(), packet.get());
            if (error == AVERROR_EOF) return success();
            if (error < 0) return readFailed(error);
            // A stream found only now has no place in the copy.
            if (static_cast<std::size_t>(packet->stream_index) >= streamMap_.size())
                return fail(job_.movie, kMoveIndex, std::string(kStreamDropped));
            const int target = streamMap_[static_cast<std::size_t>(packet->stream_index)];
            av_packet_rescale_ts(packet.get(), input_->streams[packet->stream_index]->time_base,
                                 output_->streams[target]->time_base);
            packet->stream_index = target;
            packet->pos = -1;
            if (const int written = av_interleaved_write_frame(output_.get(), packet.get()); written < 0)
                return writeFailed(written);
            if (job_.progress) job_.progress(std::min(reader_.bytesRead(), reader_.size()), reader_.size());
        }
    }

    const CopyJob job_;
    FileReader reader_;
    FileWriter writer_;
    InputPtr input_;
    const AVOutputFormat* format_ = nullptr;
    SecondPass secondPass_;
    OutputPtr output_;
    std::vector<int> streamMap_;
};

// The libraries' remux, after the relocation when `relocate` and the layout allows.
Result<void> moveIndex(const fs::path& movie, int out, const fs::path& outName,
                       const movies::ByteProgress& progress, const std::atomic<bool>* stop, bool relocate) {
    const auto fail = [&](std::string_view action, std::string reason) {
        return platform::FileError{movie, std::string(action), std::move(reason)};
    };
    platform::OpenedFile file = platform::openRegularFile(movie);
    if (file.status.error != 0) return fail("open", std::strerror(file.status.error));
    if (file.status.kind != platform::FileKind::Regular)
        return fail("read", std::string(platform::kNotRegularFile));
    const CopyJob job{movie, file.fd.get(), file.status.size, out, outName, progress, stop};
    if (relocate) {
        if (auto relocated = relocateIndexFirst(job)) return std::move(*relocated);
    }
    return LibraryRemux(job).run();
}

}  // namespace

Result<void> remuxIndexFirst(const fs::path& movie, int out, const fs::path& outName,
                             const movies::ByteProgress& progress, const std::atomic<bool>* stop) {
    return moveIndex(movie, out, outName, progress, stop, true);
}

Result<void> remuxWithLibraries(const fs::path& movie, int out, const fs::path& outName,
                                const movies::ByteProgress& progress, const std::atomic<bool>* stop) {
    return moveIndex(movie, out, outName, progress, stop, false);
}

}  // namespace tessaly::media
