// The ambisonic mark read from and written into movies ffmpeg makes.

#include <fcntl.h>
#include <gtest/gtest.h>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/movies/MovieTexts.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AmbisonicBox.h"
#include "media/ReadMovieInfo.h"

using namespace tessaly;
namespace fs = std::filesystem;
using movies::SpatialAudio;
namespace texts = movies::texts;

namespace {

std::string indexOf(const fs::path& movie) {
    const std::string bytes = platform::readFile(movie).bytes;
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
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        const platform::FileDescriptor fd(::open(copy.c_str(), O_RDWR | O_CLOEXEC));
        ASSERT_EQ(media::writeAmbisonicMark(fd.get(), media::AmbisonicMark::firstOrder(4)), 0);
        EXPECT_EQ(test_support::packetsOf(copy), test_support::packetsOf(source)) << name;
        const movies::MovieInfo info = media::inspectMovie(copy);
        EXPECT_EQ(info.spatialAudio, SpatialAudio::Ambix) << name;
        EXPECT_NE(movies::movieSummary(info).find(texts::kAmbisonic), std::string::npos);
        EXPECT_NE(movies::movieJson(copy, info).find("\"spatialAudio\":\"ambix\""), std::string::npos);
    }
    fs::remove_all(dir);
}
