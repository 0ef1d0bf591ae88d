#include "media/IndexRelocation.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

#include "media/Mp4Boxes.h"

namespace tessaly::media {
namespace {

using Result = RebuiltIndex::Result;

// Why a movie is refused, after "Cannot read MOVIE: ".
constexpr std::string_view kIndexDamaged = "its index is damaged";
constexpr std::string_view kOffsetOutside = "its index points outside the movie's data";
constexpr std::string_view kTablesMisplaced =
    "a track's sample tables are missing or out of place (a box on the way has a wrong size)";
constexpr std::string_view kChunkOutside = "a chunk of its samples reaches outside the movie's data";

// Why a layout is left to the libraries (never shown: the remux then speaks).
constexpr std::string_view kFragmented = "a fragmented movie";
constexpr std::string_view kCompressed = "a compressed index";
constexpr std::string_view kAuxiliaryOffsets = "offsets of auxiliary sample data";
constexpr std::string_view kUnknownPadding = "bytes between boxes";
constexpr std::string_view kTooLarge = "too large an index";
constexpr std::string_view kCompactSizes = "compact sample sizes";

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

std::uint64_t boxSize(std::uint64_t payload) { return payload + 8 <= kMax32 ? payload + 8 : payload + 16; }

// The index and its free box, up to a whole number of `alignment` bytes.
std::uint64_t alignedShift(std::uint64_t indexSize, std::uint64_t alignment) {
    return (indexSize + 8 + alignment - 1) / alignment * alignment;
}

// A box of the index: the few on the way to the chunk tables are taken apart,
// the chunk tables read, every other box kept as its bytes.
struct Node {
    std::string type;
    std::string_view payload;  // what follows the header, for boxes kept as they are
    std::vector<Node> children;
    bool container = false;
    bool chunkTable = false;
    bool wide = false;  // 64-bit chunk offsets (co64)
    std::uint64_t largestOffset = 0;
    std::vector<std::uint64_t> offsets;

    std::uint64_t payloadSize() const {
        if (container) {
            std::uint64_t total = 0;
            for (const Node& child : children) total += boxSize(child.payloadSize());
            return total;
        }
        if (chunkTable) return 8 + offsets.size() * (wide ? 8 : 4);
        return payload.size();
    }
};

// The boxes whose place decides where a track's samples are read from.
bool placed(std::string_view type) {
    for (const std::string_view known :
         {"trak", "mdia", "minf", "stbl", "stco", "co64", "stsc", "stsz", "stz2"})
        if (type == known) return true;
    return false;
}

bool sampleTable(std::string_view type) {
    return type == "stco" || type == "co64" || type == "stsc" || type == "stsz" || type == "stz2";
}

// What in an index this relocation cannot keep right.
std::optional<std::string_view> unhandledBox(std::string_view parent, std::string_view type) {
    if (parent == "moov" && type == "mvex") return kFragmented;
    if (parent == "moov" && type == "cmov") return kCompressed;
    // Offsets into the file that are not chunk offsets.
    if (parent == "stbl" && type == "saio") return kAuxiliaryOffsets;
    return std::nullopt;
}

class IndexReader {
public:
    explicit IndexReader(std::span<const ByteSpan> mediaData) : mediaData_(mediaData) {}

    RebuiltIndex failure;

    bool readChildren(std::string_view parent, std::string_view payload, std::vector<Node>& into) {
        while (!payload.empty()) {
            // Old QuickTime writers may end a list with a few zero bytes.
            if (payload.size() < 8) return fail(Result::Unhandled, kUnknownPadding);
            const std::optional<BoxHeader> header = parseHeader(payload, payload.size(), false);
            if (!header) return fail(Result::Damaged, kIndexDamaged);
            if (const auto why = unhandledBox(parent, header->type)) return fail(Result::Unhandled, *why);
            // A box with a wrong size on the way hides a track's tables from
            // the relocation while the demuxer still finds them.
            const bool expected =
                header->type == pathChild(parent) || (parent == "stbl" && sampleTable(header->type));
            if (!pathChild(parent).empty() || parent == "stbl") {
                if (placed(header->type) && !expected) return fail(Result::Damaged, kTablesMisplaced);
            }
            Node node;
            node.type = header->type;
            const std::string_view body =
                payload.substr(header->headerSize, header->size - header->headerSize);
            payload.remove_prefix(header->size);
            if (node.type == pathChild(parent)) {
                node.container = true;
                if (!readChildren(node.type, body, node.children)) return false;
            } else if (parent == "stbl" && (node.type == "stco" || node.type == "co64")) {
                if (!readChunkTable(node, body)) return false;
            } else {
                node.payload = body;
            }
            into.push_back(std::move(node));
        }
        return true;
    }

private:
    bool fail(Result result, std::string_view problem) {
        failure.result = result;
        failure.problem = std::string(problem);
        return false;
    }

public:
    // Whether `length` bytes from `offset` lie within one media-data box.
    bool insideMediaData(std::uint64_t offset, std::uint64_t length) const {
        // The spans are in file order; the last one starting at or before the offset.
        const auto after =
            std::upper_bound(mediaData_.begin(), mediaData_.end(), offset,
                             [](std::uint64_t at, const ByteSpan& span) { return at < span.begin; });
        return after != mediaData_.begin() && offset <= std::prev(after)->end &&
               length <= std::prev(after)->end - offset;
    }

    // Every track has its tables where they belong, and every chunk's samples
    // (their sizes from stsz, their number per chunk from stsc) lie in the data.
    bool checkTracks(const Node& moov) {
        for (const Node& trak : moov.children) {
            if (trak.type != "trak") continue;
            const Node* stbl = only(only(only(&trak, "mdia"), "minf"), "stbl");
            if (stbl == nullptr) return fail(Result::Damaged, kTablesMisplaced);
            if (count(*stbl, "stz2") != 0) return fail(Result::Unhandled, kCompactSizes);
            const Node* chunks = only(stbl, "stco");
            if (chunks == nullptr) chunks = only(stbl, "co64");
            const Node* stsc = only(stbl, "stsc");
            const Node* stsz = only(stbl, "stsz");
            if (chunks == nullptr || stsc == nullptr || stsz == nullptr ||
                count(*stbl, "stco") + count(*stbl, "co64") != 1)
                return fail(Result::Damaged, kTablesMisplaced);
            if (!checkChunks(*chunks, stsc->payload, stsz->payload)) return false;
        }
        return true;
    }

private:
    static std::size_t count(const Node& parent, std::string_view type) {
        return static_cast<std::size_t>(std::count_if(parent.children.begin(), parent.children.end(),
                                                      [&](const Node& child) { return child.type == type; }));
    }
    static const Node* only(const Node* parent, std::string_view type) {
        if (parent == nullptr || count(*parent, type) != 1) return nullptr;
        return &*std::find_if(parent->children.begin(), parent->children.end(),
                              [&](const Node& child) { return child.type == type; });
    }

    bool checkChunks(const Node& chunks, std::string_view stsc, std::string_view stsz) {
        if (stsc.size() < 8 || stsz.size() < 12) return fail(Result::Damaged, kIndexDamaged);
        const std::uint64_t runs = bigEndian(stsc, 4, 4);
        const std::uint64_t fixedSize = bigEndian(stsz, 4, 4);
        const std::uint64_t samples = bigEndian(stsz, 8, 4);
        if ((stsc.size() - 8) / 12 < runs || (fixedSize == 0 && (stsz.size() - 12) / 4 < samples))
            return fail(Result::Damaged, kIndexDamaged);
        // Runs start at chunk 1 and go up: the demuxer reads others its own way.
        for (std::uint64_t i = 0; i < runs; ++i) {
            const std::uint64_t first = bigEndian(stsc, 8 + i * 12, 4);
            if (first < (i == 0 ? 1 : bigEndian(stsc, 8 + (i - 1) * 12, 4) + 1) || (i == 0 && first != 1))
                return fail(Result::Damaged, kIndexDamaged);
        }
        std::uint64_t run = 0, sample = 0;
        for (std::uint64_t chunk = 1; chunk <= chunks.offsets.size(); ++chunk) {
            while (run + 1 < runs && bigEndian(stsc, 8 + (run + 1) * 12, 4) <= chunk) ++run;
            if (runs == 0 || bigEndian(stsc, 8 + run * 12, 4) > chunk)
                return fail(Result::Damaged, kIndexDamaged);
            const std::uint64_t perChunk = bigEndian(stsc, 8 + run * 12 + 4, 4);
            std::uint64_t bytes = perChunk * fixedSize;
            if (fixedSize == 0) {
                if (perChunk > samples - sample) return fail(Result::Damaged, kIndexDamaged);
                for (std::uint64_t i = 0; i < perChunk; ++i, ++sample)
                    bytes += bigEndian(stsz, 12 + sample * 4, 4);
            }
            if (!insideMediaData(chunks.offsets[chunk - 1], bytes))
                return fail(Result::Damaged, kChunkOutside);
        }
        return true;
    }

    bool readChunkTable(Node& node, std::string_view body) {
        node.chunkTable = true;
        node.wide = node.type == "co64";
        node.payload = body.substr(0, std::min<std::size_t>(body.size(), 4));  // version and flags
        const std::uint64_t entry = node.wide ? 8 : 4;
        if (body.size() < 8 || (body.size() - 8) / entry != bigEndian(body, 4, 4) ||
            (body.size() - 8) % entry != 0)
            return fail(Result::Damaged, kIndexDamaged);
        const std::size_t count = (body.size() - 8) / entry;
        node.offsets.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint64_t offset = bigEndian(body, 8 + i * entry, entry);
            if (!insideMediaData(offset, 0)) return fail(Result::Damaged, kOffsetOutside);
            node.largestOffset = std::max(node.largestOffset, offset);
            node.offsets.push_back(offset);
        }
        return true;
    }

    std::span<const ByteSpan> mediaData_;
};

void collectTables(Node& node, std::vector<Node*>& tables) {
    if (node.chunkTable) tables.push_back(&node);
    for (Node& child : node.children) collectTables(child, tables);
}

void writeBox(const Node& node, std::uint64_t shift, std::string& out) {
    const std::uint64_t payload = node.payloadSize();
    const std::uint64_t size = boxSize(payload);
    if (size == payload + 8) {
        putBigEndian(out, size, 4);
        out += node.type;
    } else {
        putBigEndian(out, 1, 4);
        out += node.type;
        putBigEndian(out, size, 8);
    }
    if (node.container) {
        for (const Node& child : node.children) writeBox(child, shift, out);
    } else if (node.chunkTable) {
        out += node.payload;  // version and flags
        putBigEndian(out, node.offsets.size(), 4);
        for (const std::uint64_t offset : node.offsets) putBigEndian(out, offset + shift, node.wide ? 8 : 4);
    } else {
        out += node.payload;
    }
}

}  // namespace

RebuiltIndex rebuildIndex(std::string_view moov, std::span<const ByteSpan> mediaData,
                          std::uint64_t alignment) {
    // Size 0: the index reaches to the end of the file, as the caller found it.
    const std::optional<BoxHeader> header = parseHeader(moov, moov.size(), true);
    if (!header || header->type != "moov" || header->size != moov.size())
        return {Result::Damaged, {}, std::string(kIndexDamaged)};
    IndexReader reader(mediaData);
    Node root;
    root.type = "moov";
    root.container = true;
    if (!reader.readChildren("moov", moov.substr(header->headerSize), root.children) ||
        !reader.checkTracks(root))
        return reader.failure;

    // The index grows when a table turns 64-bit, which moves the data further:
    // repeat until no more tables have to.
    std::vector<Node*> tables;
    collectTables(root, tables);
    std::uint64_t shift = alignedShift(boxSize(root.payloadSize()), alignment);
    for (bool widened = true; widened;) {
        widened = false;
        for (Node* table : tables) {
            if (!table->wide && table->largestOffset + shift > kMax32) {
                table->wide = true;
                table->type = "co64";
                widened = true;
            }
        }
        shift = alignedShift(boxSize(root.payloadSize()), alignment);
    }
    if (shift > kMaxIndexBytes) return {Result::Unhandled, {}, std::string(kTooLarge)};
    RebuiltIndex rebuilt{Result::Rebuilt, {}, {}};
    rebuilt.box.reserve(static_cast<std::size_t>(shift));
    writeBox(root, shift, rebuilt.box);
    const std::uint64_t padding = shift - rebuilt.box.size();
    putBigEndian(rebuilt.box, padding, 4);
    rebuilt.box += "free";
    rebuilt.box.append(static_cast<std::size_t>(padding - 8), '\0');
    return rebuilt;
}

}  // namespace tessaly::media
