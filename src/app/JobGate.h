#pragma once

// The one gate for the window's long jobs (Publish Web Movie, Preview in
// Browser, Make Web Versions): while one runs the window takes no command and
// no handed-over file, and closing the window asks to stop the job and closes
// once it has ended.

#include <functional>
#include <string_view>
#include <vector>

namespace tessaly {
class Prompts;
}

namespace tessaly::app {

class JobGate {
public:
    struct Job {
        std::function<bool()> running;
        std::function<void()> cancel;
        std::string_view stopQuestion;  // asked when the window is closed meanwhile
    };

    // `closeWindow` closes the window for good once a stopped job has ended.
    JobGate(Prompts& prompts, std::function<void()> closeWindow)
        : prompts_(prompts), closeWindow_(std::move(closeWindow)) {}

    void add(Job job) { jobs_.push_back(std::move(job)); }
    bool running() const;
    // Runs `job` to its end, then closes the window if a close waited for it.
    void run(const std::function<void()>& job);
    // On closing: false when no job runs. Otherwise asks whether to stop the
    // job; a yes cancels it and the window closes when it has ended.
    bool holdClose();

private:
    Prompts& prompts_;
    std::function<void()> closeWindow_;
    std::vector<Job> jobs_;
    bool closeAsked_ = false;
};

}  // namespace tessaly::app
