#pragma once

// Scales the preview's frames on a thread of its own, so the window's thread
// never touches a full-size frame. One frame waits at a time: a newer one takes
// the place of an older one not yet begun, so a machine too slow for a movie
// skips frames instead of falling behind, and holds at most two of the
// decoder's buffers. Finished pictures are handed over the same way.

#include <QImage>
#include <QSize>
#include <QVideoFrame>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "core/hotspots/LookAround.h"
#include "core/movies/MovieFormat.h"

namespace tessaly::app {

class FrameScaler;

// A picture drawn as a visitor sees the movie: the part of the frame in sight
// is scaled as sharp as it would be in a whole picture of `source`'s size, and
// the view drawn from it.
struct LookAt {
    hotspots::LookView view;
    QSize source;
    int field = movies::kFullField;
};

class FrameWorker {
public:
    struct Picture {
        QImage image;  // null for an empty frame (nothing to show)
        std::uint64_t movie = 0;
        bool unreadable = false;  // a frame the scaler could not read
    };

    // `ready` runs on the worker's thread when a picture waits to be taken; it
    // is not called again until that picture has been taken.
    explicit FrameWorker(std::function<void()> ready);
    ~FrameWorker();  // finishes the frame in hand, drops the waiting one
    FrameWorker(const FrameWorker&) = delete;
    FrameWorker& operator=(const FrameWorker&) = delete;

    // Any thread. `movie` comes back with the picture, so pictures of a movie
    // no longer shown can be told apart.
    // Of a stereo frame only the first eye is shown. With `look`, `target` is
    // the view's size.
    void offer(const QVideoFrame& frame, QSize target, std::uint64_t movie,
               movies::StereoLayout layout = movies::StereoLayout::Mono, std::optional<LookAt> look = {});
    // The newest finished picture, if one waits.
    std::optional<Picture> take();

private:
    struct Job {
        QVideoFrame frame;
        QSize target;
        std::uint64_t movie = 0;
        movies::StereoLayout layout = movies::StereoLayout::Mono;
        std::optional<LookAt> look;
    };
    void run(const std::stop_token& stop);
    QImage draw(FrameScaler& scaler, const Job& job);

    std::function<void()> ready_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Job> waiting_;
    std::optional<Picture> finished_;
    bool announced_ = false;  // `ready` called for the finished picture
    hotspots::ViewMap map_;   // the worker's own: made again when the view changes
    std::jthread thread_;     // last: started after the members it uses
};

}  // namespace tessaly::app
