#include <gtest/gtest.h>

#include "../ScratchFolder.h"
#include "core/movies/MovieFindings.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/MovieTools.h"
#include "core/platform/Files.h"

using namespace tessaly;
using namespace tessaly::movies;
namespace fs = std::filesystem;

namespace {

MovieInfo webMovie(int width, int height) {
    MovieInfo info;
    info.container = "MP4";
    info.hasVideo = true;
    info.videoCodec = "h264";
    info.width = width;
    info.height = height;
    info.bitRate = 20000000;
    info.indexAtFront = true;
    return info;
}

std::vector<std::string> lines(const std::vector<MovieFinding>& findings) {
    std::vector<std::string> result;
    for (const MovieFinding& finding : findings) result.push_back(findingLine(finding));
    return result;
}

// Answers from a table by path; counts what it was asked.
class FakeTools : public MovieTools {
public:
    std::map<std::string, MovieInfo> movies;
    std::vector<std::string> asked;
    MovieInfo inspect(const std::filesystem::path& movie, const std::atomic<bool>*) override {
        asked.push_back(movie.string());
        return movies.at(movie.string());
    }
    Result<void> moveIndexToFront(const std::filesystem::path&, int, const std::filesystem::path&,
                                  const ByteProgress&, const std::atomic<bool>*) override {
        return success();
    }
};

}  // namespace

TEST(MovieFindings, AWideMovieIsFineWhenAnotherSlotHoldsASmallerVersion) {
    const movies::MovieSlots slots{"/m/tour-8k.mp4", "/m/tour-4k.mp4", ""};
    InspectedSlots inspected{webMovie(8192, 4096), webMovie(4096, 2048), std::nullopt};
    EXPECT_TRUE(movieFindings(slots, inspected).empty());

    inspected[1] = webMovie(6000, 3000);
    EXPECT_EQ(lines(movieFindings(slots, inspected)),
              (std::vector<std::string>{
                  "Slot 1, tour-8k.mp4: is 8192 pixels wide; most phones draw at most 4096 and no other slot "
                  "has a smaller version",
                  "Slot 2, tour-4k.mp4: is 6000 pixels wide; most phones draw at most 4096 and no other slot "
                  "has a smaller version"}));
}

TEST(MovieFindings, AnUnreadableMovieOrOneWithoutVideoGetsOneLineOnly) {
    MovieInfo broken;
    broken.error = "Invalid data found when processing input";
    MovieInfo sound;
    sound.audioCodec = "aac";
    sound.bitRate = 90000000;
    const std::vector<MovieFinding> found =
        movieFindings({"  /m/a.mp4 ", "/m/b.m4v", ""}, InspectedSlots{broken, sound, std::nullopt});
    EXPECT_EQ(lines(found), (std::vector<std::string>{
                                "Slot 1, a.mp4: cannot be read: Invalid data found when processing input",
                                "Slot 2, b.m4v: has no video stream"}));
    EXPECT_EQ(found[0].file, "/m/a.mp4");
}

TEST(MovieFindings, OnlyTheIndexAtTheEndIsMendedByPublishing) {
    MovieInfo info = webMovie(1000, 1000);
    info.videoCodec = "prores";
    info.bitRate = 41000000;
    info.indexAtFront = false;
    const std::vector<MovieFinding> found = movieFindings({"/m/a.mov", "", ""}, {info, {}, {}});
    ASSERT_EQ(found.size(), 4u);  // codec, bit rate, index, shape: in the order of the rules
    EXPECT_NE(found[0].problem.find("ProRes"), std::string::npos);
    EXPECT_NE(found[1].problem.find("41 Mbit/s"), std::string::npos);
    EXPECT_EQ(found[2].problem, std::string(texts::kIndexAtEnd) + std::string(texts::kMendedInCopy));
    EXPECT_NE(found[3].problem.find("1000x1000"), std::string::npos);
    for (const MovieFinding& finding : found) EXPECT_EQ(finding.fixedByPublishing, &finding == &found[2]);
}

// The shape rule looks at one eye's picture, across the movie's field.
TEST(MovieFindings, AStereoOrHalfFieldMovieIsMeasuredByOneEye) {
    struct Case {
        int width, height;
        MovieFormat format;
        const char* expected;  // the shape problem, or nothing
    };
    const Case cases[] = {
        {2048, 2048, {StereoLayout::TopBottom, 360}, nullptr},
        {4096, 2048, {StereoLayout::SideBySide, 180}, nullptr},
        {2048, 2048, {}, "is 2048x2048, narrower than 2:1: not a full panorama"},
        {4096,
         2048,
         {StereoLayout::SideBySide, 360},
         "is 2048x2048 per eye, narrower than 2:1: not a full panorama"},
        {2048, 3000, {StereoLayout::Mono, 180}, "is 2048x3000, narrower than 1:1: not a full half sphere"},
    };
    for (const Case& c : cases) {
        MovieInfo info = webMovie(c.width, c.height);
        info.format = c.format;
        const std::vector<MovieFinding> found = movieFindings({"/m/a.mp4", "", ""}, {info, {}, {}});
        EXPECT_EQ(found.empty() ? std::string() : found.front().problem, c.expected ? c.expected : "")
            << c.width << "x" << c.height;
    }
}

TEST(MovieFindings, OnlyUnsupportedAmbisonicSoundIsAProblem) {
    MovieInfo ambix = webMovie(4096, 2048), fuma = ambix;
    ambix.spatialAudio = SpatialAudio::Ambix;
    fuma.spatialAudio = SpatialAudio::Unsupported;
    fuma.spatialAudioProblem = std::string(texts::kAmbisonicFuMa);
    EXPECT_EQ(lines(movieFindings({"a.mp4", "b.mp4", ""}, {ambix, fuma, std::nullopt})),
              std::vector<std::string>{"Slot 2, b.mp4: has ambisonic sound of FuMa channel ordering, not "
                                       "supported, played as ordinary sound"});
}

TEST(MovieFindings, CheckInspectsTheFilledSlotsAsPublishingReadsThem) {
    FakeTools tools;
    tools.movies["/m/a.mp4"] = webMovie(4096, 2048);
    tools.movies[" /m/c.webm"] = webMovie(2048, 1536);
    const std::vector<MovieFinding> found =
        checkMovies({" /m/a.mp4  ", "", " /m/c.webm"}, tools, "/site/index.html");
    EXPECT_EQ(tools.asked, (std::vector<std::string>{"/m/a.mp4", " /m/c.webm"}));
    EXPECT_EQ(
        lines(found),
        (std::vector<std::string>{"Slot 3, c.webm: is 2048x1536, narrower than 2:1: not a full panorama"}));
}

// Publishing leaves a movie that already lies in the page folder as it is: its
// index stays at the end, and the warning says so.
TEST(MovieFindings, AMovieAlreadyInThePageFolderIsNotSaidToBeMended) {
    const fs::path dir = test_support::scratchFolder("findings", "in-place");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "tour.mp4", "movie").ok());
    FakeTools tools;
    MovieInfo late = webMovie(4096, 2048);
    late.indexAtFront = false;
    tools.movies[(dir / "tour.mp4").string()] = late;
    const movies::MovieSlots slots{(dir / "tour.mp4").string(), "", ""};

    std::vector<MovieFinding> found = checkMovies(slots, tools, dir / "index.html");
    EXPECT_EQ(lines(found),
              (std::vector<std::string>{
                  "Slot 1, tour.mp4: has its index at the end, so browsers load the whole file "
                  "before the first frame (it already lies in the page folder, where publishing "
                  "leaves it as it is)"}));
    EXPECT_FALSE(found[0].fixedByPublishing);

    found = checkMovies(slots, tools, dir / "site" / "index.html");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].problem, std::string(texts::kIndexAtEnd) + std::string(texts::kMendedInCopy));
    EXPECT_TRUE(found[0].fixedByPublishing);

    // After a publish that could not move it, neither mended nor said to be.
    found = checkMovies(slots, tools, dir / "site" / "index.html", {dir / "tour.mp4"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].problem, std::string(texts::kIndexAtEnd) + std::string(texts::kLeftAtEndInCopy));
    EXPECT_FALSE(found[0].fixedByPublishing);
    fs::remove_all(dir);
}

TEST(MovieFindings, TheQuestionListsEveryProblemOnALineOfItsOwn) {
    const Message message = findingsMessage({{1, "/m/a.mp4", "has no video stream"}, {3, "/m/c.mov", "x"}});
    EXPECT_EQ(message.text,
              "These movies may not play on the published page:\nSlot 1, a.mp4: has no video stream\n"
              "Slot 3, c.mov: x\n\nPublish them all the same?");
    EXPECT_EQ(message.topic, Topic::MoviesForTheWeb);
}
