#pragma once

// Long work, one way for the window and the command line: a publish and an
// encode are jobs whose steps run on a JobHost. The host decides where a slow
// step runs (the window: on a worker, and what follows back on its own thread
// once the step has ended; the command line: in place) and how progress is
// shown (the progress window, a line on the error stream); the job decides
// the steps, their order, what each reports and when the work ends.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "core/movies/TimeLeft.h"

namespace tessaly::publish {

// The step a job has come to, for what the progress shows before its first figures.
enum class JobStep {
    ReadingMovies,  // the movies are read before the publish asks about them
    WritingPage,    // the publish writes the page and copies the movies
    Encoding,       // the encode reads the movie and makes its versions
};

// How far a job is, reported from its worker.
struct JobProgress {
    JobStep step = JobStep::WritingPage;
    std::filesystem::path movie;  // the movie being copied or encoded
    double done = 0;              // bytes copied, or seconds of the movie encoded
    double total = 0;
    double seconds = 0;  // since work on this movie began

    // From 0 to 1; 1 when there is nothing to do.
    double fraction() const { return total <= 0 ? 1.0 : done >= total ? 1.0 : done / total; }
    // The rest at the pace so far ("..." before there is a pace).
    std::string timeLeft(movies::TimeLeftStyle style) const {
        return movies::timeLeftText(done, total, seconds, style);
    }
};

// Stamps each report with the time since its movie's work began: since
// start(), or since the movie's first report.
class ProgressClock {
public:
    void start(const std::filesystem::path& movie);
    JobProgress stamp(JobStep step, const std::filesystem::path& movie, double done, double total);

private:
    std::filesystem::path movie_;
    bool started_ = false;
    std::chrono::steady_clock::time_point start_;
};

class JobHost {
public:
    virtual ~JobHost() = default;
    // Set by a cancel (the progress window's, Ctrl+C, closing the window);
    // every step looks at it now and then.
    virtual const std::atomic<bool>* stopFlag() const = 0;
    // The job has come to `step`; on the caller's thread.
    virtual void stepBegins(JobStep /*step*/) {}
    // Runs `step`, then `then` on the caller's thread once `step` has ended.
    virtual void run(std::function<void()> step, std::function<void()> then) = 0;
    // From a step, on its thread: how far it is now. A report may be
    // replaced by the next before it is shown.
    virtual void report(const JobProgress& progress) = 0;
};

// Runs each step in place; how a report is shown is left to the one that
// derives from it: the command line's host, and the tests'.
class InPlaceJobs : public JobHost {
public:
    explicit InPlaceJobs(const std::atomic<bool>* stop) : stop_(stop) {}

    const std::atomic<bool>* stopFlag() const override { return stop_; }
    void run(std::function<void()> step, std::function<void()> then) override {
        step();
        then();
    }

private:
    const std::atomic<bool>* stop_;
};

}  // namespace tessaly::publish
