#include <gtest/gtest.h>

#include <clocale>

#include "core/movies/MovieInfo.h"

using namespace tessaly::movies;

namespace {

MovieInfo camera() {
    MovieInfo info;
    info.container = "MP4";
    info.hasVideo = true;
    info.videoCodec = "hevc";
    info.videoProfile = "Main";
    info.codecString = "hvc1.1.6.L153.B0";
    info.width = 5760;
    info.height = 2880;
    info.frameRate = 30000.0 / 1001.0;
    info.duration = 3725.4;
    info.bitRate = 120400000;
    info.audioCodec = "aac";
    info.indexAtFront = false;
    info.spherical = "equirectangular";
    return info;
}

}  // namespace

TEST(MovieSummary, NamesEveryFieldInOneLine) {
    EXPECT_EQ(movieSummary(camera()),
              "MP4, HEVC Main (hvc1.1.6.L153.B0) 5760x2880, 29.97 fps, 1:02:05, 120.4 Mbit/s, AAC, index at "
              "the end, "
              "equirectangular");
}

TEST(MovieSummary, SaysWhatIsMissingAndLeavesOutWhatIsUnknown) {
    MovieInfo sound;
    sound.container = "Ogg";
    sound.audioCodec = "vorbis";
    sound.duration = 59.6;
    sound.bitRate = 96000;
    EXPECT_EQ(movieSummary(sound), "Ogg, no video, 1:00, 96 kbit/s, Vorbis");

    MovieInfo silent = camera();
    silent.audioCodec.clear();
    silent.indexAtFront.reset();
    silent.spherical.clear();
    silent.videoCodec = "dnxhd";
    silent.videoProfile.clear();
    silent.codecString.clear();
    EXPECT_EQ(movieSummary(silent), "MP4, DNXHD 5760x2880, 29.97 fps, 1:02:05, 120.4 Mbit/s, no sound");
}

TEST(MovieSummary, NamesTheStereoLayoutAndAHalfField) {
    MovieInfo stereo = camera();
    stereo.format = {StereoLayout::SideBySide, kHalfField};
    EXPECT_TRUE(movieSummary(stereo).ends_with(", equirectangular, side-by-side stereo, 180 degrees"));
    EXPECT_NE(movieJson("s.mp4", stereo).find("\"stereo\":\"side-by-side\",\"field\":180,"),
              std::string::npos);
}

TEST(MovieSummary, AnUnreadableMovieGivesTheReason) {
    MovieInfo broken;
    broken.error = "Invalid data found when processing input";
    EXPECT_EQ(movieSummary(broken), "Invalid data found when processing input");
}

TEST(MovieSummary, NumbersIgnoreTheUsersLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no comma-decimal locale";
    const std::string line = movieSummary(camera());
    const std::string json = movieJson("tour.mp4", camera());
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(line.find("29.97 fps"), std::string::npos);
    EXPECT_NE(json.find("\"frameRate\":29.97002997"), std::string::npos) << json;
}

TEST(MovieJson, HoldsEveryFieldAndEscapesThePath) {
    EXPECT_EQ(movieJson("a \"b\"\\c.mp4", camera()),
              "{\"file\":\"a \\\"b\\\"\\\\c.mp4\",\"container\":\"MP4\",\"video\":{\"codec\":\"hevc\","
              "\"profile\":\"Main\",\"codecs\":\"hvc1.1.6.L153.B0\",\"width\":5760,\"height\":2880,"
              "\"frameRate\":29.97002997003},"
              "\"duration\":3725.4,\"bitRate\":120400000,\"audio\":\"aac\",\"spatialAudio\":null,"
              "\"indexAtFront\":false,"
              "\"dataEnds\":null,\"spherical\":\"equirectangular\",\"stereo\":\"mono\",\"field\":360,"
              "\"summary\":\"MP4, HEVC "
              "Main (hvc1.1.6.L153.B0) 5760x2880, 29.97 fps, 1:02:05, "
              "120.4 Mbit/s, AAC, index at the end, equirectangular\"}");
}

TEST(MovieJson, AMovieWithoutVideoOrThatCannotBeReadSaysSo) {
    MovieInfo sound;
    sound.audioCodec = "aac";
    EXPECT_NE(movieJson("s.m4a", sound).find("\"video\":null"), std::string::npos);
    EXPECT_NE(movieJson("s.m4a", sound).find("\"indexAtFront\":null"), std::string::npos);
    MovieInfo prores = camera();
    prores.codecString.clear();
    EXPECT_NE(movieJson("p.mov", prores).find("\"codecs\":null"), std::string::npos);
    MovieInfo broken;
    broken.error = "bad\ndata";
    EXPECT_EQ(movieJson("x.mp4", broken), "{\"file\":\"x.mp4\",\"error\":\"bad\\u000adata\"}");
}
