#pragma once

// Make Web Versions from the window: core encodes slot 1's movie on the job
// runner's worker while its progress window shows how far it is and how long
// is left, with a Cancel that leaves no file behind; the window's commands are
// off meanwhile. The outcome is shown last.

#include <QPointer>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/model/ProjectFile.h"
#include "core/movies/WebVersions.h"

class QWidget;

namespace tessaly {
class Prompts;
}

namespace tessaly::app {

class JobRunner;

class EncodeCommand {
public:
    // The versions made, largest first, for slots 2 and 3; empty when none were.
    using Versions = std::function<void(const std::vector<std::filesystem::path>& versions)>;

    EncodeCommand(QWidget* window, Prompts& prompts, movies::MovieTools& tools, movies::MovieEncoder& encoder,
                  JobRunner& runner)
        : window_(window), prompts_(prompts), tools_(tools), encoder_(encoder), runner_(runner) {}

    // The versions go into `folder` (the project's, or slot 1's own); `then`
    // gets them once the outcome has been told.
    void run(const model::MovieSlots& movies, const std::filesystem::path& folder, Versions then);

    bool running() const { return running_; }

private:
    QPointer<QWidget> window_;
    Prompts& prompts_;
    movies::MovieTools& tools_;
    movies::MovieEncoder& encoder_;
    JobRunner& runner_;
    bool running_ = false;
};

}  // namespace tessaly::app
