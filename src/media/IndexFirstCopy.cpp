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

// The boxes at the top of the file, in order; or why they are not relocated.
struct TopBoxes {
    std::vector<TopBox> boxes;
    bool leftAlone = false;  // a layout the libraries remux
    bool cutShort = false;   // a header that cannot be read, or a box reaching past the end
};

TopBoxes readTopBoxes(FileReader& reader, std::uint64_t size) {
    TopBoxes top;
    std::string bytes;
    for (std::uint64_t at = 0; at < size;) {
        const std::uint64_t room = size - at;
        // A few stray bytes at the end, or more boxes than any movie has.
        if (room < 8 || top.boxes.size() == kMaxTopBoxes) {
            top.leftAlone = true;
            return top;
        }
        const std::optional<BoxHeader> header =
            readAt(reader, at, static_cast<std::size_t>(std::min<std::uint64_t>(room, 16)), bytes)
                ? parseHeader(bytes, room, true)
                : std::nullopt;
        if (!header) {
            top.cutShort = true;
            return top;
        }
        top.boxes.push_back({header->type, at, header->size, header->headerSize});
        at += header->size;
    }
    return top;
}

// Where the index and the data lie in a layout this relocation keeps right.
struct Layout {
    TopBox index;
    std::uint64_t dataStart = 0;
    std::vector<ByteSpan> mediaData;
};

std::optional<Layout> relocatable(const std::vector<TopBox>& boxes) {
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

    Layout layout{*moov, firstData->offset, {}};
    for (auto box = firstData; box != moov; ++box) {
        if (box->type == "mdat")
            layout.mediaData.push_back({box->offset + box->headerSize, box->offset + box->size});
    }
    return layout;
}

// One relocation of `movie` (open as `in`) into `out`.
class Relocation {
public:
    explicit Relocation(const CopyJob& job) : job_(job), reader_(job.in, job.size) {}

    std::optional<Result<void>> run() {
        if (reader_.io() == nullptr) return refuse(job_.movie, "read", std::strerror(ENOMEM));
        const TopBoxes top = readTopBoxes(reader_, job_.size);
        if (top.cutShort) return readFailed(kCutShort);
        if (top.leftAlone) return std::nullopt;
        const std::optional<Layout> layout = relocatable(top.boxes);
        if (!layout) return std::nullopt;
        std::string bytes;
        if (!readAt(reader_, layout->index.offset, static_cast<std::size_t>(layout->index.size), bytes))
            return readFailed(kCutShort);
        // The padding costs a visitor's browser bytes before the first frame: the
        // wider alignment only where it is at most a thousandth of the movie.
        const RebuiltIndex index =
            rebuildIndex(bytes, layout->mediaData, job_.size >= 1000 * kCopySpan ? kCopySpan : kBlock);
        if (index.result == RebuiltIndex::Result::Unhandled) return std::nullopt;
        if (index.result == RebuiltIndex::Result::Damaged) return refuse(job_.movie, "read", index.problem);
        return writeAround(*layout, index.box);
    }

private:
    static Failure refuse(const fs::path& path, std::string_view action, std::string_view reason) {
        return platform::FileError{path, std::string(action), std::string(reason)};
    }
    Failure readFailed(std::string_view otherwise) {
        return reader_.error() != 0 ? refuse(job_.movie, "read", std::strerror(reader_.error()))
                                    : refuse(job_.movie, "read", otherwise);
    }
    static Failure stopped() { return cancellation(); }

    // The index, then around it the boxes before the data, the data, and what followed the index.
    Result<void> writeAround(const Layout& layout, const std::string& index) {
        const std::uint64_t dataStart = layout.dataStart, dataEnd = layout.index.offset;
        const std::uint64_t indexSize = index.size(), oldIndexSize = layout.index.size;
        struct Piece {
            std::uint64_t from, length, to;
        };
        const std::array<Piece, 3> pieces{
            {{0, dataStart, 0},
             {dataStart, dataEnd - dataStart, dataStart + indexSize},
             {dataEnd + oldIndexSize, job_.size - dataEnd - oldIndexSize, dataEnd + indexSize}}};
        if (job_.stop != nullptr && job_.stop->load(std::memory_order_relaxed)) return stopped();
        FileWriter writer(job_.out);
        if (writer.io() == nullptr) return refuse(job_.outName, "write", std::strerror(ENOMEM));
        avio_seek(writer.io(), static_cast<std::int64_t>(dataStart), SEEK_SET);
        avio_write(writer.io(), reinterpret_cast<const unsigned char*>(index.data()),
                   static_cast<int>(indexSize));
        avio_flush(writer.io());
        if (writer.error() != 0) return refuse(job_.outName, "write", std::strerror(writer.error()));
        std::uint64_t done = oldIndexSize;
        if (job_.progress) job_.progress(done, job_.size);

        platform::MovieCopyOptions options;
        options.stop = job_.stop;
        for (const Piece& piece : pieces) {
            const platform::RangeCopy copied = platform::copyRange(
                job_.in, piece.from, job_.out, piece.to, piece.length,
                [&](std::uint64_t bytes) {
                    if (job_.progress) job_.progress(done + bytes, job_.size);
                },
                options);
            if (copied.stopped) return stopped();
            if (copied.readError != 0) return refuse(job_.movie, "read", std::strerror(copied.readError));
            if (copied.writeError != 0)
                return refuse(job_.outName, "write", std::strerror(copied.writeError));
            if (copied.copied != piece.length) return refuse(job_.movie, "read", kChanged);
            done += piece.length;
        }
        if (auto differs = relocatedCopyDiffers(job_.in, job_.out, indexSize, layout.mediaData))
            return refuse(job_.movie, kMoveIndex, *differs);
        if (job_.progress) job_.progress(job_.size, job_.size);
        return success();
    }

    const CopyJob job_;
    FileReader reader_;
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

std::optional<IndexPlace> indexPlace(int in, std::uint64_t size) {
    FileReader reader(in, size);
    if (reader.io() == nullptr) return std::nullopt;
    std::string bytes;
    for (std::uint64_t at = 0, boxes = 0; at < size && boxes < kMaxTopBoxes; ++boxes) {
        const std::uint64_t room = size - at;
        if (!readAt(reader, at, static_cast<std::size_t>(std::min<std::uint64_t>(room, 16)), bytes))
            return std::nullopt;
        const std::optional<BoxHeader> header = parseHeader(bytes, room, true);
        if (!header) return std::nullopt;
        if (header->type == "moov") {
            IndexPlace place{at + header->size, std::nullopt};
            if (header->size <= kMaxIndexBytes &&
                readAt(reader, at, static_cast<std::size_t>(header->size), bytes))
                place.firstChunk = lowestChunkOffset(bytes);
            return place;
        }
        at += header->size;
    }
    return std::nullopt;
}

std::optional<Result<void>> relocateIndexFirst(const CopyJob& job) { return Relocation(job).run(); }

}  // namespace tessaly::media
