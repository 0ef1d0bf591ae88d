// The warnings before publishing, on real movies: each problem is found in
// the movie that has it and in no other.

#include <gtest/gtest.h>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/movies/MovieFindings.h"
#include "core/publish/Mismatches.h"
#include "media/LibavMovieTools.h"

extern "C" {
#include <libavutil/stereo3d.h>
}

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

// What disagrees between the page and its movies: each kind in the slot that
// has it, and nothing between a movie and one of the same length and shape.
TEST(Findings, MismatchesBetweenThePageAndItsMovies) {
    const std::filesystem::path good = test_support::testMovie("good.mp4");      // 1024x512, 2 s
    const std::filesystem::path late = test_support::testMovie("late.mp4");      // the same, index at the end
    const std::filesystem::path heavy = test_support::testMovie("heavy.mp4");    // 1024x512, 1 s
    const std::filesystem::path square = test_support::testMovie("square.mp4");  // 640x480, 1 s
    if (good.empty() || late.empty() || heavy.empty() || square.empty()) GTEST_SKIP() << "no ffmpeg";
    const std::filesystem::path dir = test_support::scratchFolder("findings", "mismatches");
    const std::filesystem::path stereo = dir / "stereo.mp4";
    ASSERT_TRUE(test_support::markSphere(good, stereo, {AV_STEREO3D_TOPBOTTOM, 0, 0}));
    hotspots::HotSpotList pastTheEnd;
    pastTheEnd.at(3).pos = 2.9;
    pastTheEnd.at(4).pos = 1.5;

    using enum publish::Mismatch::Kind;
    const struct {
        std::string row;
        model::MovieSlots movies;
        hotspots::HotSpotList hotSpots;
        std::vector<std::pair<publish::Mismatch::Kind, int>> found;  // the kind, the slot or the Hot Spot
    } cases[] = {
        {"the same movie", {good.string(), late.string(), ""}, pastTheEnd, {{HotSpotPastEnd, 3}}},
        {"a shorter movie", {good.string(), "", heavy.string()}, {}, {{Duration, 3}}},
        {"another aspect", {heavy.string(), square.string(), ""}, {}, {{Shape, 2}}},
        {"stereo", {good.string(), stereo.string(), ""}, {}, {{Shape, 2}}},
    };
    media::LibavMovieTools tools;
    for (const auto& c : cases) {
        std::vector<std::pair<publish::Mismatch::Kind, int>> found;
        for (const publish::Mismatch& mismatch : publish::checkMismatches(c.movies, tools, c.hotSpots))
            found.emplace_back(mismatch.kind,
                               mismatch.kind == HotSpotPastEnd ? mismatch.hotSpot : mismatch.slot);
        EXPECT_EQ(found, c.found) << c.row;
    }
    std::filesystem::remove_all(dir);
}
