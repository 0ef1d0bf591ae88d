// The programs' movie tools come from the media module, loaded on first use;
// without it, every movie reads as unreadable with the module's file and the
// reason, and a publish goes on with plain copies.

#include <gtest/gtest.h>

#include "../core/ScratchFolder.h"
#include "Outcomes.h"
#include "TestMovies.h"
#include "core/movies/MovieFindings.h"
#include "core/platform/BesideProgram.h"
#include "core/platform/Files.h"
#include "core/publish/Publisher.h"
#include "media/LibavMovieTools.h"
#include "media/MediaModule.h"
#include "media/ModuleMovieTools.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

using tessaly::test_support::Outcome;
using tessaly::test_support::outcomeOf;

class MediaModule : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("media-module",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
};

}  // namespace

// The tests lie beside the programs, and so does the module they load.
TEST_F(MediaModule, TheBuiltModuleReadsAsTheLibraryDoes) {
    const fs::path movie = test_support::testMovie("late.mp4");
    if (movie.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    media::ModuleMovieTools tools(media::moduleCandidates(platform::programFolder()));
    media::LibavMovieTools linked;
    EXPECT_EQ(movies::movieJson(movie, tools.inspect(movie)),
              movies::movieJson(movie, linked.inspect(movie)));
}

TEST_F(MediaModule, AMissingModuleIsNamedWithTheReason) {
    media::ModuleMovieTools tools(media::moduleCandidates(dir / "bin"));
    const std::string expected = "Cannot load " + (dir / "bin" / "libtessaly-media.so").string() +
                                 ": No such file or directory (nor " +
                                 (dir / "lib" / "tessaly" / "libtessaly-media.so").string() + ")";
    EXPECT_EQ(tools.inspect(dir / "tour.mp4").error, expected);
    const Result<void> outcome = tools.moveIndexToFront(dir / "tour.mp4", -1, dir / "out.mp4", {}, nullptr);
    ASSERT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.failure().message(), expected);
    media::ModuleCaptionTools captions(media::moduleCandidates(dir / "bin"));
    EXPECT_EQ(captions.toWebVtt("WEBVTT\n", movies::CaptionFormat::WebVtt).error, expected);
}

TEST_F(MediaModule, AFileThatIsNoModuleOrLacksTheEntryIsRefused) {
    fs::create_directories(dir / "bin");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "bin" / "libtessaly-media.so", std::string(200, 'x')).ok());
    media::ModuleMovieTools notModule(media::moduleCandidates(dir / "bin"));
    EXPECT_EQ(notModule.inspect(dir / "tour.mp4").error,
              "Cannot load " + (dir / "bin" / "libtessaly-media.so").string() + ": invalid ELF header");

    // A shared library, but not ours.
    const fs::path other = "/lib/x86_64-linux-gnu/libz.so.1";
    if (!fs::exists(other)) GTEST_SKIP() << "no " << other;
    media::ModuleMovieTools notOurs({other});
    EXPECT_EQ(
        notOurs.inspect(dir / "tour.mp4").error,
        "Cannot load " + other.string() + ": undefined symbol: " + std::string(media::kMovieToolsEntry));
}

TEST_F(MediaModule, WithoutTheModuleAPublishSaysSoAndCopiesTheMovie) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "tour.mp4", "a movie").ok());
    media::ModuleMovieTools tools(media::moduleCandidates(dir / "bin"));
    const model::MovieSlots slots = {(dir / "tour.mp4").string(), "", ""};
    const std::vector<movies::MovieFinding> findings =
        movies::checkMovies(slots, tools, dir / "site" / "index.html");
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(movies::findingLine(findings[0]),
              "Slot 1, tour.mp4: cannot be read: Cannot load " +
                  (dir / "bin" / "libtessaly-media.so").string() + ": No such file or directory (nor " +
                  (dir / "lib" / "tessaly" / "libtessaly-media.so").string() + ")");

    publish::PublishJob job;
    job.movies = slots;
    job.page = dir / "site" / "index.html";
    publish::PublishControl control;
    control.movieTools = &tools;
    EXPECT_EQ(outcomeOf(publish::publish(job, control)), Outcome::Succeeded);
    EXPECT_EQ(platform::readFile(dir / "site" / "tour.mp4").value(), "a movie");
}
