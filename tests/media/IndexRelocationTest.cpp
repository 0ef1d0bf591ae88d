// The index rebuilt to lie in front of the media data, on indexes made up
// here: what real movies rarely have (offsets near 4 GiB) and what a damaged
// or hostile file may claim.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/IndexRelocation.h"

using namespace tessaly;
using media::ByteSpan;
using media::rebuildIndex;
using media::RebuiltIndex;

namespace {

std::string bigEndian(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    return out;
}

std::string box(const std::string& type, const std::string& payload) {
    return bigEndian(payload.size() + 8, 4) + type + payload;
}

std::string chunkTable(const std::string& type, const std::vector<std::uint64_t>& offsets) {
    const int width = type == "co64" ? 8 : 4;
    std::string payload = std::string(4, '\0') + bigEndian(offsets.size(), 4);
    for (const std::uint64_t offset : offsets) payload += bigEndian(offset, width);
    return box(type, payload);
}

// One sample of 16 bytes a chunk.
const std::string kSampleTables =
    box("stsc", bigEndian(0, 4) + bigEndian(1, 4) + bigEndian(1, 4) + bigEndian(1, 4) + bigEndian(1, 4)) +
    box("stsz", bigEndian(0, 4) + bigEndian(16, 4) + bigEndian(0, 4));

std::string track(const std::string& table, const std::string& sampleTables = kSampleTables) {
    const std::string stbl = box("stbl", box("stsd", std::string(16, 's')) + sampleTables + table);
    return box("trak", box("tkhd", std::string(84, 't')) +
                           box("mdia", box("mdhd", std::string(24, 'm')) + box("minf", stbl)));
}

const std::string kHeader = box("mvhd", std::string(100, 'h'));
const std::vector<ByteSpan> kData{{0x20, 0x1000}, {0x2000, 0x1'0000'0000}};

}  // namespace

TEST(IndexRelocation, ChunkOffsetsMoveByTheIndexSizeAndTablesThatWouldPass4GiBBecome64Bit) {
    const std::string moov =
        box("moov", kHeader + track(chunkTable("stco", {0x20, 0xFFFFFF00})) +
                        track(chunkTable("stco", {0x2000, 0x30})) + box("udta", std::string(12, 'u')));
    const auto expected = [](std::uint64_t shift) {
        return box("moov", kHeader + track(chunkTable("co64", {0x20 + shift, 0xFFFFFF00 + shift})) +
                               track(chunkTable("stco", {0x2000 + shift, 0x30 + shift})) +
                               box("udta", std::string(12, 'u')));
    };
    const RebuiltIndex rebuilt = rebuildIndex(moov, kData, 4096);
    ASSERT_EQ(rebuilt.result, RebuiltIndex::Result::Rebuilt) << rebuilt.problem;
    // The data moves by whole 4 KiB blocks: the index, then a free box to the boundary.
    const std::size_t indexSize = expected(0).size();
    EXPECT_EQ(indexSize, moov.size() + 8);  // one table of two entries widened
    const std::uint64_t shift = 4096;
    EXPECT_EQ(rebuilt.box, expected(shift) + box("free", std::string(shift - indexSize - 8, '\0')));
}

TEST(IndexRelocation, AnIndexFillingItsLastBlockGetsAWholeBlockOfPadding) {
    // 4096 bytes: no room left for the free box in the same block.
    const std::string trak = track(chunkTable("stco", {0x20}));
    const std::string moov = box("moov", box("mvhd", std::string(4096 - 16 - trak.size(), 'h')) + trak);
    ASSERT_EQ(moov.size(), 4096u);
    const RebuiltIndex rebuilt = rebuildIndex(moov, kData, 4096);
    ASSERT_EQ(rebuilt.result, RebuiltIndex::Result::Rebuilt) << rebuilt.problem;
    EXPECT_EQ(rebuilt.box.size(), 8192u);
    EXPECT_EQ(rebuilt.box.substr(4096, 8), bigEndian(4096, 4) + "free");
}

TEST(IndexRelocation, DamagedIndexesAreRefusedAndLayoutsItDoesNotKnowAreLeftAlone) {
    using Result = RebuiltIndex::Result;
    std::string tooLong = box("moov", kHeader + track(chunkTable("stco", {0x20})));
    tooLong.replace(8 + kHeader.size(), 4, bigEndian(0x7FFFFFFF, 4));  // the track's size
    std::string countTooLarge = box("moov", kHeader + track(chunkTable("stco", {0x20, 0x21})));
    countTooLarge.replace(countTooLarge.find("stco") + 8, 4, bigEndian(3, 4));
    std::string tiny = box("moov", kHeader + track(chunkTable("stco", {0x20})));
    tiny.replace(tiny.find("mvhd") - 4, 4, bigEndian(4, 4));  // smaller than its own header
    // The demuxer still finds tables that a box of the wrong size leaves outside it.
    std::string emptyStbl = box("moov", kHeader + track(chunkTable("stco", {0x20})));
    emptyStbl.replace(emptyStbl.find("stbl") - 4, 4, bigEndian(8, 4));
    const std::string sizes = box(
        "stsz", bigEndian(0, 4) + bigEndian(0, 4) + bigEndian(2, 4) + bigEndian(16, 4) + bigEndian(0x100, 4));
    const std::string stsc = kSampleTables.substr(0, kSampleTables.find("stsz") - 4);
    const struct {
        const char* name;
        std::string moov;
        Result result;
        std::string problem;
    } cases[] = {
        {"a box reaching past the index", tooLong, Result::Damaged, "its index is damaged"},
        {"more entries than the table holds", countTooLarge, Result::Damaged, "its index is damaged"},
        {"a box smaller than its header", tiny, Result::Damaged, "its index is damaged"},
        {"an offset before the data", box("moov", track(chunkTable("stco", {0x10}))), Result::Damaged,
         "its index points outside the movie's data"},
        {"an offset between media-data boxes", box("moov", track(chunkTable("co64", {0x1800}))),
         Result::Damaged, "its index points outside the movie's data"},
        {"not an index", box("free", track(chunkTable("stco", {0x20}))), Result::Damaged,
         "its index is damaged"},
        {"fragments", box("moov", kHeader + box("mvex", box("trex", std::string(24, 'x')))),
         Result::Unhandled, "a fragmented movie"},
        {"compressed", box("moov", box("cmov", std::string(40, 'c'))), Result::Unhandled,
         "a compressed index"},
        {"zero bytes closing a list", box("moov", kHeader + std::string(4, '\0')), Result::Unhandled,
         "bytes between boxes"},
        {"a last chunk reaching past the data", box("moov", track(chunkTable("stco", {0x20, 0x1000 - 8}))),
         Result::Damaged, "a chunk of its samples reaches outside the movie's data"},
        {"a chunk of sizes from stsz reaching past the data",
         box("moov", track(chunkTable("stco", {0x20, 0x1000 - 0x80}), stsc + sizes)), Result::Damaged,
         "a chunk of its samples reaches outside the movie's data"},
        {"more samples in chunks than sizes",
         box("moov", track(chunkTable("stco", {0x20, 0x40, 0x60}), stsc + sizes)), Result::Damaged,
         "its index is damaged"},
        {"runs of chunks out of order",
         box("moov",
             track(chunkTable("stco", {0x20, 0x40, 0x60}),
                   box("stsc", bigEndian(0, 4) + bigEndian(3, 4) + bigEndian(1, 4) + bigEndian(1, 4) +
                                   bigEndian(1, 4) + bigEndian(3, 4) + bigEndian(1, 4) + bigEndian(1, 4) +
                                   bigEndian(2, 4) + bigEndian(1, 4) + bigEndian(1, 4)) +
                       kSampleTables.substr(kSampleTables.find("stsz") - 4))),
         Result::Damaged, "its index is damaged"},
        {"tables outside a sample-table box of size 8", emptyStbl, Result::Damaged,
         "a track's sample tables are missing or out of place (a box on the way has a wrong size)"},
        {"a track inside a track", box("moov", track(track(chunkTable("stco", {0x20})))), Result::Damaged,
         "a track's sample tables are missing or out of place (a box on the way has a wrong size)"},
        {"no sample sizes", box("moov", track(chunkTable("stco", {0x20}), stsc)), Result::Damaged,
         "a track's sample tables are missing or out of place (a box on the way has a wrong size)"},
        {"compact sample sizes",
         box("moov", track(chunkTable("stco", {0x20}), stsc + box("stz2", std::string(12, '\0')))),
         Result::Unhandled, "compact sample sizes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RebuiltIndex rebuilt = rebuildIndex(c.moov, kData, 4096);
        EXPECT_EQ(rebuilt.result, c.result);
        EXPECT_EQ(rebuilt.problem, c.problem);
        EXPECT_TRUE(rebuilt.box.empty());
    }
}

TEST(IndexRelocation, AnIndexOfSizeZeroReachingToTheEndIsRebuiltWithItsSize) {
    const std::string moov = box("moov", kHeader + track(chunkTable("stco", {0x20, 0x2000})));
    const RebuiltIndex sized = rebuildIndex(moov, kData, 4096);
    const RebuiltIndex unsized = rebuildIndex(bigEndian(0, 4) + moov.substr(4), kData, 4096);
    ASSERT_EQ(unsized.result, RebuiltIndex::Result::Rebuilt) << unsized.problem;
    EXPECT_EQ(unsized.box, sized.box);
}
