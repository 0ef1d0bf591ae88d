// The check before publishing and the publish read a movie's header once, and
// again only when the movie changed or could not be read.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "../ScratchFolder.h"
#include "core/movies/MovieInfoCache.h"
#include "core/platform/FileSystem.h"

using namespace tessaly;

namespace {

namespace fs = std::filesystem;

// Counts the reads; a movie's "codec" is its first line.
class CountingTools : public movies::MovieTools {
public:
    movies::MovieInfo inspect(const fs::path& movie, const std::atomic<bool>* stop) override {
        ++reads;
        movies::MovieInfo info;
        info.stopped = stop != nullptr && stop->load();
        if (info.stopped) return info;
        std::ifstream in(movie);
        if (!std::getline(in, info.videoCodec)) info.error = "No such file or directory";
        return info;
    }
    Result<void> moveIndexToFront(const fs::path&, int, const fs::path&, const movies::ByteProgress&,
                                  const std::atomic<bool>*) override {
        return success();
    }
    int reads = 0;
};

void write(const fs::path& file, const std::string& text) { std::ofstream(file) << text << '\n'; }

// Reads of "slow.mp4" wait at a gate until the test opens it, so the test
// decides what else happens while a read is under way.
class GatedTools : public CountingTools {
public:
    movies::MovieInfo inspect(const fs::path& movie, const std::atomic<bool>* stop) override {
        std::unique_lock lock(mutex_);
        ++started_;
        changed_.notify_all();
        // Bounded, so a test that went wrong fails instead of hanging.
        if (movie.filename() == "slow.mp4" &&
            !changed_.wait_for(lock, std::chrono::seconds(30), [&] { return open_; }))
            timedOut_ = true;
        return CountingTools::inspect(movie, stop);
    }
    bool timedOut() {
        const std::lock_guard lock(mutex_);
        return timedOut_;
    }
    // Waits until `count` reads have started, for at most `patience`.
    bool started(int count, std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, [&] { return started_ >= count; });
    }
    void open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    bool open_ = false;
    bool timedOut_ = false;
};

}  // namespace

TEST(MovieInfoCache, AnUnchangedMovieIsReadOnce) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Unchanged");
    write(dir / "tour.mp4", "h264");
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(tools.reads, 1);
    fs::remove_all(dir);
}

TEST(MovieInfoCache, OneMovieNamedTwoWaysIsReadOnce) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "TwoNames");
    write(dir / "tour.mp4", "h264");
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    static_cast<void>(once.inspect(dir / "tour.mp4"));
    static_cast<void>(once.inspect(dir / "." / "tour.mp4"));
    EXPECT_EQ(tools.reads, 1);
    fs::remove_all(dir);
}

TEST(MovieInfoCache, AMovieChangedInTheSameSizeIsReadAgain) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Changed");
    const fs::path movie = dir / "tour.mp4";
    write(movie, "h264");
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    static_cast<void>(once.inspect(movie));
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

TEST(MovieInfoCache, AMissingMovieIsLookedForAgain) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Missing");
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    write(dir / "tour.mp4", "vp9");
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "vp9");
    fs::remove_all(dir);
}

// A file that is no movie stays none until it changes.
TEST(MovieInfoCache, AnUnreadableMovieIsNotReadAgainUnchanged) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Unreadable");
    std::ofstream(dir / "tour.mp4").close();
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    EXPECT_TRUE(once.inspect(dir / "tour.mp4").error);
    EXPECT_EQ(tools.reads, 1);
    fs::remove_all(dir);
}

TEST(MovieInfoCache, ASecondCallerWaitsForTheReadUnderWayInsteadOfReadingAgain) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "TwoCallers");
    write(dir / "slow.mp4", "h264");
    GatedTools tools;
    movies::MovieInfoCache once(tools);
    std::string first, second;
    std::thread a([&] { first = once.inspect(dir / "slow.mp4").videoCodec; });
    ASSERT_TRUE(tools.started(1, std::chrono::seconds(30)));
    std::thread b([&] { second = once.inspect(dir / "slow.mp4").videoCodec; });
    // A second read would start within this time; waiting for the first starts none.
    EXPECT_FALSE(tools.started(2, std::chrono::milliseconds(200)));
    tools.open();
    a.join();
    b.join();
    EXPECT_EQ(first, "h264");
    EXPECT_EQ(second, "h264");
    EXPECT_EQ(tools.reads, 1);
    EXPECT_FALSE(tools.timedOut());
    fs::remove_all(dir);
}

TEST(MovieInfoCache, AnotherMovieIsReadWhileOneIsBeingRead) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "OtherMovie");
    write(dir / "slow.mp4", "h264");
    write(dir / "quick.mp4", "vp9");
    GatedTools tools;
    movies::MovieInfoCache once(tools);
    std::thread a([&] { static_cast<void>(once.inspect(dir / "slow.mp4")); });
    ASSERT_TRUE(tools.started(1, std::chrono::seconds(30)));
    // The gate is still shut: this returns only if it does not wait for the slow read.
    EXPECT_EQ(once.inspect(dir / "quick.mp4").videoCodec, "vp9");
    tools.open();
    a.join();
    EXPECT_FALSE(tools.timedOut());
    fs::remove_all(dir);
}

// Out of memory while reading, say: the caller sees it, and the next one reads again.
TEST(MovieInfoCache, AReadThatThrowsIsNotRemembered) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Throws");
    write(dir / "tour.mp4", "h264");
    class ThrowingOnce : public CountingTools {
    public:
        movies::MovieInfo inspect(const fs::path& movie, const std::atomic<bool>* stop) override {
            if (reads == 0) {
                ++reads;
                throw std::runtime_error("out of memory");
            }
            return CountingTools::inspect(movie, stop);
        }
    } tools;
    movies::MovieInfoCache once(tools);
    EXPECT_THROW(static_cast<void>(once.inspect(dir / "tour.mp4")), std::runtime_error);
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(tools.reads, 2);
    fs::remove_all(dir);
}

// A read stopped on request says nothing of the movie: the next caller reads it.
TEST(MovieInfoCache, AStoppedReadIsNotRemembered) {
    const fs::path dir = test_support::scratchFolder("MovieInfoCache", "Stopped");
    write(dir / "tour.mp4", "h264");
    CountingTools tools;
    movies::MovieInfoCache once(tools);
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(once.inspect(dir / "tour.mp4", &stop).stopped);
    EXPECT_EQ(once.inspect(dir / "tour.mp4").videoCodec, "h264");
    EXPECT_EQ(tools.reads, 2);
    fs::remove_all(dir);
}
