#include "app/FrameWorker.h"

#include <utility>

#include "app/FrameScaler.h"

namespace tessaly::app {

FrameWorker::FrameWorker(std::function<void()> ready)
    : ready_(std::move(ready)), thread_([this](const std::stop_token& stop) { run(stop); }) {}

FrameWorker::~FrameWorker() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
}

void FrameWorker::offer(const QVideoFrame& frame, QSize target, std::uint64_t movie,
                        movies::StereoLayout layout) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = Job{frame, target, movie, layout};
    }
    wake_.notify_one();
}

std::optional<FrameWorker::Picture> FrameWorker::take() {
    const std::lock_guard lock(mutex_);
    announced_ = false;
    return std::exchange(finished_, std::nullopt);
}

void FrameWorker::run(const std::stop_token& stop) {
    FrameScaler scaler;
    std::unique_lock lock(mutex_);
    while (wake_.wait(lock, stop, [this] { return waiting_.has_value(); })) {
        Job job = std::move(*waiting_);
        waiting_.reset();
        lock.unlock();
        Picture picture{{}, job.movie, false};
        if (job.frame.isValid()) {
            picture.image = scaler.scale(job.frame, job.target, job.layout);
            picture.unreadable = picture.image.isNull();
        }
        job.frame = QVideoFrame();  // the decoder's buffer goes back before the picture is shown
        lock.lock();
        finished_ = std::move(picture);
        if (!std::exchange(announced_, true)) {
            lock.unlock();
            ready_();
            lock.lock();
        }
    }
}

}  // namespace tessaly::app
