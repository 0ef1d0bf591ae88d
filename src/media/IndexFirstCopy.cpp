#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/platform/Files.h"
#include "core/platform/MovieCopy.h"
#include "media/AvIo.h"
#include "media/CopyCheck.h"
#include "media/IndexRelocation.h"
#include "media/Mp4Boxes.h"

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;
using Result = RebuiltIndex::Result;

// Why a movie is refused, after "Cannot read MOVIE: ".
constexpr std::string_view kCutShort = "it is cut short or damaged: a part of it reaches past its end";
constexpr std::string_view kChanged = "it changed while it was being copied";

constexpr std::size_t kMaxTopBoxes = 4096;

// The data moves by a whole number of `alignment` bytes (the index is followed
// by a free box up to there): file systems share or copy blocks only when data
// keeps its place within them, and Linux copies a file 64 KiB at a time, data
// that moves by less costing a third more time (measured on ext4).
constexpr std::uint64_t kBlock = 4096;
constexpr std::uint64_t kCopySpan = 65536;

// Reads `count` bytes at `offset`; false on a read error (the reader has its errno) or a short read.
bool readAt(FileReader& reader, std::uint64_t offset, std::size_t count, std::string& bytes) {
    bytes.resize(count);
    if (avio_seek(reader.io(), static_cast<std::int64_t>(offset), SEEK_SET) < 0) return false;
    std::size_t done = 0;
    while (done < count) {
        const int chunk = static_cast<int>(std::min<std::size_t>(count - done, 1 << 30));
        const int n = avio_read(reader.io(), reinterpret_cast<unsigned char*>(bytes.data() + done), chunk);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

struct TopBox {
    std::string type;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::size_t headerSize = 8;
};

}  // namespace

bool fragmentedMovie(int in, std::uint64_t size) {
    // The first fragment follows the index and the first samples' data, if any.
    constexpr std::size_t kFirstBoxes = 16;
    FileReader reader(in, size);
    if (reader.io() == nullptr) return false;
    bool index = false;
    std::string bytes;
    for (std::uint64_t at = 0, boxes = 0; at < size && boxes < kFirstBoxes; ++boxes) {
        const std::uint64_t room = size - at;
        if (!readAt(reader, at, static_cast<std::size_t>(std::min<std::uint64_t>(room, 16)), bytes))
            return false;
        const std::optional<BoxHeader> header = parseHeader(bytes, room, true);
        if (!header) return false;
        if (header->type == "moov") index = true;
        if (header->type == "moof") return index;
        at += header->size;
    }
    return false;
}

std::optional<movies::WriteOutcome> relocateIndexFirst(const fs::path& movie, int in, std::uint64_t size,
                                                       int out, const fs::path& outName,
                                                       const movies::ByteProgress& progress,
                                                       const std::atomic<bool>* stop) {
    movies::WriteOutcome outcome;
    const auto refuse = [&](const fs::path& path, std::string_view action, std::string_view reason) {
        outcome.error = platform::FileError{path, std::string(action), std::string(reason)};
        return outcome;
    };
    FileReader reader(in, size);
    if (reader.io() == nullptr) return refuse(movie, "read", std::strerror(ENOMEM));
    const auto readFailed = [&](std::string_view otherwise) {
        return reader.error() != 0 ? refuse(movie, "read", std::strerror(reader.error()))
                                   : refuse(movie, "read", otherwise);
    };

    std::vector<TopBox> boxes;
    std::string bytes;
    for (std::uint64_t at = 0; at < size;) {
        const std::uint64_t room = size - at;
        if (room < 8) return std::nullopt;  // a few stray bytes at the end
        if (boxes.size() == kMaxTopBoxes) return std::nullopt;
        if (!readAt(reader, at, static_cast<std::size_t>(std::min<std::uint64_t>(room, 16)), bytes))
            return readFailed(kCutShort);
        const std::optional<BoxHeader> header = parseHeader(bytes, room, true);
        if (!header) return refuse(movie, "read", kCutShort);
        boxes.push_back({header->type, at, header->size, header->headerSize});
        at += header->size;
    }

    const auto isType = [](std::string_view type) {
        return [type](const TopBox& box) { return box.type == type; };
    };
    if (std::count_if(boxes.begin(), boxes.end(), isType("moov")) != 1 ||
        std::any_of(boxes.begin(), boxes.end(), isType("moof")) ||
        std::any_of(boxes.begin(), boxes.end(), isType("mfra")) ||
        // Its offsets count from where it lies, in front of the data.
        std::any_of(boxes.begin(), boxes.end(), isType("sidx")))
        return std::nullopt;
    const auto moov = std::find_if(boxes.begin(), boxes.end(), isType("moov"));
    const auto firstData = std::find_if(boxes.begin(), boxes.end(), isType("mdat"));
    // Data after the index would move by a different amount.
    if (firstData > moov || std::any_of(moov, boxes.end(), isType("mdat"))) return std::nullopt;
    if (moov->size > kMaxIndexBytes) return std::nullopt;

    std::vector<ByteSpan> mediaData;
    for (auto box = firstData; box != moov; ++box) {
        if (box->type == "mdat")
            mediaData.push_back({box->offset + box->headerSize, box->offset + box->size});
    }
    if (!readAt(reader, moov->offset, static_cast<std::size_t>(moov->size), bytes))
        return readFailed(kCutShort);
    // The padding costs a visitor's browser bytes before the first frame: the
    // wider alignment only where it is at most a thousandth of the movie.
    const RebuiltIndex index = rebuildIndex(bytes, mediaData, size >= 1000 * kCopySpan ? kCopySpan : kBlock);
    if (index.result == Result::Unhandled) return std::nullopt;
    if (index.result == Result::Damaged) return refuse(movie, "read", index.problem);

    // The index, then around it the boxes before the data, the data, and what followed the index.
    const std::uint64_t dataStart = firstData->offset, dataEnd = moov->offset;
    const std::uint64_t indexSize = index.box.size();
    struct Piece {
        std::uint64_t from, length, to;
    };
    const std::array<Piece, 3> pieces{
        {{0, dataStart, 0},
         {dataStart, dataEnd - dataStart, dataStart + indexSize},
         {dataEnd + moov->size, size - dataEnd - moov->size, dataEnd + indexSize}}};
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
        outcome.stopped = true;
        return outcome;
    }
    FileWriter writer(out);
    if (writer.io() == nullptr) return refuse(outName, "write", std::strerror(ENOMEM));
    avio_seek(writer.io(), static_cast<std::int64_t>(dataStart), SEEK_SET);
    avio_write(writer.io(), reinterpret_cast<const unsigned char*>(index.box.data()),
               static_cast<int>(indexSize));
    avio_flush(writer.io());
    if (writer.error() != 0) return refuse(outName, "write", std::strerror(writer.error()));
    std::uint64_t done = moov->size;
    if (progress) progress(done, size);

    platform::MovieCopyOptions options;
    options.stop = stop;
    for (const Piece& piece : pieces) {
        const platform::RangeCopy copied = platform::copyRange(
            in, piece.from, out, piece.to, piece.length,
            [&](std::uint64_t bytes) {
                if (progress) progress(done + bytes, size);
            },
            options);
        if (copied.stopped) {
            outcome.stopped = true;
            return outcome;
        }
        if (copied.readError != 0) return refuse(movie, "read", std::strerror(copied.readError));
        if (copied.writeError != 0) return refuse(outName, "write", std::strerror(copied.writeError));
        if (copied.copied != piece.length) return refuse(movie, "read", kChanged);
        done += piece.length;
    }
    if (auto differs = relocatedCopyDiffers(in, out, indexSize, mediaData))
        return refuse(movie, kMoveIndex, *differs);
    if (progress) progress(size, size);
    return outcome;
}

}  // namespace tessaly::media
