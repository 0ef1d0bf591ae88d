#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../ScratchFolder.h"
#include "core/platform/Files.h"
#include "core/platform/MovieCopy.h"

using namespace tessaly;
using platform::copyMovie;
using platform::MovieCopyOptions;
namespace fs = std::filesystem;

namespace {

fs::path scratchFolder(const std::string& name) {
    const fs::path dir = test_support::scratchFolder("moviecopy", name);
    fs::create_directories(dir / "src");
    fs::create_directories(dir / "page");
    return dir;
}

std::string movieBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return bytes;
}

using test_support::entryNames;

struct Recorder {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    platform::CopyProgress callback() {
        return [this](std::uint64_t done, std::uint64_t total) { calls.emplace_back(done, total); };
    }
};

}  // namespace

// Every way of copying streams the whole movie, reports growing progress that
// ends at the total, and leaves nothing but the movie in the page folder.
TEST(MovieCopy, EachCopyMethodStreamsTheWholeMovieWithProgress) {
    struct Case {
        const char* name;
        MovieCopyOptions options;
    };
    const Case cases[] = {
        {"plain", {.allowClone = false, .allowCopyRange = false, .rangeChunk = 0, .bufferSize = 4096}},
        {"range", {.allowClone = false, .allowCopyRange = true, .rangeChunk = 4096, .bufferSize = 4096}},
        {"default", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = scratchFolder(c.name);
        const std::string bytes = movieBytes(100 * 1024 + 123);  // many buffers and a partial one
        ASSERT_TRUE(platform::writeFileAtomic(dir / "src" / "tour.mp4", bytes).ok());
        ASSERT_TRUE(platform::writeFileAtomic(dir / "page" / "tour.mp4", "an older, shorter movie").ok());

        Recorder progress;
        auto result = copyMovie(dir / "src" / "tour.mp4", dir / "page", progress.callback(), c.options);
        ASSERT_TRUE(result.outcome.ok()) << result.outcome.failure().message();
        EXPECT_FALSE(result.sameFile);
        EXPECT_EQ(result.target, dir / "page" / "tour.mp4");
        EXPECT_EQ(platform::readFile(result.target).value(),
                  "an older, shorter movie");  // until it is placed
        ASSERT_EQ(result.copy.replaceTarget(), 0);
        EXPECT_EQ(platform::readFile(result.target).value(), bytes);
        EXPECT_EQ(entryNames(dir / "page"), std::vector<std::string>{"tour.mp4"});

        ASSERT_FALSE(progress.calls.empty());
        EXPECT_EQ(progress.calls.back(),
                  std::make_pair(std::uint64_t{bytes.size()}, std::uint64_t{bytes.size()}));
        for (std::size_t i = 1; i < progress.calls.size(); ++i) {
            EXPECT_GE(progress.calls[i].first, progress.calls[i - 1].first);
        }
        if (!c.options.allowClone) {
            EXPECT_GT(progress.calls.size(), 20u);  // chunk by chunk, not all at once
        }
        fs::remove_all(dir);
    }
}

TEST(MovieCopy, EmptyMovieReportsCompletion) {
    const fs::path dir = scratchFolder("empty");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "src" / "e.webm", "").ok());
    Recorder progress;
    auto result = copyMovie(dir / "src" / "e.webm", dir / "page", progress.callback(),
                            {.allowClone = false, .allowCopyRange = false});
    ASSERT_TRUE(result.outcome.ok());
    ASSERT_EQ(result.copy.replaceTarget(), 0);
    EXPECT_TRUE(fs::exists(dir / "page" / "e.webm"));
    ASSERT_EQ(progress.calls.size(), 1u);
    EXPECT_EQ(progress.calls.back(), std::make_pair(std::uint64_t{0}, std::uint64_t{0}));
    fs::remove_all(dir);
}

TEST(MovieCopy, MovieAlreadyInTheFolderIsLeftUntouched) {
    const fs::path dir = scratchFolder("same");
    const fs::path movie = dir / "page" / "tour.mp4";
    ASSERT_TRUE(platform::writeFileAtomic(movie, "movie").ok());
    const auto written = fs::last_write_time(movie);

    // Reached through another spelling of the same folder.
    const auto result = copyMovie(dir / "src" / ".." / "page" / "tour.mp4", dir / "page");
    ASSERT_TRUE(result.outcome.ok());
    EXPECT_TRUE(result.sameFile);
    EXPECT_EQ(platform::readFile(movie).value(), "movie");
    EXPECT_EQ(fs::last_write_time(movie), written);
    EXPECT_EQ(entryNames(dir / "page"), std::vector<std::string>{"tour.mp4"});
    fs::remove_all(dir);
}

TEST(MovieCopy, FailuresNameTheFileAndReasonAndLeaveNoTemporary) {
    const fs::path dir = scratchFolder("fail");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "src" / "tour.mp4", movieBytes(5000)).ok());

    const auto missing = copyMovie(dir / "src" / "gone.mp4", dir / "page");
    ASSERT_TRUE(missing.outcome.failed());
    EXPECT_EQ(missing.outcome.failure().message(),
              "Cannot open " + (dir / "src" / "gone.mp4").string() + ": No such file or directory");

    // A regular file stands where the page folder should be.
    ASSERT_TRUE(platform::writeFileAtomic(dir / "notafolder", "x").ok());
    const auto notFolder = copyMovie(dir / "src" / "tour.mp4", dir / "notafolder");
    ASSERT_TRUE(notFolder.outcome.failed());
    EXPECT_EQ(notFolder.outcome.failure().message(),
              "Cannot write " + (dir / "notafolder" / "tour.mp4").string() + ": Not a directory");

    // A folder holds the movie's name: the copy cannot take its place.
    fs::create_directories(dir / "page" / "tour.mp4" / "inside");
    auto blocked = copyMovie(dir / "src" / "tour.mp4", dir / "page");
    ASSERT_TRUE(blocked.outcome.ok());
    EXPECT_EQ(blocked.copy.replaceTarget(), EISDIR);
    blocked = {};
    EXPECT_EQ(entryNames(dir / "page"), std::vector<std::string>{"tour.mp4"});
    EXPECT_TRUE(fs::is_directory(dir / "page" / "tour.mp4" / "inside"));
    fs::remove_all(dir);
}

// A FIFO would block and a device never end: neither is copied.
TEST(MovieCopy, OnlyRegularFilesAreCopied) {
    const fs::path dir = scratchFolder("kinds");
    ASSERT_EQ(::mkfifo((dir / "src" / "pipe.mp4").c_str(), 0600), 0);
    for (const fs::path& movie : {dir / "src" / "pipe.mp4", fs::path("/dev/zero")}) {
        const auto result = copyMovie(movie, dir / "page");
        ASSERT_TRUE(result.outcome.failed());
        EXPECT_EQ(result.outcome.failure().message(),
                  "Cannot copy " + movie.string() + ": Not a regular file");
    }
    EXPECT_TRUE(entryNames(dir / "page").empty());
    fs::remove_all(dir);
}

TEST(MovieCopy, StopEndsTheCopyAndKeepsNothing) {
    const fs::path dir = scratchFolder("stop");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "src" / "tour.mp4", movieBytes(64 * 1024)).ok());
    for (const bool range : {false, true}) {
        std::atomic<bool> stop{false};
        int calls = 0;
        const platform::CopyProgress progress = [&](std::uint64_t, std::uint64_t) {
            ++calls;
            stop = true;
        };
        auto result = copyMovie(dir / "src" / "tour.mp4", dir / "page", progress,
                                {.allowClone = false,
                                 .allowCopyRange = range,
                                 .rangeChunk = 4096,
                                 .bufferSize = 4096,
                                 .stop = &stop});
        EXPECT_TRUE(result.stopped);
        EXPECT_TRUE(result.outcome.ok());
        EXPECT_EQ(calls, 1);
        result = {};
        EXPECT_TRUE(entryNames(dir / "page").empty());
    }
    fs::remove_all(dir);
}
