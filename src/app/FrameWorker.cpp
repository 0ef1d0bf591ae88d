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
                        movies::StereoLayout layout, std::optional<LookAt> look) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = Job{frame, target, movie, layout, look};
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
            picture.image = draw(scaler, job);
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

namespace tessaly::app {

QImage FrameWorker::draw(FrameScaler& scaler, const Job& job) {
    if (!job.look) return scaler.scale(job.frame, job.target, job.layout);
    const LookAt& look = *job.look;
    const int width = job.target.width();
    const int height = job.target.height();
    const movies::EyeSize eye = movies::eyeSize(job.layout, job.frame.width(), job.frame.height());
    const hotspots::ViewSource source{eye.width, eye.height, look.source.width(), look.source.height(),
                                      look.field};
    if (!map_.fits(look.view, width, height, source))
        map_ = hotspots::ViewMap(look.view, width, height, source);
    // Only the part of the frame in sight is scaled, reading as many lines as
    // for the flat picture: the view costs little more.
    QImage picture;
    if (!map_.cut().pieces.empty()) {
        picture = scaler.scale(job.frame, map_.cut(), job.layout, 1);
        if (picture.isNull()) return {};
    }
    QImage view(job.target, QImage::Format_RGB32);
    map_.draw(reinterpret_cast<const std::uint32_t*>(picture.constBits()),
              reinterpret_cast<std::uint32_t*>(view.bits()),
              static_cast<std::size_t>(view.bytesPerLine() / 4));
    return view;
}

}  // namespace tessaly::app
