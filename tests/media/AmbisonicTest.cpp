// The ambisonic mark read from and written into movies ffmpeg makes.

#include <fcntl.h>
#include <gtest/gtest.h>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/movies/MovieTexts.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AmbisonicBox.h"
#include "media/FirstChannel.h"
#include "media/ReadMovieInfo.h"

using namespace tessaly;
namespace fs = std::filesystem;
using movies::SpatialAudio;
namespace texts = movies::texts;

namespace {

std::string indexOf(const fs::path& movie) {
    const std::string bytes = platform::readFile(movie).value();
    const platform::FileDescriptor fd(::open(movie.c_str(), O_RDONLY | O_CLOEXEC));
    const auto index = media::findIndexBox(fd.get(), bytes.size());
    return index ? bytes.substr(index->offset, index->size) : std::string();
}

SpatialAudio classify(std::string_view moov, int channels, std::string& problem) {
    return media::classifyAmbisonicMark(media::findAmbisonicMark(moov), channels, problem);
}

}  // namespace

TEST(AmbisonicMark, ReadsWhatTheSoundTrackIsMarkedWith) {
    const std::string moov = indexOf(test_support::testMovie("quad.mp4"));
    if (moov.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    std::string problem;
    EXPECT_EQ(classify(moov, 4, problem), SpatialAudio::None);  // four channels alone are ordinary sound

    struct Case {
        void (*change)(media::AmbisonicMark&);
        int channels;
        SpatialAudio expected;
        std::string problem;
    };
    const Case cases[] = {
        {[](media::AmbisonicMark&) {}, 4, SpatialAudio::Ambix, ""},
        {[](media::AmbisonicMark& m) { m = media::AmbisonicMark::firstOrder(6); }, 6,
         SpatialAudio::AmbixStereo, ""},
        {[](media::AmbisonicMark& m) { m.order = 2; }, 4, SpatialAudio::Unsupported, "order 2"},
        {[](media::AmbisonicMark& m) { m.channelOrdering = 1; }, 4, SpatialAudio::Unsupported,
         std::string(texts::kAmbisonicFuMa)},
        {[](media::AmbisonicMark& m) { m.normalization = 1; }, 4, SpatialAudio::Unsupported,
         std::string(texts::kAmbisonicN3d)},
        {[](media::AmbisonicMark&) {}, 2, SpatialAudio::Unsupported,
         "2" + std::string(texts::kAmbisonicChannelsSuffix)},
        {[](media::AmbisonicMark& m) { std::swap(m.channelMap[1], m.channelMap[3]); }, 4,
         SpatialAudio::Unsupported, std::string(texts::kAmbisonicChannelMap)},
    };
    for (const Case& c : cases) {
        media::AmbisonicMark mark = media::AmbisonicMark::firstOrder(4);
        c.change(mark);
        const auto marked = media::withAmbisonicMark(moov, mark, 0);
        ASSERT_TRUE(marked);
        problem.clear();
        EXPECT_EQ(classify(*marked, c.channels, problem), c.expected) << c.problem;
        EXPECT_EQ(problem, c.problem);
    }

    // A mark whose channel count its box does not hold is damaged; one whose
    // box reaches past its sample entry is not found at all.
    std::string marked = *media::withAmbisonicMark(moov, media::AmbisonicMark::firstOrder(4), 0);
    const std::size_t at = marked.find("SA3D");
    marked[at + 4 + 11] = 5;
    EXPECT_EQ(classify(marked, 4, problem), SpatialAudio::Unsupported);
    EXPECT_EQ(problem, texts::kAmbisonicDamaged);
    marked[at - 1] = static_cast<char>(marked[at - 1] + 4);
    EXPECT_EQ(classify(marked, 4, problem), SpatialAudio::None);
}

// Written into a movie with its index in front (every chunk moves) and into
// one with its index at the end; the libraries read the same packets.
TEST(AmbisonicMark, WrittenIntoAMovieKeepsEveryPacket) {
    const fs::path dir = test_support::scratchFolder("ambisonic", "written");
    for (const std::string name : {"quad.mp4", "quad.mov"}) {
        const fs::path source = test_support::testMovie(name);
        if (source.empty()) GTEST_SKIP() << "ffmpeg could not make " << name;
        EXPECT_NE(movies::movieJson(source, media::inspectMovie(source)).find("\"spatialAudio\":null"),
                  std::string::npos);
        const fs::path copy = dir / name;
        ASSERT_TRUE(test_support::markAmbisonic(source, copy));
        EXPECT_EQ(test_support::packetsOf(copy), test_support::packetsOf(source)) << name;
        const movies::MovieInfo info = media::inspectMovie(copy);
        EXPECT_EQ(info.spatialAudio, SpatialAudio::Ambix) << name;
        EXPECT_NE(movies::movieSummary(info).find(texts::kAmbisonic), std::string::npos);
        EXPECT_NE(movies::movieJson(copy, info).find("\"spatialAudio\":\"ambix\""), std::string::npos);
    }
    fs::remove_all(dir);
}

// The preview's sound: the first channel alone, from AAC's planar samples and
// from PCM's interleaved ones.
TEST(AmbisonicMark, TheFirstChannelIsWrittenAlone) {
    const fs::path dir = test_support::scratchFolder("ambisonic", "first-channel");
    for (const std::string codec : {"aac", "pcm_s16le"}) {
        for (const bool firstLoud : {true, false}) {
            const std::string gains =
                firstLoud ? "c0=c0|c1=0*c0|c2=0*c0|c3=0*c0" : "c0=0*c0|c1=c0|c2=c0|c3=c0";
            const fs::path movie = dir / (codec + (firstLoud ? "-w.mov" : "-xyz.mov"));
            if (!test_support::runFfmpeg(
                    "-f lavfi -i sine=frequency=440:sample_rate=48000 -t 1 -af 'pan=4c|" + gains + "' -c:a " +
                    codec + " '" + movie.string() + "'"))
                GTEST_SKIP() << "ffmpeg could not make the movie";
            const fs::path wave = dir / "w.wav";
            const platform::FileDescriptor out(
                ::open(wave.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
            const Result<void> outcome = media::writeFirstChannel(movie, out.get(), wave, nullptr);
            ASSERT_TRUE(outcome.ok()) << outcome.failure().message();
            const std::string bytes = platform::readFile(wave).value();
            ASSERT_GT(bytes.size(), 44u);
            EXPECT_EQ(bytes.substr(22, 2), std::string("\1\0", 2));  // one channel
            // The sine is at an eighth of full scale; the other channels are silent.
            std::size_t loudest = 0;
            for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
                loudest = std::max<std::size_t>(
                    loudest,
                    std::abs(static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                       static_cast<unsigned char>(bytes[i + 1]) << 8)));
            EXPECT_EQ(loudest > 1000, firstLoud) << codec << " " << loudest;
            EXPECT_NEAR(static_cast<double>(bytes.size() - 44) / 2 / 48000, 1.0, 0.1) << codec;
        }
    }
    fs::remove_all(dir);
}
