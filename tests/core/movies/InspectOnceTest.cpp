// The check before publishing and the publish read a movie's header once, and
// again only when the movie changed or could not be read.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "../ScratchFolder.h"
#include "core/movies/InspectOnce.h"
#include "core/platform/FileSystem.h"

using namespace tessaly;

namespace {

namespace fs = std::filesystem;

// Counts the reads; a movie's "codec" is its first line.
class CountingTools : public movies::MovieTools {
public:
    movies::MovieInfo inspect(const fs::path& movie) override {
        ++reads;
        movies::MovieInfo info;
        std::ifstream in(movie);
        if (!std::getline(in, info.videoCodec)) info.error = "No such file or directory";
        return info;
    }
    movies::WriteOutcome moveIndexToFront(const fs::path&, int, const fs::path&, const movies::ByteProgress&,
                                          const std::atomic<bool>*) override {
        return {};
    }
    int reads = 0;
};

void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text << '\n'; }

}  // namespace

TEST(InspectOnce, AnUnchangedMovieIsReadOnce) {
    const fs::path dir = test_support::scratchFolder("InspectOnce", "Unchanged");
    write(dir / "tour.mp4", "h264");
    CountingTools tools;
    movies::InspectOnce once(tools);
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(tools.reads, 1);
    fs::remove_all(dir);
}

TEST(InspectOnce, AMovieChangedInTheSameSizeIsReadAgain) {
    const fs::path dir = test_support::scratchFolder("InspectOnce", "Changed");
    const fs::path movie = dir / "tour.mp4";
    write(movie, "h264");
    CountingTools tools;
    movies::InspectOnce once(tools);
    once.inspect(movie);
    // Time stamps move with the kernel's clock tick: rewrite until this one has.
    const std::int64_t first = platform::fileStatus(movie).changed;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    do {
        write(movie, "hevc");
    } while (platform::fileStatus(movie).changed == first && std::chrono::steady_clock::now() < giveUp);
    EXPECT_EQ(once.inspect(movie).videoCodec, "hevc");
    EXPECT_EQ(tools.reads, 2);
    fs::remove_all(dir);
}

TEST(InspectOnce, AMissingMovieIsLookedForAgain) {
    const fs::path dir = test_support::scratchFolder("InspectOnce", "Missing");
    CountingTools tools;
    movies::InspectOnce once(tools);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    write(dir / "tour.mp4", "vp9");
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "vp9");
    fs::remove_all(dir);
}

// A file that is no movie stays none until it changes.
TEST(InspectOnce, AnUnreadableMovieIsNotReadAgainUnchanged) {
    const fs::path dir = test_support::scratchFolder("InspectOnce", "Unreadable");
    std::ofstream(dir / "tour.mp4").close();
    CountingTools tools;
    movies::InspectOnce once(tools);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    EXPECT_EQ(tools.reads, 1);
    fs::remove_all(dir);
}
