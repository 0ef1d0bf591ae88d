#include "media/AmbisonicBox.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "core/movies/MovieTexts.h"
#include "core/text/Numbers.h"
#include "media/Mp4Boxes.h"

namespace tessaly::media {
namespace {

namespace texts = movies::texts;

constexpr std::string_view kMarkType = "SA3D";
constexpr std::size_t kMarkHead = 12;  // up to the channel map
constexpr std::size_t kMaxTopBoxes = 4096;
constexpr std::size_t kMoveChunk = 1 << 20;

struct Child {
    std::string type;
    std::string_view body;
};

// The boxes in `payload`; nothing when one does not fit. Fewer than eight
// bytes at the end (QuickTime ends some lists with zeros) are left in `tail`.
std::optional<std::vector<Child>> childrenOf(std::string_view payload, std::string_view* tail = nullptr) {
    std::vector<Child> children;
    while (payload.size() >= 8) {
        const std::optional<BoxHeader> header = parseHeader(payload, payload.size(), false);
        if (!header) return std::nullopt;
        children.push_back(
            {header->type, payload.substr(header->headerSize, header->size - header->headerSize)});
        payload.remove_prefix(header->size);
    }
    if (tail != nullptr) *tail = payload;
    return children;
}

const Child* onlyChild(const std::vector<Child>& children, std::string_view type) {
    const Child* found = nullptr;
    for (const Child& child : children) {
        if (child.type != type) continue;
        if (found != nullptr) return nullptr;
        found = &child;
    }
    return found;
}

// A box around `payload`.
std::string boxOf(std::string_view type, std::string_view payload) {
    std::string out;
    if (payload.size() + 8 <= std::numeric_limits<std::uint32_t>::max()) {
        putBigEndian(out, payload.size() + 8, 4);
        out += type;
    } else {
        putBigEndian(out, 1, 4);
        out += type;
        putBigEndian(out, payload.size() + 16, 8);
    }
    out += payload;
    return out;
}

// Whether the track box's payload is a sound track (its handler is "soun").
bool soundTrack(std::string_view trak) {
    const auto children = childrenOf(trak);
    const Child* mdia = children ? onlyChild(*children, "mdia") : nullptr;
    const auto inMdia = mdia != nullptr ? childrenOf(mdia->body) : std::nullopt;
    const Child* hdlr = inMdia ? onlyChild(*inMdia, "hdlr") : nullptr;
    return hdlr != nullptr && hdlr->body.size() >= 12 && hdlr->body.substr(8, 4) == "soun";
}

// The bytes of a sound sample entry before its child boxes: reserved, data
// reference, then a QuickTime sound description of version 0, 1 or 2.
std::optional<std::size_t> soundEntryHead(std::string_view entry) {
    if (entry.size() < 28) return std::nullopt;
    const std::uint64_t version = bigEndian(entry, 8, 2);
    const std::size_t head = version == 1 ? 44 : version == 2 ? 64 : 28;
    if (entry.size() < head) return std::nullopt;
    return head;
}

// The first sample entry of a sample description box's payload, whole.
std::optional<Child> firstEntry(std::string_view stsd) {
    if (stsd.size() < 8 || bigEndian(stsd, 4, 4) == 0) return std::nullopt;
    const auto entries = childrenOf(stsd.substr(8));
    if (!entries || entries->empty()) return std::nullopt;
    return entries->front();
}

// The path from a track to its sample description.
constexpr std::string_view kPath[] = {"mdia", "minf", "stbl", "stsd"};

std::optional<std::string_view> sampleDescription(std::string_view trak) {
    std::string_view body = trak;
    for (const std::string_view type : kPath) {
        const auto children = childrenOf(body);
        const Child* next = children ? onlyChild(*children, type) : nullptr;
        if (next == nullptr) return std::nullopt;
        body = next->body;
    }
    return body;
}

// Rebuilds boxes with the mark and moved chunk offsets.
class MarkWriter {
public:
    MarkWriter(const AmbisonicMark& mark, std::int64_t shift) : mark_(ambisonicBox(mark)), shift_(shift) {}

    // The new payload of the box `type` on the way to the sample tables, whose
    // payload is `body`; `marked`: inside the track that gets the mark.
    std::optional<std::string> payload(std::string_view type, std::string_view body, bool marked) {
        std::string_view tail;
        const auto children = childrenOf(body, &tail);
        if (!children) return std::nullopt;
        std::string out;
        for (const Child& child : *children) {
            std::optional<std::string> inner;
            if (child.type == pathChild(type)) {
                bool markChild = marked;
                if (type == "moov" && !done_ && soundTrack(child.body)) {
                    markChild = true;
                    done_ = true;
                }
                inner = payload(child.type, child.body, markChild);
            } else if (type == "stbl" && (child.type == "stco" || child.type == "co64")) {
                inner = chunkTable(child.body, child.type == "co64" ? 8 : 4);
            } else if (type == "stbl" && child.type == "stsd" && marked) {
                inner = sampleDescription(child.body);
            } else {
                inner = std::string(child.body);
            }
            if (!inner) return std::nullopt;
            out += boxOf(child.type, *inner);
        }
        return out += tail;
    }

    bool marked() const { return done_; }

private:
    std::optional<std::string> chunkTable(std::string_view body, std::size_t width) const {
        if (body.size() < 8 || (body.size() - 8) / width < bigEndian(body, 4, 4)) return std::nullopt;
        const std::uint64_t largest = width == 8 ? std::numeric_limits<std::uint64_t>::max()
                                                 : std::numeric_limits<std::uint32_t>::max();
        std::string out(body.substr(0, 8));
        const std::uint64_t count = bigEndian(body, 4, 4);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t offset = bigEndian(body, static_cast<std::size_t>(8 + i * width), width);
            const auto magnitude = static_cast<std::uint64_t>(shift_ < 0 ? -shift_ : shift_);
            if (shift_ < 0 ? offset < magnitude : largest - offset < magnitude) return std::nullopt;
            putBigEndian(out, shift_ < 0 ? offset - magnitude : offset + magnitude, width);
        }
        return out += body.substr(static_cast<std::size_t>(8 + count * width));
    }

    std::optional<std::string> sampleDescription(std::string_view stsd) const {
        const std::optional<Child> entry = firstEntry(stsd);
        if (!entry) return std::nullopt;
        const std::optional<std::size_t> head = soundEntryHead(entry->body);
        std::string_view tail;
        const auto children = head ? childrenOf(entry->body.substr(*head), &tail) : std::nullopt;
        if (!children) return std::nullopt;
        std::string newEntry(entry->body.substr(0, *head));
        for (const Child& child : *children)
            if (child.type != kMarkType) newEntry += boxOf(child.type, child.body);
        newEntry += mark_;
        newEntry += tail;
        // The first entry's whole box ends where its payload does.
        const std::size_t entryEnd =
            static_cast<std::size_t>(entry->body.data() + entry->body.size() - stsd.data());
        return std::string(stsd.substr(0, 8)) + boxOf(entry->type, newEntry) +
               std::string(stsd.substr(entryEnd));
    }

    std::string mark_;
    std::int64_t shift_;
    bool done_ = false;
};

// The whole of `count` bytes at `offset`, by pread or pwrite; false on an
// error or the end of the file.
template <typename Buffer, typename Transfer>
bool transferAll(Transfer transfer, int fd, std::uint64_t offset, Buffer* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = transfer(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::uint64_t offset, std::string& bytes) {
    return transferAll(::pread, fd, offset, bytes.data(), bytes.size());
}

bool writeAll(int fd, std::uint64_t offset, std::string_view bytes) {
    return transferAll(::pwrite, fd, offset, bytes.data(), bytes.size());
}

int lastError() { return errno != 0 ? errno : EIO; }

// Moves the bytes [from, end) of the file by `by`, from the far end first when
// they move towards it.
int moveTail(int fd, std::uint64_t from, std::uint64_t end, std::int64_t by) {
    std::string chunk;
    const std::uint64_t length = end - from;
    for (std::uint64_t moved = 0; moved < length;) {
        const std::uint64_t step = std::min<std::uint64_t>(kMoveChunk, length - moved);
        const std::uint64_t at = by > 0 ? end - moved - step : from + moved;
        chunk.resize(static_cast<std::size_t>(step));
        if (!readAll(fd, at, chunk) ||
            !writeAll(fd, static_cast<std::uint64_t>(static_cast<std::int64_t>(at) + by), chunk))
            return lastError();
        moved += step;
    }
    return 0;
}

}  // namespace

AmbisonicMark AmbisonicMark::firstOrder(std::size_t channels) {
    AmbisonicMark mark;
    for (std::uint32_t i = 0; i < channels; ++i) mark.channelMap.push_back(i);
    return mark;
}

std::optional<AmbisonicMark> parseAmbisonicMark(std::string_view payload) {
    if (payload.size() < kMarkHead) return std::nullopt;
    AmbisonicMark mark;
    mark.version = static_cast<std::uint8_t>(payload[0]);
    mark.type = static_cast<std::uint8_t>(payload[1]);
    mark.order = static_cast<std::uint32_t>(bigEndian(payload, 2, 4));
    mark.channelOrdering = static_cast<std::uint8_t>(payload[6]);
    mark.normalization = static_cast<std::uint8_t>(payload[7]);
    const std::uint64_t channels = bigEndian(payload, 8, 4);
    if ((payload.size() - kMarkHead) % 4 != 0 || (payload.size() - kMarkHead) / 4 != channels)
        return std::nullopt;
    for (std::size_t i = 0; i < channels; ++i)
        mark.channelMap.push_back(static_cast<std::uint32_t>(bigEndian(payload, kMarkHead + 4 * i, 4)));
    return mark;
}

std::string ambisonicBox(const AmbisonicMark& mark) {
    std::string payload;
    putBigEndian(payload, mark.version, 1);
    putBigEndian(payload, mark.type, 1);
    putBigEndian(payload, mark.order, 4);
    putBigEndian(payload, mark.channelOrdering, 1);
    putBigEndian(payload, mark.normalization, 1);
    putBigEndian(payload, mark.channelMap.size(), 4);
    for (const std::uint32_t channel : mark.channelMap) putBigEndian(payload, channel, 4);
    return boxOf(kMarkType, payload);
}

FoundMark findAmbisonicMark(std::string_view moov) {
    const std::optional<BoxHeader> header = parseHeader(moov, moov.size(), true);
    if (!header || header->type != "moov") return {};
    const auto tracks = childrenOf(moov.substr(header->headerSize, header->size - header->headerSize));
    if (!tracks) return {};
    for (const Child& trak : *tracks) {
        if (trak.type != "trak" || !soundTrack(trak.body)) continue;
        // The first sound track is the one a browser plays.
        const std::optional<std::string_view> stsd = sampleDescription(trak.body);
        const std::optional<Child> entry = stsd ? firstEntry(*stsd) : std::nullopt;
        const std::optional<std::size_t> head = entry ? soundEntryHead(entry->body) : std::nullopt;
        const auto children = head ? childrenOf(entry->body.substr(*head)) : std::nullopt;
        const Child* sa3d = children ? onlyChild(*children, kMarkType) : nullptr;
        if (sa3d == nullptr) return {};
        FoundMark found{parseAmbisonicMark(sa3d->body), false};
        found.damaged = !found.mark;
        return found;
    }
    return {};
}

movies::SpatialAudio classifyAmbisonicMark(const FoundMark& found, int channels, std::string& problem) {
    using movies::SpatialAudio;
    if (!found.mark && !found.damaged) return SpatialAudio::None;
    const auto unsupported = [&problem](std::string why) {
        problem = std::move(why);
        return SpatialAudio::Unsupported;
    };
    if (found.damaged || found.mark->version != 0) return unsupported(std::string(texts::kAmbisonicDamaged));
    const AmbisonicMark& mark = *found.mark;
    if (mark.type != 0) return unsupported(std::string(texts::kAmbisonicType));
    if (mark.order != 1)
        return unsupported(std::string(texts::kAmbisonicOrder) + text::formatInteger(mark.order));
    if (mark.channelOrdering != 0)
        return unsupported(
            std::string(mark.channelOrdering == 1 ? texts::kAmbisonicFuMa : texts::kAmbisonicOrdering));
    if (mark.normalization != 0)
        return unsupported(
            std::string(mark.normalization == 1 ? texts::kAmbisonicN3d : texts::kAmbisonicNormalisation));
    const std::size_t marked = mark.channelMap.size();
    if ((marked != 4 && marked != 6) || (channels > 0 && static_cast<std::size_t>(channels) != marked))
        return unsupported(text::formatInteger(channels > 0 ? channels : static_cast<long long>(marked)) +
                           std::string(texts::kAmbisonicChannelsSuffix));
    for (std::size_t i = 0; i < marked; ++i)
        if (mark.channelMap[i] != i) return unsupported(std::string(texts::kAmbisonicChannelMap));
    return marked == 4 ? SpatialAudio::Ambix : SpatialAudio::AmbixStereo;
}

std::optional<std::string> withAmbisonicMark(std::string_view moov, const AmbisonicMark& mark,
                                             std::int64_t chunkShift) {
    const std::optional<BoxHeader> header = parseHeader(moov, moov.size(), true);
    if (!header || header->type != "moov" || header->size != moov.size()) return std::nullopt;
    MarkWriter writer(mark, chunkShift);
    const auto payload = writer.payload("moov", moov.substr(header->headerSize), false);
    if (!payload || !writer.marked()) return std::nullopt;
    std::string marked = boxOf("moov", *payload);
    // A track with its boxes twice over gets the mark where the reader does not look.
    const FoundMark found = findAmbisonicMark(marked);
    if (!found.mark || ambisonicBox(*found.mark) != ambisonicBox(mark)) return std::nullopt;
    return marked;
}

std::optional<IndexBox> findIndexBox(int fd, std::uint64_t size) {
    std::optional<IndexBox> index;
    bool dataBefore = false, dataAfter = false;
    std::string head(16, '\0');
    std::size_t boxes = 0;
    for (std::uint64_t at = 0; at < size; ++boxes) {
        const std::uint64_t room = size - at;
        if (boxes == kMaxTopBoxes) return std::nullopt;
        head.resize(static_cast<std::size_t>(std::min<std::uint64_t>(room, 16)));
        if (!readAll(fd, at, head)) return std::nullopt;
        const std::optional<BoxHeader> header = parseHeader(head, room, true);
        if (!header) return std::nullopt;
        if (header->type == "moov") {
            if (index) return std::nullopt;
            index = IndexBox{at, header->size, false, false};
        } else if (header->type == "mdat") {
            (index ? dataAfter : dataBefore) = true;
        } else if (header->type == "moof") {
            return std::nullopt;  // a fragmented movie: its fragments carry offsets of their own
        }
        at += header->size;
    }
    if (!index || index->size > kMaxIndexBytes) return std::nullopt;
    index->dataBefore = dataBefore;
    index->dataAfter = dataAfter;
    return index;
}

FoundMark readAmbisonicMark(int fd, std::uint64_t size) {
    const std::optional<IndexBox> index = findIndexBox(fd, size);
    if (!index) return {};
    std::string moov(static_cast<std::size_t>(index->size), '\0');
    if (!readAll(fd, index->offset, moov)) return {};
    return findAmbisonicMark(moov);
}

int writeAmbisonicMark(int fd, const AmbisonicMark& mark) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return errno;
    const auto size = static_cast<std::uint64_t>(status.st_size);
    const std::optional<IndexBox> index = findIndexBox(fd, size);
    // Data on both sides of the index would move by different amounts.
    if (!index || (index->dataBefore && index->dataAfter)) return EINVAL;
    std::string moov(static_cast<std::size_t>(index->size), '\0');
    if (!readAll(fd, index->offset, moov)) return lastError();
    std::optional<std::string> marked = withAmbisonicMark(moov, mark, 0);
    if (!marked) return EINVAL;
    const std::int64_t growth =
        static_cast<std::int64_t>(marked->size()) - static_cast<std::int64_t>(moov.size());
    if (index->dataAfter && growth != 0) {
        marked = withAmbisonicMark(moov, mark, growth);
        if (!marked) return EINVAL;
    }
    const std::uint64_t end = index->offset + index->size;
    if (growth != 0) {
        if (const int error = moveTail(fd, end, size, growth); error != 0) return error;
    }
    if (!writeAll(fd, index->offset, *marked)) return lastError();
    if (growth < 0 && ::ftruncate(fd, static_cast<off_t>(static_cast<std::int64_t>(size) + growth)) != 0)
        return errno;
    return 0;
}

}  // namespace tessaly::media
