#pragma once

// Deferred work on the caller's thread, so the editor never blocks the window
// while the preview settles on a still frame.

#include <chrono>
#include <functional>

namespace tessaly::hotspots {

class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Runs `callback` once, on the calling thread's event loop, after `delay`.
    virtual void runLater(std::chrono::milliseconds delay, std::function<void()> callback) = 0;
};

}  // namespace tessaly::hotspots
