#include "media/AvIo.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <string_view>
#include <vector>

namespace tessaly::media {
namespace {

constexpr int kBufferSize = 1 << 18;
constexpr std::int64_t kMovProbeBytes = 1 << 16;

IoPtr makeIo(void* opaque, bool writing, int (*read)(void*, std::uint8_t*, int),
             int (*write)(void*, std::uint8_t*, int), std::int64_t (*seek)(void*, std::int64_t, int)) {
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (buffer == nullptr) return nullptr;
    AVIOContext* io = avio_alloc_context(buffer, kBufferSize, writing ? 1 : 0, opaque, read, write, seek);
    if (io == nullptr) av_free(buffer);
    return IoPtr(io);
}

int interrupted(void* reader) { return static_cast<const FileReader*>(reader)->stopRequested() ? 1 : 0; }

// The new position for a seek, or -1 when it leaves the file's start.
std::int64_t seekTarget(std::int64_t offset, int whence, std::uint64_t position, std::uint64_t size) {
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += static_cast<std::int64_t>(position);
            break;
        case SEEK_END:
            offset += static_cast<std::int64_t>(size);
            break;
        default:
            return -1;
    }
    return offset < 0 ? -1 : offset;
}

}  // namespace

void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::string avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void IoDeleter::operator()(AVIOContext* io) const {
    if (io == nullptr) return;
    av_freep(&io->buffer);
    avio_context_free(&io);
}

FileReader::FileReader(int fd, std::uint64_t size)
    : fd_(fd), size_(size), io_(makeIo(this, false, &FileReader::read, nullptr, &FileReader::seek)) {
    quietLibraries();
}

int FileReader::read(void* opaque, std::uint8_t* buffer, int size) {
    auto& self = *static_cast<FileReader*>(opaque);
    if (self.stopRequested()) return AVERROR_EXIT;
    std::size_t wanted = static_cast<std::size_t>(std::max(size, 0));
    while (true) {
        const ssize_t n = ::pread(self.fd_, buffer, wanted, static_cast<off_t>(self.position_));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            self.error_ = errno;
            return AVERROR(errno);
        }
        if (n == 0) return AVERROR_EOF;
        self.position_ += static_cast<std::uint64_t>(n);
        self.bytesRead_ += static_cast<std::uint64_t>(n);
        return static_cast<int>(n);
    }
}

std::int64_t FileReader::seek(void* opaque, std::int64_t offset, int whence) {
    auto& self = *static_cast<FileReader*>(opaque);
    if (whence == AVSEEK_SIZE) return static_cast<std::int64_t>(self.size_);
    const std::int64_t target = seekTarget(offset, whence, self.position_, self.size_);
    if (target < 0) return AVERROR(EINVAL);
    self.position_ = static_cast<std::uint64_t>(target);
    return target;
}

const AVStream* firstStream(const AVFormatContext* context, AVMediaType type) {
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream* stream = context->streams[i];
        // A cover picture is a "video" stream of one frame.
        if (stream->codecpar->codec_type == type && (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0)
            return stream;
    }
    return nullptr;
}

bool isMovFamily(const AVInputFormat* format) {
    return format != nullptr && std::string_view(format->name).find("mp4") != std::string_view::npos;
}

InputPtr openMovie(FileReader& reader, const std::filesystem::path& movie, int& error,
                   FrameDecoding decoding) {
    AVFormatContext* raw = avformat_alloc_context();
    if (raw == nullptr) {
        error = AVERROR(ENOMEM);
        return nullptr;
    }
    raw->pb = reader.io();
    raw->interrupt_callback = AVIOInterruptCB{&interrupted, &reader};
    // On failure the library frees the context it was given.
    if ((error = avformat_open_input(&raw, movie.c_str(), nullptr, nullptr)) < 0) return nullptr;
    InputPtr context(raw);
    // The index holds sizes, rates and timings; the first packets give the
    // rest (the profile) without decoding a second's worth of frames.
    if (isMovFamily(context->iformat)) context->probesize = kMovProbeBytes;
    std::vector<AVDictionary*> options(decoding == FrameDecoding::None ? context->nb_streams : 0, nullptr);
    const AVStream* described[] = {firstStream(context.get(), AVMEDIA_TYPE_VIDEO),
                                   firstStream(context.get(), AVMEDIA_TYPE_AUDIO)};
    for (unsigned i = 0; i < options.size(); ++i) {
        av_dict_set(&options[i], "skip_frame", "all", 0);
        // A stream of no known codec gets no decoder (a decoder list to choose
        // from does not keep the library from setting up each one).
        if (std::find(std::begin(described), std::end(described), context->streams[i]) == std::end(described))
            context->streams[i]->codecpar->codec_id = AV_CODEC_ID_NONE;
    }
    error = avformat_find_stream_info(context.get(), options.empty() ? nullptr : options.data());
    for (AVDictionary*& streamOptions : options) av_dict_free(&streamOptions);
    if (error < 0) return nullptr;
    return context;
}

FileWriter::FileWriter(int fd)
    : fd_(fd), io_(makeIo(this, true, nullptr, &FileWriter::write, &FileWriter::seek)) {}

int FileWriter::write(void* opaque, std::uint8_t* buffer, int size) {
    auto& self = *static_cast<FileWriter*>(opaque);
    int written = 0;
    while (written < size) {
        const ssize_t n = ::pwrite(self.fd_, buffer + written, static_cast<std::size_t>(size - written),
                                   static_cast<off_t>(self.position_));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            self.error_ = errno;
            return AVERROR(errno);
        }
        written += static_cast<int>(n);
        self.position_ += static_cast<std::uint64_t>(n);
    }
    self.size_ = std::max(self.size_, self.position_);
    return written;
}

std::int64_t FileWriter::seek(void* opaque, std::int64_t offset, int whence) {
    auto& self = *static_cast<FileWriter*>(opaque);
    if (whence == AVSEEK_SIZE) return static_cast<std::int64_t>(self.size_);
    const std::int64_t target = seekTarget(offset, whence, self.position_, self.size_);
    if (target < 0) return AVERROR(EINVAL);
    self.position_ = static_cast<std::uint64_t>(target);
    return target;
}

}  // namespace tessaly::media
