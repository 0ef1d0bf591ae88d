// The warnings before publishing, on real movies: each problem is found in
// the movie that has it and in no other.

#include <gtest/gtest.h>

#include "TestMovies.h"
#include "core/movies/MovieFindings.h"
#include "media/LibavMovieTools.h"

using namespace tessaly;

namespace {

std::vector<std::string> problemsOf(const std::string& name) {
    const std::filesystem::path movie = test_support::testMovie(name);
    if (movie.empty()) return {"ffmpeg could not make " + name};
    media::LibavMovieTools tools;
    std::vector<std::string> problems;
    for (const movies::MovieFinding& finding :
         movies::checkMovies({movie.string(), "", ""}, tools, "/site/index.html"))
        problems.push_back(finding.problem);
    return problems;
}

using Problems = std::vector<std::string>;

}  // namespace

TEST(Findings, AMovieReadyForTheWebHasNone) { EXPECT_EQ(problemsOf("good.mp4"), Problems{}); }

TEST(Findings, HevcIsACodecBrowsersCannotPlay) {
    EXPECT_EQ(problemsOf("hevc.mp4"),
              Problems{"is HEVC, which most browsers cannot play (H.264, VP8, VP9 and AV1 play)"});
}

TEST(Findings, FramesWiderThanPhonesDraw) {
    EXPECT_EQ(
        problemsOf("wide.mp4"),
        Problems{
            "is 5760 pixels wide; most phones draw at most 4096 and no other slot has a smaller version"});
}

TEST(Findings, TheIndexAtTheEnd) {
    const Problems problems = problemsOf("late.mp4");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].starts_with("has its index at the end")) << problems[0];
}

TEST(Findings, ABitRateAboveFortyMegabits) {
    const Problems problems = problemsOf("heavy.mp4");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].starts_with("streams at ")) << problems[0];
    EXPECT_TRUE(problems[0].ends_with(", more than most visitors can load (40 Mbit/s)")) << problems[0];
}

TEST(Findings, AFrameNarrowerThanTwoToOne) {
    EXPECT_EQ(problemsOf("square.mp4"), Problems{"is 640x480, narrower than 2:1: not a full panorama"});
}

TEST(Findings, SoundWithoutVideo) { EXPECT_EQ(problemsOf("sound.m4a"), Problems{"has no video stream"}); }
