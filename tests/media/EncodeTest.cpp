// Web versions made by the real encoder, from the library to the command line
// and the published page.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "../core/ScratchFolder.h"
#include "Outcomes.h"
#include "TestMovies.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/movies/WebVersions.h"
#include "core/platform/ChildProcess.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "media/AmbisonicBox.h"
#include "media/FfmpegEncoder.h"
#include "media/LibavMovieTools.h"
#include "media/ReadMovieInfo.h"

extern "C" {
#include <libavutil/stereo3d.h>
}

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

using tessaly::test_support::Outcome;
using tessaly::test_support::outcomeOf;

class EncodeVersions : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("encode-versions",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    // A copy of the test movie `name` beside a project that has it in slot 1.
    fs::path projectWith(const std::string& name) {
        const fs::path source = test_support::testMovie(name);
        if (source.empty()) return {};
        fs::copy_file(source, dir / name);
        model::AppState state = model::startState(dir.string(), {});
        state.movies = {name, "", ""};
        EXPECT_TRUE(model::saveProject(dir / "tour.hs5", state.settings, state.movies, state.hotSpots).ok());
        return dir / "tour.hs5";
    }

    fs::path dir;
};

}  // namespace

TEST_F(EncodeVersions, TwoPlayableH264VersionsThatThePageListsLargestFirst) {
    const fs::path project = projectWith("wide.mp4");
    if (project.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string before = platform::readFile(dir / "wide.mp4").value();
    std::ostringstream out, err;
    ASSERT_EQ(cli::runEncode({project.string()}, out, err), 0) << err.str();

    const struct {
        const char* name;
        int width, height;
    } versions[] = {{"wide-4096x2048.mp4", 4096, 2048}, {"wide-2048x1024.mp4", 2048, 1024}};
    for (const auto& v : versions) {
        const movies::MovieInfo info = media::inspectMovie(dir / v.name);
        ASSERT_FALSE(info.error) << v.name;
        EXPECT_EQ(info.videoCodec, "h264");
        EXPECT_EQ(info.videoProfile, "High");
        EXPECT_EQ(info.width, v.width);
        EXPECT_EQ(info.height, v.height);
        EXPECT_EQ(info.indexAtFront, true);
        EXPECT_EQ(test_support::packetsOf(dir / v.name).size(),
                  test_support::packetsOf(dir / "wide.mp4").size())
            << "every frame";
    }
    EXPECT_EQ(platform::readFile(dir / "wide.mp4").value(), before);

    model::ViewerSettings settings;
    model::MovieSlots slots;
    hotspots::HotSpotList hotSpots;
    ASSERT_TRUE(model::loadProject(project, settings, slots, hotSpots, dir.string()).ok());
    EXPECT_EQ(slots, (model::MovieSlots{"wide.mp4", "wide-4096x2048.mp4", "wide-2048x1024.mp4"}));

    ASSERT_EQ(
        cli::runPublish({project.string(), (dir / "site" / "index.html").string(), "--strict"}, out, err), 0)
        << err.str();
    const std::string page = platform::readFile(dir / "site" / "index.html").value();
    const auto large = page.find("<SOURCE src=\"wide-4096x2048.mp4\"");
    const auto small = page.find("<SOURCE src=\"wide-2048x1024.mp4\"");
    ASSERT_NE(large, std::string::npos);
    ASSERT_NE(small, std::string::npos);
    EXPECT_LT(page.find("<SOURCE src=\"wide.mp4\""), large);
    EXPECT_LT(large, small);
}

// The stereo and projection marks go on into every version.
TEST_F(EncodeVersions, TheStereoAndFieldMarksAreKept) {
    const fs::path source = test_support::testMovie("good.mp4");
    if (source.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path movie = dir / "stereo.mp4";
    ASSERT_TRUE(test_support::markSphere(source, movie, {AV_STEREO3D_TOPBOTTOM, 0x40000000, 0x40000000}));
    media::LibavMovieTools tools;
    media::FfmpegEncoder encoder;
    const movies::EncodeResult report =
        movies::encodeWebVersions({movie, dir, {512, 256}}, {&tools, &encoder, {}, nullptr, {}});
    ASSERT_EQ(outcomeOf(report), Outcome::Succeeded) << movies::encodeMessage(report).text;
    ASSERT_EQ(report->versions.size(), 2u);
    for (const fs::path& version : report->versions)
        EXPECT_EQ(media::inspectMovie(version).format,
                  (movies::MovieFormat{movies::StereoLayout::TopBottom, movies::kHalfField}))
            << version;
}

TEST_F(EncodeVersions, TheSoundIsKeptAsAac) {
    const fs::path project = projectWith("late.mp4");
    if (project.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    std::ostringstream out, err;
    ASSERT_EQ(cli::runEncode({project.string(), "--sizes", "512"}, out, err), 0) << err.str();
    const movies::MovieInfo info = media::inspectMovie(dir / "late-512x256.mp4");
    EXPECT_EQ(info.audioCodec, "aac");
    EXPECT_NEAR(info.duration, 2.0, 0.1);
}

// Sound re-encoded as AAC keeps its four channels and its ambisonic mark.
TEST_F(EncodeVersions, AmbisonicSoundIsKeptAndMarked) {
    const fs::path source = test_support::testMovie("quad.mov");
    if (source.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path movie = dir / "ambix.mov";
    ASSERT_TRUE(test_support::markAmbisonic(source, movie));
    media::LibavMovieTools tools;
    media::FfmpegEncoder encoder;
    const movies::EncodeResult report =
        movies::encodeWebVersions({movie, dir, {256}}, {&tools, &encoder, {}, nullptr, {}});
    ASSERT_EQ(outcomeOf(report), Outcome::Succeeded) << movies::encodeMessage(report).text;
    ASSERT_EQ(report->versions.size(), 1u);
    const movies::MovieInfo info = media::inspectMovie(report->versions[0]);
    EXPECT_EQ(info.audioCodec, "aac");
    // Read with the libraries' channel count, which a mark must match.
    EXPECT_EQ(info.spatialAudio, movies::SpatialAudio::Ambix) << info.spatialAudioProblem;
    EXPECT_EQ(info.indexAtFront, true);
}

TEST_F(EncodeVersions, CancelLeavesNoFileBehind) {
    const fs::path movie = test_support::testMovie("good.mp4");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    media::LibavMovieTools tools;
    media::FfmpegEncoder encoder;
    std::atomic<bool> stop{false};
    movies::EncodeControl control{&tools, &encoder, [&stop](double, double) { stop.store(true); }, &stop, {}};
    const movies::EncodeResult report = movies::encodeWebVersions({movie, dir, {1024, 512}}, control);
    EXPECT_EQ(outcomeOf(report), Outcome::Cancelled) << movies::encodeMessage(report).text;
    EXPECT_TRUE(test_support::entryNames(dir).empty());
}

TEST_F(EncodeVersions, AFailureNamesTheMovieAndTheReason) {
    const fs::path movie = test_support::testMovie("good.mp4");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    media::LibavMovieTools tools;
    media::FfmpegEncoder missing("/nonexistent/ffmpeg");
    movies::EncodeControl control{&tools, &missing, {}, nullptr, {}};
    const movies::EncodeResult report = movies::encodeWebVersions({movie, dir, {512}}, control);
    EXPECT_EQ(outcomeOf(report), Outcome::Failed);
    EXPECT_EQ(movies::encodeMessage(report).text,
              "Making the web versions failed:\nCannot run /nonexistent/ffmpeg: No such file or directory");
    EXPECT_TRUE(test_support::entryNames(dir).empty());
}

// The encoder ends with the thread that started it, however its program ends:
// here a process killed while its child still runs.
TEST(EncoderProcess, DiesWithTheProcessThatStartedIt) {
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);  // orphans come back here, to be waited for
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t parent = ::fork();
    ASSERT_GE(parent, 0);
    if (parent == 0) {
        const platform::StartedChild child = platform::startChild({"sleep", "60"}, {});
        [[maybe_unused]] const ssize_t n = ::write(fds[1], &child.pid, sizeof child.pid);
        ::kill(::getpid(), SIGKILL);
    }
    ::close(fds[1]);
    pid_t child = -1;
    ASSERT_EQ(::read(fds[0], &child, sizeof child), static_cast<ssize_t>(sizeof child));
    ::close(fds[0]);
    ASSERT_GT(child, 0);
    ASSERT_EQ(::waitpid(parent, nullptr, 0), parent);
    // Well before the child's minute is up.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == 0) ::kill(child, SIGKILL);
    ASSERT_EQ(ended, child) << "the child outlived its parent";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST(EncodeVerb, WrongSizesShowTheUsage) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::runEncode({"tour.hs5", "--sizes", "4096,,2048"}, out, err), 2);
    EXPECT_TRUE(err.str().starts_with("tessaly: --sizes takes widths")) << err.str();
}
