#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/platform/Files.h"
#include "media/ReadMovieInfo.h"

extern "C" {
#include <libavutil/stereo3d.h>
}

using namespace tessaly;
using test_support::testMovie;
namespace fs = std::filesystem;

#define MOVIE(variable, name)                  \
    const fs::path variable = testMovie(name); \
    if (variable.empty()) GTEST_SKIP() << "ffmpeg could not make " << (name)

TEST(Inspect, ReadsWhatTheMovieHolds) {
    MOVIE(movie, "good.mp4");
    const movies::MovieInfo info = media::inspectMovie(movie);
    ASSERT_FALSE(info.error) << *info.error;
    EXPECT_EQ(info.container, "MP4");
    EXPECT_TRUE(info.hasVideo);
    EXPECT_EQ(info.videoCodec, "h264");
    EXPECT_EQ(info.videoProfile, "High");
    EXPECT_EQ(info.width, 1024);
    EXPECT_EQ(info.height, 512);
    EXPECT_DOUBLE_EQ(info.frameRate, 25.0);
    EXPECT_NEAR(info.duration, 2.0, 0.05);
    EXPECT_NEAR(static_cast<double>(info.bitRate),
                static_cast<double>(fs::file_size(movie)) * 8 / info.duration,
                static_cast<double>(info.bitRate) * 0.05);
    EXPECT_EQ(info.audioCodec, "aac");
    EXPECT_EQ(info.indexAtFront, true);
    EXPECT_EQ(info.spherical, "");
}

// Its header's reads run through every fragment, far past the first packets.
TEST(Inspect, AFragmentedMovieHasItsIndexInFront) {
    MOVIE(movie, "fragmented.mp4");
    const fs::path dir = test_support::scratchFolder("media", "fragments");
    ASSERT_TRUE(test_support::manyFragments(movie, 1000, dir / "long.mp4"));
    EXPECT_EQ(media::inspectMovie(dir / "long.mp4").indexAtFront, true);
    fs::remove_all(dir);
}

TEST(Inspect, OnlyMp4AndQuickTimeHaveAnIndexToPlace) {
    MOVIE(webm, "good.webm");
    const movies::MovieInfo info = media::inspectMovie(webm);
    EXPECT_EQ(info.container, "WebM");
    EXPECT_EQ(info.videoCodec, "vp8");
    EXPECT_FALSE(info.indexAtFront.has_value());
}

// Stereo and field as cameras mark them: MP4 st3d/sv3d and Matroska
// StereoMode/Projection written by the libraries, and a WebM that ffmpeg marks
// from the command line. Half the width cropped away is a 180-degree movie.
TEST(Inspect, ReadsTheStereoLayoutAndTheField) {
    MOVIE(movie, "good.mp4");
    constexpr std::uint32_t kQuarter = 0x40000000;
    struct Case {
        const char* file;
        test_support::SphereMarks marks;
        movies::MovieFormat expected;
    };
    using movies::StereoLayout;
    const Case cases[] = {
        {"plain.mp4", {}, {}},
        {"top-bottom.mp4", {AV_STEREO3D_TOPBOTTOM, 0, 0}, {StereoLayout::TopBottom, 360}},
        {"side-180.mp4", {AV_STEREO3D_SIDEBYSIDE, kQuarter, kQuarter}, {StereoLayout::SideBySide, 180}},
        {"mono-180.mp4", {AV_STEREO3D_2D, kQuarter, kQuarter}, {StereoLayout::Mono, 180}},
        {"lines.mp4", {AV_STEREO3D_LINES, 0, 0}, {}},
        {"crop-60.mp4", {-1, kQuarter / 3, kQuarter / 3}, {}},
        {"side.mkv", {AV_STEREO3D_SIDEBYSIDE, 0, 0}, {StereoLayout::SideBySide, 360}},
        {"top-180.mkv", {AV_STEREO3D_TOPBOTTOM, kQuarter, kQuarter}, {StereoLayout::TopBottom, 180}},
    };
    const fs::path dir = test_support::scratchFolder("media", "stereo");
    for (const Case& c : cases) {
        ASSERT_TRUE(test_support::markSphere(movie, dir / c.file, c.marks)) << c.file;
        const movies::MovieInfo info = media::inspectMovie(dir / c.file);
        EXPECT_NE(info.spherical, "") << c.file;
        EXPECT_EQ(info.format.layout, c.expected.layout) << c.file;
        EXPECT_EQ(info.format.field, c.expected.field) << c.file;
    }
    const fs::path webm = dir / "top-bottom.webm";
    ASSERT_TRUE(
        test_support::runFfmpeg("-f lavfi -i testsrc=size=320x320:rate=25 -t 0.2 -c:v libvpx "
                                "-metadata:s:v stereo_mode=top_bottom " +
                                webm.string()));
    EXPECT_EQ(media::inspectMovie(webm).format, (movies::MovieFormat{StereoLayout::TopBottom, 360}));
    fs::remove_all(dir);
}

TEST(Inspect, AFileThatIsNoMovieOrNoRegularFileGivesTheReason) {
    const fs::path dir = test_support::scratchFolder("media", "no-movie");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "notes.mp4", "not a movie at all").ok());
    ASSERT_EQ(::mkfifo((dir / "pipe.mp4").c_str(), 0600), 0);
    EXPECT_EQ(media::inspectMovie(dir / "notes.mp4").error, "Invalid data found when processing input");
    EXPECT_EQ(media::inspectMovie(dir / "pipe.mp4").error, "Not a regular file");  // opening it would block
    EXPECT_EQ(media::inspectMovie(dir / "gone.mp4").error, "No such file or directory");
    fs::remove_all(dir);
}

// Codec strings as browsers take them, for movies whose profile, level and bit
// depth the encoder is told; an encoder this ffmpeg lacks skips its row.
TEST(Inspect, NamesTheCodecAsBrowsersAreAskedAboutIt) {
    struct Case {
        const char* file;
        const char* encoding;
        const char* expected;
    };
    const Case cases[] = {
        {"high.mp4", "-pix_fmt yuv420p -c:v libx264 -profile:v high -level 4.0", "avc1.640028"},
        {"baseline.mp4", "-pix_fmt yuv420p -c:v libx264 -profile:v baseline -level 3.0", "avc1.42c01e"},
        {"main.mp4",
         "-pix_fmt yuv420p -c:v libx265 -preset ultrafast -tag:v hvc1 -x265-params log-level=error",
         "hvc1.1.6.L60.90"},
        {"vp9.webm", "-pix_fmt yuv420p -c:v libvpx-vp9", "vp09.00.10.08"},
        {"vp9.mp4", "-pix_fmt yuv420p -c:v libvpx-vp9", "vp09.00.10.08"},
        {"vp9-10bit.webm", "-pix_fmt yuv420p10le -c:v libvpx-vp9", "vp09.02.10.10"},
        {"av1-10bit.mp4", "-pix_fmt yuv420p10le -c:v libaom-av1 -cpu-used 8", "av01.0.00M.10"},
    };
    const fs::path dir = test_support::scratchFolder("media", "codec-strings");
    int made = 0;
    for (const Case& c : cases) {
        const fs::path movie = dir / c.file;
        if (!test_support::runFfmpeg("-f lavfi -i testsrc=size=256x128:rate=25 -t 0.2 " +
                                     std::string(c.encoding) + " " + movie.string()))
            continue;
        ++made;
        EXPECT_EQ(media::inspectMovie(movie).codecString, c.expected) << c.file;
    }
    fs::remove_all(dir);
    if (made == 0) GTEST_SKIP() << "ffmpeg could not make the movies";
}
