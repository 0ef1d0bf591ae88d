#pragma once

// Make Web Versions from the window: core encodes slot 1's movie on a worker
// thread while a progress window shows how far it is and how long is left,
// with a Cancel that leaves no file behind; the window takes no other input
// meanwhile. The outcome is shown last.

#include <QPointer>
#include <atomic>
#include <filesystem>
#include <vector>

#include "core/model/ProjectFile.h"
#include "core/movies/WebVersions.h"

class QWidget;

namespace tessaly {
class Prompts;
}

namespace tessaly::app {

class EncodeCommand {
public:
    EncodeCommand(QWidget* window, Prompts& prompts, movies::MovieTools& tools, movies::MovieEncoder& encoder)
        : window_(window), prompts_(prompts), tools_(tools), encoder_(encoder) {}

    // The versions made, largest first, for slots 2 and 3; empty when none
    // were. They go into `folder` (the project's, or slot 1's own).
    std::vector<std::filesystem::path> run(const model::MovieSlots& movies,
                                           const std::filesystem::path& folder);

    bool running() const { return running_; }
    void cancel() { stop_.store(true); }

private:
    movies::EncodeReport encodeInBackground(const movies::EncodeJob& job);

    QPointer<QWidget> window_;
    Prompts& prompts_;
    movies::MovieTools& tools_;
    movies::MovieEncoder& encoder_;
    bool running_ = false;
    std::atomic<bool> stop_{false};
};

}  // namespace tessaly::app
