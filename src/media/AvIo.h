#pragma once

// The movie library's input and output through file descriptors this program
// opened itself: only regular files are read, and movies are written into the
// unnamed files a published tree is made of. Owners for the library's objects.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace tessaly::media {

// The libraries say nothing on stderr: what goes wrong comes back to the
// caller, who words it. Called by every reader.
void quietLibraries();

// The library's words for an error code ("Invalid data found when processing input").
std::string avError(int code);

struct IoDeleter {
    void operator()(AVIOContext* io) const;
};
using IoPtr = std::unique_ptr<AVIOContext, IoDeleter>;

struct InputDeleter {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using InputPtr = std::unique_ptr<AVFormatContext, InputDeleter>;

struct OutputDeleter {
    void operator()(AVFormatContext* context) const { avformat_free_context(context); }
};
using OutputPtr = std::unique_ptr<AVFormatContext, OutputDeleter>;

struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;

// Reads a descriptor at an offset of its own (pread), so several readers can
// share one open file.
class FileReader {
public:
    FileReader(int fd, std::uint64_t size);
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    AVIOContext* io() const { return io_.get(); }
    // Hands the reader's buffer to the library, which frees it with the context.
    IoPtr release() { return std::move(io_); }
    std::uint64_t size() const { return size_; }
    std::uint64_t bytesRead() const { return bytesRead_; }
    int error() const { return error_; }  // errno of a failed read, else 0

    // Once `stop` is set, reads fail with AVERROR_EXIT and stopRequested()
    // is true, which the library's interrupt callback of a context
    // openMovie made also asks between reads: a slow header ends at once.
    void stopWhen(const std::atomic<bool>* stop) { stop_ = stop; }
    bool stopRequested() const { return stop_ != nullptr && stop_->load(std::memory_order_relaxed); }

private:
    static int read(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t seek(void* opaque, std::int64_t offset, int whence);

    int fd_;
    std::uint64_t size_;
    std::uint64_t position_ = 0;
    std::uint64_t bytesRead_ = 0;
    int error_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    IoPtr io_;
};

// Opens a movie read through `reader`; `error` gets the library's code when it
// cannot. Little of an MP4 or QuickTime movie is decoded to fill in what its
// index already says: a 4K movie is read in a moment.
// With FrameDecoding::None no frame is decoded at all: what is known then is what
// the container and the codec's headers say (sizes, rates, profile), which is
// all a look at the movie needs; a high-rate 4K frame takes tens of
// milliseconds to decode, and the library decodes several to guess H.264's
// frame delay, which only writing a movie needs. Only the streams a look at a
// movie describes (firstStream's) are looked at then, the others left with no
// codec: a movie of a thousand tracks would have a decoder set up for each,
// for seconds, with nothing read in between to stop at.
enum class FrameDecoding { AsNeeded, None };
InputPtr openMovie(FileReader& reader, const std::filesystem::path& movie, int& error,
                   FrameDecoding decoding = FrameDecoding::AsNeeded);

// The first stream of this type, leaving out a video stream that is a cover
// picture; null when there is none.
const AVStream* firstStream(const AVFormatContext* context, AVMediaType type);

// The container family that keeps an index of its frames (MP4, QuickTime),
// by the libraries' name for the format.
bool isMovFamily(const AVInputFormat* format);

// Writes a descriptor that can be read and written anywhere, such as a movie
// on its way into the published tree.
class FileWriter {
public:
    explicit FileWriter(int fd);
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    AVIOContext* io() const { return io_.get(); }
    int error() const { return error_; }  // errno of a failed write, else 0
    int fd() const { return fd_; }

private:
    // This FFmpeg hands the buffer over as non-const.
    static int write(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t seek(void* opaque, std::int64_t offset, int whence);

    int fd_;
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    int error_ = 0;
    IoPtr io_;
};

}  // namespace tessaly::media
