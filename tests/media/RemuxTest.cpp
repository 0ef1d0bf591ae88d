#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "../core/ScratchFolder.h"
#include "TestMovies.h"
#include "core/platform/FileSystem.h"
#include "core/text/Files.h"
#include "media/ReadMovieInfo.h"
#include "media/Remux.h"

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

    // Remuxes `movie` to dir / its name and puts it in place; the outcome.
    movies::WriteOutcome remux(const fs::path& movie, const std::atomic<bool>* stop = nullptr) {
        platform::TemporaryFile out;
        EXPECT_EQ(out.create(dir / movie.filename()), 0);
        const movies::WriteOutcome outcome = media::remuxIndexFirst(
            movie, out.fd(), dir / movie.filename(),
            [this](std::uint64_t done, std::uint64_t total) { progress.emplace_back(done, total); }, stop);
        if (!outcome.error && !outcome.stopped) {
            EXPECT_EQ(out.replaceTarget(), 0);
        }
        return outcome;
    }

    fs::path dir;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
};

}  // namespace

TEST_F(RemuxTest, TheIndexMovesToTheFrontAndThePacketsStayTheSame) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::string before = text::readFile(late).bytes;

    const movies::WriteOutcome outcome = remux(late);
    ASSERT_FALSE(outcome.error) << outcome.error->message();
    const fs::path copy = dir / "late.mp4";
    EXPECT_EQ(media::inspectMovie(copy).indexAtFront, true);
    const auto packets = test_support::packetsOf(late);
    EXPECT_GT(packets.size(), 100u);  // 50 frames and 94 sound packets
    EXPECT_EQ(test_support::packetsOf(copy), packets);
    EXPECT_EQ(text::readFile(late).bytes, before) << "the user's movie is only read";
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(std::uint64_t{before.size()}, std::uint64_t{before.size()}));
}

TEST_F(RemuxTest, TheSphericalMarkTravelsWithTheMovie) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const fs::path marked = dir / "source" / "marked.mp4";
    fs::create_directories(marked.parent_path());
    ASSERT_TRUE(test_support::markEquirectangular(late, marked));
    ASSERT_EQ(media::inspectMovie(marked).indexAtFront, false);
    ASSERT_FALSE(remux(marked).error);
    EXPECT_EQ(media::inspectMovie(dir / "marked.mp4").spherical, "equirectangular");
}

TEST_F(RemuxTest, StopsWhenAsked) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(remux(late, &stop).stopped);
    EXPECT_FALSE(fs::exists(dir / "late.mp4"));
}

TEST_F(RemuxTest, AFullDiskNamesTheFileBeingWritten) {
    const fs::path late = testMovie("late.mp4");
    if (late.empty()) GTEST_SKIP() << "ffmpeg could not make the movie";
    const platform::FileDescriptor full(::open("/dev/full", O_RDWR | O_CLOEXEC));
    if (!full.valid()) GTEST_SKIP() << "no /dev/full";
    const movies::WriteOutcome outcome =
        media::remuxIndexFirst(late, full.get(), dir / "late.mp4", {}, nullptr);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->message(),
              "Cannot write " + (dir / "late.mp4").string() + ": No space left on device");
}
