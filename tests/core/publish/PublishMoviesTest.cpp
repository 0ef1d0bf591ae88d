// Publishing with movie tools: a movie whose index is at its end is written
// with the index in front, the rest copied as they are.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <set>
#include <string>

#include "../ScratchFolder.h"
#include "FolderSnapshot.h"
#include "Outcomes.h"
#include "core/movies/MovieTools.h"
#include "core/platform/Files.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/publish/WorkSteps.h"

using namespace tessaly;
using namespace tessaly::publish;
namespace fs = std::filesystem;

namespace {

using tessaly::test_support::Outcome;
using tessaly::test_support::outcomeOf;

// Movies named in `indexAtEnd` are "rewritten" as "front:" + their bytes.
class FakeTools : public movies::MovieTools {
public:
    std::set<std::string> indexAtEnd;
    bool failRewrite = false;
    std::atomic<bool>* stopWhileRewriting = nullptr;
    std::vector<std::string> rewritten;
    // Called on the reading thread before the answer: a slow read.
    std::function<void(const fs::path& movie)> beforeAnswer;

    movies::MovieInfo inspect(const fs::path& movie, const std::atomic<bool>*) override {
        if (beforeAnswer) beforeAnswer(movie);
        movies::MovieInfo info;
        info.hasVideo = true;
        info.indexAtFront = indexAtEnd.count(movie.filename().string()) == 0;
        return info;
    }
    Result<void> moveIndexToFront(const fs::path& movie, int out, const fs::path& outName,
                                  const movies::ByteProgress& progress,
                                  const std::atomic<bool>* stop) override {
        rewritten.push_back(movie.filename().string() + " -> " + outName.filename().string());
        const std::string bytes = "front:" + platform::readFile(movie).value();
        if (::write(out, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            return platform::FileError{outName, "write", "short write"};
        if (progress) progress(bytes.size(), bytes.size());
        if (stopWhileRewriting != nullptr) stopWhileRewriting->store(true);
        if (stop != nullptr && stop->load()) return cancellation();
        if (failRewrite) return platform::FileError{outName, "write", "Invalid argument"};
        return success();
    }
};

// What the publishing thread did, for the reading thread to wait for: the
// copies (by file name) that reported progress, and those that reported their end.
class Sightings {
public:
    void saw(const std::string& movie, bool finished) {
        const std::lock_guard lock(mutex_);
        begun_.insert(movie);
        if (finished) finished_.insert(movie);
        changed_.notify_all();
    }
    // Bounded, so a publish that never copies while reading fails instead of hanging.
    bool waitFor(const std::string& movie, bool finished) {
        std::unique_lock lock(mutex_);
        const std::set<std::string>& seen = finished ? finished_ : begun_;
        return changed_.wait_for(lock, std::chrono::seconds(30), [&] { return seen.count(movie) != 0; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<std::string> begun_, finished_;
};

class PublishMoviesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("publish-movies",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "site");
        ASSERT_TRUE(platform::writeFileAtomic(dir / "late.mp4", "late index").ok());
        ASSERT_TRUE(platform::writeFileAtomic(dir / "early.mp4", "early index").ok());
        tools.indexAtEnd = {"late.mp4"};
    }
    void TearDown() override { fs::remove_all(dir); }

    PublishResult publish(const std::atomic<bool>* stop = nullptr) {
        model::ViewerSettings settings;
        std::optional<Message> notice;
        const PublishJob job = publishJob({(dir / "late.mp4").string(), (dir / "early.mp4").string(), ""},
                                          dir / "site" / "index.html", settings, {}, notice);
        PublishControl control;
        control.movieTools = &tools;
        control.stop = stop;
        control.progress = [this](const fs::path& movie, std::uint64_t done, std::uint64_t total) {
            if (onProgress) onProgress(movie);
            sightings.saw(movie.filename().string(), done == total);
        };
        return publish::publish(job, control);
    }
    std::string site(const std::string& name) const {
        return platform::readFile(dir / "site" / name).value();
    }

    fs::path dir;
    FakeTools tools;
    Sightings sightings;
    std::function<void(const fs::path& movie)> onProgress;  // on the publishing thread
};

}  // namespace

TEST_F(PublishMoviesTest, OnlyTheMovieWithItsIndexAtTheEndIsRewrittenAndTheOriginalStaysAsItWas) {
    const PublishResult report = publish();
    ASSERT_EQ(outcomeOf(report), Outcome::Succeeded);
    EXPECT_EQ(publish::publishMessage(report).text, messages::kPublishingSucceeded);
    EXPECT_TRUE(report->indexLeftAtEnd.empty());
    EXPECT_EQ(tools.rewritten, std::vector<std::string>{"late.mp4 -> late.mp4"});
    EXPECT_EQ(site("late.mp4"), "front:late index");
    EXPECT_EQ(site("early.mp4"), "early index");
    EXPECT_EQ(platform::readFile(dir / "late.mp4").value(), "late index");
}

TEST_F(PublishMoviesTest, AMovieTheToolsCannotRewriteIsCopiedAsItIs) {
    tools.failRewrite = true;
    const PublishResult report = publish();
    ASSERT_EQ(outcomeOf(report), Outcome::Succeeded);
    // The message says the index stayed where it was, and why.
    EXPECT_EQ(publish::publishMessage(report).text,
              std::string(messages::kPublishingSucceeded) +
                  "\nlate.mp4: " + std::string(messages::kIndexLeftAtEnd) + " (Cannot write " +
                  (dir / "site" / "late.mp4").string() + ": Invalid argument)");
    EXPECT_EQ(report->indexLeftAtEnd, std::vector<fs::path>{dir / "late.mp4"});
    EXPECT_EQ(site("late.mp4"), "late index");
    EXPECT_EQ(test_support::entryNames(dir / "site"),
              (std::vector<std::string>{"early.mp4", "images", "index.html", "js", "late.mp4"}));
}

TEST_F(PublishMoviesTest, CancelDuringTheRewriteLeavesTheFolderAsItWas) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "late.mp4", "published before").ok());
    const test_support::FolderSnapshot before = test_support::snapshot(dir / "site");
    std::atomic<bool> stop{false};
    tools.stopWhileRewriting = &stop;
    EXPECT_EQ(outcomeOf(publish(&stop)), Outcome::Cancelled);
    EXPECT_EQ(test_support::snapshot(dir / "site"), before);
}

// The copy does not wait for the reading: a read that answers only once the
// copy is complete still turns a movie with its index at the end into the rewrite.
TEST_F(PublishMoviesTest, AReadSlowerThanTheCopyStillChoosesTheRewriteOrKeepsTheCopy) {
    std::atomic<bool> copiedFirst{true};
    tools.beforeAnswer = [&](const fs::path& movie) {
        if (!sightings.waitFor(movie.filename().string(), true)) copiedFirst = false;
    };
    ASSERT_EQ(outcomeOf(publish()), Outcome::Succeeded);
    EXPECT_TRUE(copiedFirst);
    EXPECT_EQ(tools.rewritten, std::vector<std::string>{"late.mp4 -> late.mp4"});
    EXPECT_EQ(site("late.mp4"), "front:late index");
    EXPECT_EQ(site("early.mp4"), "early index");
    EXPECT_EQ(test_support::entryNames(dir / "site"),
              (std::vector<std::string>{"early.mp4", "images", "index.html", "js", "late.mp4"}));
}

// Large movies, so the copy is under way when the reading answers: the copy
// stopped for the rewrite (or finished, if the answer came late) is dropped.
TEST_F(PublishMoviesTest, AMovieFoundToNeedTheRewriteDuringItsCopyIsRewritten) {
    const std::string late(40u << 20, 'l'), early(40u << 20, 'e');
    ASSERT_TRUE(platform::writeFileAtomic(dir / "late.mp4", late).ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "early.mp4", early).ok());
    tools.beforeAnswer = [&](const fs::path& movie) { sightings.waitFor(movie.filename().string(), false); };
    ASSERT_EQ(outcomeOf(publish()), Outcome::Succeeded);
    EXPECT_EQ(tools.rewritten, std::vector<std::string>{"late.mp4 -> late.mp4"});
    EXPECT_TRUE(site("late.mp4") == "front:" + late);
    EXPECT_TRUE(site("early.mp4") == early);
}

TEST_F(PublishMoviesTest, AMovieTheToolsCannotRewriteAfterItsCopyStoppedIsCopiedAgain) {
    const std::string late(40u << 20, 'l');
    ASSERT_TRUE(platform::writeFileAtomic(dir / "late.mp4", late).ok());
    tools.failRewrite = true;
    tools.beforeAnswer = [&](const fs::path& movie) { sightings.waitFor(movie.filename().string(), false); };
    ASSERT_EQ(outcomeOf(publish()), Outcome::Succeeded);
    EXPECT_TRUE(site("late.mp4") == late);
}

// Cancel while the copy runs and the movie is still being read: the publish
// says so, rewrites nothing and leaves the folder as it was.
TEST_F(PublishMoviesTest, CancelDuringTheCopyWhileTheMovieIsReadLeavesTheFolderAsItWas) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "late.mp4", std::string(40u << 20, 'l')).ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "site" / "late.mp4", "published before").ok());
    const test_support::FolderSnapshot before = test_support::snapshot(dir / "site");
    std::atomic<bool> stop{false};
    std::atomic<bool> answeredAfterCancel{false};
    onProgress = [&](const fs::path&) { stop.store(true); };
    tools.beforeAnswer = [&](const fs::path& movie) {
        sightings.waitFor(movie.filename().string(), false);
        answeredAfterCancel = stop.load();
    };
    const PublishResult report = publish(&stop);
    EXPECT_EQ(outcomeOf(report), Outcome::Cancelled);
    EXPECT_EQ(publish::publishMessage(report).text, "Publishing cancelled");
    EXPECT_TRUE(answeredAfterCancel);
    EXPECT_TRUE(tools.rewritten.empty());
    EXPECT_EQ(test_support::snapshot(dir / "site"), before);
}

namespace {

// Answers as the window or the command line would, and notes what it was asked.
class FakeTalk : public PublishQuestions {
public:
    bool goOn = false;
    std::vector<Message> told;
    int asked = 0;

    void tell(const Message& notice) override { told.push_back(notice); }
    bool goOnDespite(const std::vector<movies::MovieFinding>&, const std::vector<Mismatch>&) override {
        ++asked;
        return goOn;
    }
};

// Runs the steps in place, as the command line does, and notes them.
class FakeJobs : public InPlaceJobs {
public:
    FakeJobs() : InPlaceJobs(nullptr) {}
    std::vector<JobStep> steps;
    std::vector<JobProgress> reports;

    const std::atomic<bool>* stopFlag() const override { return &stop_; }
    void stepBegins(JobStep step) override { steps.push_back(step); }
    void report(const JobProgress& progress) override { reports.push_back(progress); }
    int ran() const { return static_cast<int>(std::count(steps.begin(), steps.end(), JobStep::WritingPage)); }

private:
    std::atomic<bool> stop_{false};
};

}  // namespace

// The steps the window and the command line share: a refused job is never run,
// movies that will not play well are asked about first, and only a yes publishes.
TEST_F(PublishMoviesTest, SharedStepsAskBeforeRunningAndRunOnlyWhatMayBePublished) {
    PublishWork work{
        {(dir / "late.mp4").string(), "", ""}, dir / "site" / "index.html", {}, {}, true, nullptr};
    model::ViewerSettings settings;
    settings.customSize = 1;
    settings.customWidth = "200";
    settings.customHeight = "480";
    FakeTalk talk;
    FakeJobs jobs;
    const auto publishWork = [&] {
        PublishResult result = cancellation();
        int ended = 0;
        startPublish(jobs, work, settings, tools, talk,
                     [&](const PublishResult& outcome, const model::ViewerSettings& back) {
                         result = outcome;
                         settings = back;
                         ++ended;
                     });
        EXPECT_EQ(ended, 1);
        return result;
    };
    const PublishResult declined = publishWork();
    EXPECT_EQ(outcomeOf(declined), Outcome::Cancelled);
    EXPECT_TRUE(publish::publishMessage(declined).text.empty());
    EXPECT_EQ(talk.told.size(), 1u);  // the custom size's notice
    EXPECT_EQ((std::pair{talk.asked, jobs.ran()}), (std::pair{1, 0}));
    EXPECT_EQ(settings.customWidth, "320");  // the rejected size comes back reset
    EXPECT_TRUE(test_support::entryNames(dir / "site").empty());

    talk.goOn = true;
    EXPECT_EQ(outcomeOf(publishWork()), Outcome::Succeeded);
    EXPECT_EQ((std::pair{talk.asked, jobs.ran()}), (std::pair{2, 1}));
    EXPECT_EQ(site("late.mp4"), "front:late index");
    // The movies were read in a step of their own before each question, and the copy reported.
    EXPECT_EQ(jobs.steps,
              (std::vector{JobStep::ReadingMovies, JobStep::ReadingMovies, JobStep::WritingPage}));
    ASSERT_FALSE(jobs.reports.empty());
    EXPECT_EQ(jobs.reports.back().movie, dir / "late.mp4");
    EXPECT_EQ(jobs.reports.back().fraction(), 1.0);

    ASSERT_TRUE(platform::writeFileAtomic(dir / "tour.avi", "avi").ok());
    work.movies[0] = (dir / "tour.avi").string();
    const PublishResult refused = publishWork();
    EXPECT_EQ(outcomeOf(refused), Outcome::Refused);
    PublishJob avi;
    avi.movies = work.movies;
    EXPECT_EQ(refused.failure(), checkJob(avi).failure());
    EXPECT_EQ((std::pair{talk.asked, jobs.ran()}), (std::pair{2, 1}));

    const Result<movies::EncodeJob> noMovie = encodeJob({" ", "", ""}, dir);
    ASSERT_TRUE(noMovie.failed());
    EXPECT_EQ(noMovie.failure(), checkMainMovie({" ", "", ""}).failure());
}
