// Publishing with movie tools: a movie whose index is at its end is written
// with the index in front, the rest copied as they are.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <string>

#include "../ScratchFolder.h"
#include "FolderSnapshot.h"
#include "core/movies/MovieTools.h"
#include "core/publish/Publisher.h"
#include "core/text/Files.h"

using namespace tessaly;
using namespace tessaly::publish;
namespace fs = std::filesystem;

namespace {

// Movies named in `indexAtEnd` are "rewritten" as "front:" + their bytes.
class FakeTools : public movies::MovieTools {
public:
    std::set<std::string> indexAtEnd;
    bool failRewrite = false;
    std::atomic<bool>* stopWhileRewriting = nullptr;
    std::vector<std::string> rewritten;

    movies::MovieInfo inspect(const fs::path& movie) override {
        movies::MovieInfo info;
        info.hasVideo = true;
        info.indexAtFront = indexAtEnd.count(movie.filename().string()) == 0;
        return info;
    }
    movies::WriteOutcome moveIndexToFront(const fs::path& movie, int out, const fs::path& outName,
                                          const movies::ByteProgress& progress,
                                          const std::atomic<bool>* stop) override {
        rewritten.push_back(movie.filename().string() + " -> " + outName.filename().string());
        const std::string bytes = "front:" + text::readFile(movie).bytes;
        if (::write(out, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            return {false, text::FileError{outName, "write", "short write"}};
        if (progress) progress(bytes.size(), bytes.size());
        if (stopWhileRewriting != nullptr) stopWhileRewriting->store(true);
        if (stop != nullptr && stop->load()) return {true, std::nullopt};
        if (failRewrite) return {false, text::FileError{outName, "write", "Invalid argument"}};
        return {};
    }
};

class PublishMoviesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("publish-movies",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "site");
        ASSERT_FALSE(text::writeFileAtomic(dir / "late.mp4", "late index"));
        ASSERT_FALSE(text::writeFileAtomic(dir / "early.mp4", "early index"));
        tools.indexAtEnd = {"late.mp4"};
    }
    void TearDown() override { fs::remove_all(dir); }

    PublishReport publish(const std::atomic<bool>* stop = nullptr) {
        model::ViewerSettings settings;
        std::optional<Message> notice;
        const PublishJob job = publishJob({(dir / "late.mp4").string(), (dir / "early.mp4").string(), ""},
                                          dir / "site" / "index.html", settings, {}, notice);
        PublishControl control;
        control.movieTools = &tools;
        control.stop = stop;
        return publish::publish(job, control);
    }
    std::string site(const std::string& name) const { return text::readFile(dir / "site" / name).bytes; }

    fs::path dir;
    FakeTools tools;
};

}  // namespace

TEST_F(PublishMoviesTest, OnlyTheMovieWithItsIndexAtTheEndIsRewrittenAndTheOriginalStaysAsItWas) {
    ASSERT_EQ(publish().outcome, PublishOutcome::Succeeded);
    EXPECT_EQ(tools.rewritten, std::vector<std::string>{"late.mp4 -> late.mp4"});
    EXPECT_EQ(site("late.mp4"), "front:late index");
    EXPECT_EQ(site("early.mp4"), "early index");
    EXPECT_EQ(text::readFile(dir / "late.mp4").bytes, "late index");
}

TEST_F(PublishMoviesTest, AMovieTheToolsCannotRewriteIsCopiedAsItIs) {
    tools.failRewrite = true;
    ASSERT_EQ(publish().outcome, PublishOutcome::Succeeded);
    EXPECT_EQ(site("late.mp4"), "late index");
    EXPECT_EQ(test_support::entryNames(dir / "site"),
              (std::vector<std::string>{"early.mp4", "images", "index.html", "js", "late.mp4"}));
}

TEST_F(PublishMoviesTest, CancelDuringTheRewriteLeavesTheFolderAsItWas) {
    ASSERT_FALSE(text::writeFileAtomic(dir / "site" / "late.mp4", "published before"));
    const test_support::FolderSnapshot before = test_support::snapshot(dir / "site");
    std::atomic<bool> stop{false};
    tools.stopWhileRewriting = &stop;
    EXPECT_EQ(publish(&stop).outcome, PublishOutcome::Cancelled);
    EXPECT_EQ(test_support::snapshot(dir / "site"), before);
}
