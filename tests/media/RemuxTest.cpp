#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/CopyCheck.h"
#include "media/Mp4Boxes.h"
#include "media/ReadMovieInfo.h"
#include "media/Remux.h"

extern "C" {
#include <libavutil/avutil.h>
}

using namespace tessaly;
using test_support::testMovie;
namespace fs = std::filesystem;

namespace {

class RemuxTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("remux",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    using Remux = Result<void> (*)(const fs::path&, int, const fs::path&, const movies::ByteProgress&,
                                   const std::atomic<bool>*);

    // Remuxes `movie` to dir / its name and puts it in place; the outcome.
    Result<void> remux(const fs::path& movie, const std::atomic<bool>* stop = nullptr,
                       Remux how = media::remuxIndexFirst) {
        platform::TemporaryFile out;
        EXPECT_EQ(out.create(dir / movie.filename()), 0);
        Result<void> outcome = how(
            movie, out.fd(), dir / movie.filename(),
            [this](std::uint64_t done, std::uint64_t total) { progress.emplace_back(done, total); }, stop);
        if (outcome.ok()) {
            EXPECT_EQ(out.replaceTarget(), 0);
        }
        return outcome;
    }

    // Where a test puts the movies it makes: dir / "source" / name.
    fs::path source(const std::string& name) {
        fs::create_directories(dir / "source");
        return dir / "source" / name;
    }

    fs::path dir;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
};

}  // namespace

TEST_F(RemuxTest, TheIndexMovesToTheFrontAndThePacketsStayTheSame) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string before = platform::readFile(late).value();

    const Result<void> outcome = remux(late);
    ASSERT_TRUE(outcome.ok()) << outcome.failure().message();
    const fs::path copy = dir / "late.mp4";
    EXPECT_EQ(media::inspectMovie(copy).indexAtFront, true);
    const auto packets = test_support::packetsOf(late);
    EXPECT_GT(packets.size(), 100u);  // 50 frames and 94 sound packets
    EXPECT_EQ(test_support::packetsOf(copy), packets);
    EXPECT_EQ(platform::readFile(late).value(), before) << "the user's movie is only read";
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), std::make_pair(std::uint64_t{before.size()}, std::uint64_t{before.size()}));
}

// Cameras write telemetry and timecode beside the picture; both stay, with
// every other packet, in MP4 and in QuickTime.
TEST_F(RemuxTest, DataTracksSuchAsTelemetryAndTimecodeAreKept) {
    const fs::path late = testMovie("late.mp4");
    const fs::path timecode = testMovie("timecode.mov");
    if (late.empty() || timecode.empty()) GTEST_SKIP() << "ffmpeg could not make the movies";
    const fs::path telemetry = source("telemetry.mp4");
    ASSERT_TRUE(test_support::addTelemetry(late, telemetry));
    for (const fs::path& movie : {telemetry, timecode}) {
        SCOPED_TRACE(movie.filename());
        ASSERT_EQ(media::inspectMovie(movie).indexAtFront, false);
        ASSERT_TRUE(remux(movie).ok());
        const fs::path copy = dir / movie.filename();
        EXPECT_EQ(media::inspectMovie(copy).indexAtFront, true);
        const auto packets = test_support::packetsOf(movie);
        EXPECT_TRUE(std::any_of(packets.begin(), packets.end(), [](const test_support::PacketInfo& packet) {
            return packet.streamType == AVMEDIA_TYPE_DATA;
        }));
        EXPECT_EQ(test_support::packetsOf(copy), packets);
    }
}

// Media data of more than 4 GiB has a 64-bit size; here the same data, its box
// written that way in place of the free box ffmpeg leaves in front of it.
TEST_F(RemuxTest, AMediaDataBoxWithA64BitSizeIsRelocated) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    std::string bytes = platform::readFile(late).value();
    ASSERT_EQ(bytes.substr(36, 4), "free");
    ASSERT_EQ(bytes.substr(44, 4), "mdat");
    const auto bigEndian = [](std::uint64_t value, int count) {
        std::string out;
        for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        return out;
    };
    std::uint64_t dataSize = 0;
    for (int i = 0; i < 4; ++i) dataSize = dataSize << 8 | static_cast<unsigned char>(bytes[40 + i]);
    bytes.replace(32, 16, bigEndian(1, 4) + "mdat" + bigEndian(dataSize + 8, 8));
    const fs::path size64 = source("size64.mp4");
    ASSERT_TRUE(platform::writeFileAtomic(size64, bytes).ok());
    ASSERT_EQ(test_support::packetsOf(size64), test_support::packetsOf(late));

    const Result<void> outcome = remux(size64);
    ASSERT_TRUE(outcome.ok()) << outcome.failure().message();
    EXPECT_EQ(media::inspectMovie(dir / "size64.mp4").indexAtFront, true);
    EXPECT_EQ(test_support::packetsOf(dir / "size64.mp4"), test_support::packetsOf(late));
    // Relocated, not remuxed: the box is copied as it was.
    const std::string copy = platform::readFile(dir / "size64.mp4").value();
    const std::size_t data = copy.find("mdat");
    ASSERT_NE(data, std::string::npos);
    EXPECT_EQ(copy.substr(data - 4, 4), bigEndian(1, 4));
}

// What the relocation falls back to would drop a data track: it refuses instead.
TEST_F(RemuxTest, TheLibrariesRemuxRefusesAMovieWithADataTrack) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path telemetry = source("telemetry.mp4");
    ASSERT_TRUE(test_support::addTelemetry(late, telemetry));
    const Result<void> outcome = remux(telemetry, nullptr, media::remuxWithLibraries);
    ASSERT_TRUE(outcome.failed());
    EXPECT_TRUE(
        outcome.failure().message().starts_with("Cannot move the index of " + telemetry.string() + ": "))
        << outcome.failure().message();
    EXPECT_FALSE(fs::exists(dir / "telemetry.mp4"));
}

TEST_F(RemuxTest, AFragmentedMovieIsRemuxedByTheLibraries) {
    const fs::path movie = testMovie("fragmented.mp4");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    ASSERT_TRUE(remux(movie).ok());
    const fs::path copy = dir / "fragmented.mp4";
    EXPECT_EQ(media::inspectMovie(copy).indexAtFront, true);
    EXPECT_EQ(test_support::packetsOf(copy), test_support::packetsOf(movie));
}

// A damaged or unusual movie is either rewritten with every packet it had, or
// refused with its name; a refused movie leaves no copy to be published.
TEST_F(RemuxTest, DamagedLayoutsAreRefusedByNameOrKeepEveryPacket) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string bytes = platform::readFile(late).value();
    const auto bigEndian = [](std::uint64_t value) {
        std::string out;
        for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        return out;
    };
    const auto patched = [&](std::string_view box, std::ptrdiff_t at, std::string_view with) {
        std::string copy = bytes;
        const std::size_t found = copy.rfind(box);
        EXPECT_NE(found, std::string::npos);
        copy.replace(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(found) + at), with.size(), with);
        return copy;
    };
    // The last chunk offset 8 bytes before the media data ends: its samples run past it.
    const std::size_t data = bytes.find("mdat") - 4;
    std::uint64_t dataEnd = 0;
    for (int i = 0; i < 4; ++i) dataEnd = dataEnd << 8 | static_cast<unsigned char>(bytes[data + i]);
    dataEnd += data;
    const std::size_t stco = bytes.rfind("stco");
    std::uint64_t chunks = 0;
    for (int i = 0; i < 4; ++i) chunks = chunks << 8 | static_cast<unsigned char>(bytes[stco + 8 + i]);
    const std::string pastTheData =
        patched("stco", static_cast<std::ptrdiff_t>(8 + chunks * 4), bigEndian(dataEnd - 8));

    const std::string cutShort =
        "Cannot read %: it is cut short or damaged: a part of it reaches past its end";
    const std::string misplaced =
        "Cannot read %: a track's sample tables are missing or out of place (a box on the way has a wrong "
        "size)";
    const struct {
        const char* name;
        std::string bytes;
        std::string refusal;  // % for the movie; empty when rewritten
    } cases[] = {
        {"cut.mp4", bytes.substr(0, bytes.size() - 100), cutShort},
        {"outside.mp4", patched("stco", 12, std::string("\xFF\xFF\xFF\x00", 4)),
         "Cannot read %: its index points outside the movie's data"},
        {"overlong.mp4", patched("trak", -4, std::string("\x7F\xFF\xFF\xFF", 4)),
         "Cannot read %: its index is damaged"},
        {"past-the-data.mp4", pastTheData,
         "Cannot read %: a chunk of its samples reaches outside the movie's data"},
        {"stbl-of-8.mp4", patched("stbl", -4, bigEndian(8)), misplaced},
        {"moov-of-0.mp4", patched("moov", -4, bigEndian(0)), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path movie = source(c.name);
        ASSERT_TRUE(platform::writeFileAtomic(movie, c.bytes).ok());
        const Result<void> outcome = remux(movie);
        if (c.refusal.empty()) {
            ASSERT_TRUE(outcome.ok()) << outcome.failure().message();
            EXPECT_EQ(test_support::packetsOf(dir / c.name), test_support::packetsOf(movie));
            EXPECT_EQ(media::inspectMovie(dir / c.name).indexAtFront, true);
            continue;
        }
        ASSERT_TRUE(outcome.failed());
        std::string expected = c.refusal;
        expected.replace(expected.find('%'), 1, movie.string());
        EXPECT_EQ(outcome.failure().message(), expected);
        EXPECT_FALSE(fs::exists(dir / c.name));
    }
}

// The checks that turn a rewritten copy away, handed a movie and a copy whose
// indexes differ in one thing, each way round (either may have a frame more).
// The relocated copy's check compares places, not composition times; the
// remuxed one's reads packets wherever they lie.
TEST_F(RemuxTest, TheCopyChecksTurnAwayACopyThatDiffersInAnyOneThing) {
    const fs::path keys = testMovie("keys.mp4");
    if (keys.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string bytes = platform::readFile(keys).value();
    // The `nth` box of this type, the video track's first; a change to it: a
    // 32-bit number `at` bytes into it gets `delta`, or the type another name.
    const auto find = [&](std::string_view type, int nth) {
        std::size_t box = bytes.find(type, bytes.find("moov"));
        while (nth-- > 0) box = bytes.find(type, box + 4);
        return box;
    };
    const auto add = [&](std::string_view type, std::size_t at, int delta) {
        return [=, box = find(type, 0) + at](std::string& m) {
            std::string n;
            media::putBigEndian(n, media::bigEndian(m, box, 4) + static_cast<std::uint64_t>(delta), 4);
            m.replace(box, 4, n);
        };
    };
    const auto rename = [&](std::string_view type, std::string to, int nth = 0) {
        return [=, box = find(type, nth)](std::string& m) { m.replace(box, 4, to); };
    };
    const std::uint64_t frames = media::bigEndian(bytes, bytes.find("stsz") + 12, 4);
    const struct {
        const char* name;
        std::function<void(std::string&)> change;
        bool relocated, remuxed;  // which check looks at it
    } cases[] = {
        {"a frame more", add("stsz", 12, -1), true, true},
        {"a frame's size", add("stsz", 16 + (frames - 1) * 4, -1), true, true},
        {"the frames' times", add("stts", 16, 1), true, true},
        {"the key frames", add("stss", 16, 1), true, true},
        {"the video codec", rename("avc1", "hvc1"), true, true},
        {"a stream's kind", rename("soun", "vide"), true, true},
        {"a stream more", rename("trak", "free", 1), true, true},
        {"a chunk's place", add("stco", 12, 1), true, false},
        {"a frame's composition time", add("ctts", 16, 1), false, true},
    };
    const media::ByteSpan data[] = {{bytes.find("mdat") + 4, bytes.size()}};
    const platform::OpenedFile movie = platform::openRegularFile(keys);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string changed = bytes;
        c.change(changed);
        ASSERT_TRUE(platform::writeFileAtomic(source("changed.mp4"), changed).ok());
        const platform::OpenedFile copy = platform::openRegularFile(source("changed.mp4"));
        for (const auto& [a, b] :
             {std::pair(movie.fd.get(), copy.fd.get()), std::pair(copy.fd.get(), movie.fd.get())}) {
            EXPECT_EQ(media::relocatedCopyDiffers(a, b, 0, data).has_value(), c.relocated);
            EXPECT_EQ(media::remuxedCopyDiffers(a, b, nullptr).has_value(), c.remuxed);
        }
    }
}

TEST_F(RemuxTest, TheSphericalMarkTravelsWithTheMovie) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path marked = source("marked.mp4");
    ASSERT_TRUE(test_support::markSphere(late, marked, {}));
    ASSERT_EQ(media::inspectMovie(marked).indexAtFront, false);
    ASSERT_TRUE(remux(marked).ok());
    EXPECT_EQ(media::inspectMovie(dir / "marked.mp4").spherical, "equirectangular");
}

TEST_F(RemuxTest, StopsWhenAsked) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::atomic<bool> stop{true};
    const Result<void> outcome = remux(late, &stop);
    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.kind(), FailureKind::Cancelled);
    EXPECT_FALSE(fs::exists(dir / "late.mp4"));
}

TEST_F(RemuxTest, StopsPartWayWhenAskedWhileCopying) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    std::atomic<bool> stop{false};
    platform::TemporaryFile out;
    ASSERT_EQ(out.create(dir / "late.mp4"), 0);
    std::uint64_t last = 0, total = 0;
    const Result<void> outcome = media::remuxIndexFirst(
        late, out.fd(), dir / "late.mp4",
        [&](std::uint64_t done, std::uint64_t size) {
            last = done;
            total = size;
            stop = true;
        },
        &stop);
    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.kind(), FailureKind::Cancelled);
    EXPECT_LT(last, total);
}

TEST_F(RemuxTest, AFullDiskNamesTheFileBeingWritten) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const platform::FileDescriptor full(::open("/dev/full", O_RDWR | O_CLOEXEC));
    if (!full.valid()) GTEST_SKIP() << "no /dev/full";
    const Result<void> outcome = media::remuxIndexFirst(late, full.get(), dir / "late.mp4", {}, nullptr);
    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.failure().message(),
              "Cannot write " + (dir / "late.mp4").string() + ": No space left on device");
}
