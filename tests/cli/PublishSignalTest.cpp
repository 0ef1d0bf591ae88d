// `tessaly publish` as its own process, stopped by a signal in the middle of a
// large movie copy: Ctrl+C and SIGTERM cancel and leave the page folder as it
// was; even SIGKILL leaves no temporary behind for the user to upload.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../core/publish/FolderSnapshot.h"
#include "cli/Verbs.h"
#include "core/model/AppState.h"
#include "core/model/ProjectFile.h"
#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"

extern char** environ;

using namespace tessaly;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Large enough that the copy is still running when the signal comes; sparse,
// so making it costs no disk.
constexpr std::uint64_t kBigMovie = std::uint64_t{4} << 30;

class PublishProcess : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("tessaly-publish-process-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "movies");
        ASSERT_TRUE(platform::writeFileAtomic(dir / "movies" / "small.mp4", "small movie").ok());
        {
            const int fd = ::open((dir / "movies" / "big.mp4").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kBigMovie)), 0);
            ::close(fd);
        }
        saveProject("movies/small.mp4");
    }
    void TearDown() override {
        if (child > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        fs::remove_all(dir);
    }

    void saveProject(const std::string& movie) {
        model::AppState state = model::startState(dir.string(), {});
        state.movies = {movie, "", ""};
        ASSERT_TRUE(model::saveProject(project(), state.settings, state.movies, state.hotSpots).ok());
    }
    fs::path project() const { return dir / "tour.hs5"; }

    // An earlier tree in `site`, published from the small movie.
    void publishSmall(const fs::path& site) {
        std::ostringstream out, err;
        ASSERT_EQ(cli::runPublish({project().string(), (site / "index.html").string()}, out, err), 0)
            << err.str();
    }

    void start(const fs::path& site) {
        const std::string program = TESSALY_CLI;
        std::vector<std::string> args{program, "publish", project().string(), (site / "index.html").string()};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (dir / "stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int error = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(error, 0);
    }

    // Until the child has the big movie open: the copy under way.
    bool copying() const {
        const fs::path movie = dir / "movies" / "big.mp4";
        const fs::path fds = "/proc/" + std::to_string(child) + "/fd";
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            std::error_code ec;
            for (const auto& fd : fs::directory_iterator(fds, ec)) {
                const std::string target = fs::read_symlink(fd.path(), ec).string();
                if (!ec && target == movie.string()) return true;
            }
            if (::waitpid(child, nullptr, WNOHANG) != 0) return false;  // ended before it copied
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    // The child's wait status; -1 when it had to be killed after `seconds`.
    int finish(int seconds) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        int status = 0;
        while (Clock::now() < deadline) {
            if (::waitpid(child, &status, WNOHANG) == child) {
                child = 0;
                return status;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    fs::path dir;
    pid_t child = 0;
};

}  // namespace

TEST_F(PublishProcess, InterruptAndTerminateCancelAndLeaveTheFolderAsItWas) {
    const struct {
        int signal;
        bool earlierTree;
    } cases[] = {{SIGTERM, true}, {SIGINT, false}, {SIGTERM, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.signal) +
                     (c.earlierTree ? " over an earlier tree" : " into no folder"));
        const fs::path site = dir / ("site" + std::to_string(c.signal) + (c.earlierTree ? "-tree" : "-new"));
        saveProject("movies/small.mp4");
        if (c.earlierTree) publishSmall(site);
        saveProject("movies/big.mp4");
        const auto before = test_support::snapshot(site);

        start(site);
        ASSERT_TRUE(copying());
        ASSERT_EQ(::kill(child, c.signal), 0);
        const int status = finish(20);
        ASSERT_NE(status, -1) << "still running after the signal";
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal);
        EXPECT_NE(platform::readFile(dir / "stderr").value().find("tessaly: Publishing cancelled\n"),
                  std::string::npos);
        EXPECT_EQ(test_support::snapshot(site), before);
        EXPECT_EQ(fs::exists(site), c.earlierTree);
    }
}

// A SIGKILL cannot be caught: what the killed publish did is undone when the
// next publish into that folder starts, down to the folders it made.
TEST_F(PublishProcess, KillIsUndoneByTheNextRun) {
    const fs::path site = dir / "site";
    publishSmall(site);
    saveProject("movies/big.mp4");
    const auto before = test_support::snapshot(site);
    for (const fs::path& page : {site, dir / "new" / "site"}) {
        SCOPED_TRACE(page);
        start(page);
        ASSERT_TRUE(copying());
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        const int status = finish(20);
        ASSERT_TRUE(WIFSIGNALED(status));
        const platform::TreeRecovery recovery = platform::recoverInterruptedTree(page);
        EXPECT_TRUE(recovery.outcome.ok());
        EXPECT_TRUE(recovery.foreignJournal.empty());
    }
    EXPECT_EQ(test_support::snapshot(site), before);
    // The folder it made for the page goes; one above it the journal cannot reach.
    EXPECT_FALSE(fs::exists(dir / "new" / "site"));
    EXPECT_TRUE(fs::is_empty(dir / "new"));
}
