// The ways to turn a decoded frame into the preview's picture, timed on one
// thread (its processor time), for bench/preview/run.sh:
//   scaler_bench
// For 1K to 8K YUV 4:2:0 frames (the decoders' usual format), milliseconds a
// frame: the preview's FrameScaler (FFmpeg's scaler, reading every few lines
// of a large frame), FFmpeg's scaler reading every line, and Qt's own way
// (QVideoFrame::toImage, then QImage::scaled), which the preview used before.
// Each frame is converted once: Qt keeps a frame's converted image. Last, the
// preview looking around: the part of the frame in sight scaled for the view,
// and the view drawn from it through its map.

#include <QGuiApplication>
#include <QImage>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/FrameScaler.h"
#include "core/hotspots/LookAround.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace {

// The processor time of this thread: on a machine others load, the time a
// frame takes to come round would count their work too.
double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

QVideoFrame makeFrame(QSize size, int seed) {
    QVideoFrame frame(QVideoFrameFormat(size, QVideoFrameFormat::Format_YUV420P));
    frame.map(QVideoFrame::WriteOnly);
    for (int plane = 0; plane < 3; ++plane) {
        const int lines = plane == 0 ? size.height() : size.height() / 2;
        for (int y = 0; y < lines; ++y) {
            std::uint8_t* line = frame.bits(plane) + y * frame.bytesPerLine(plane);
            for (int x = 0; x < frame.bytesPerLine(plane); ++x)
                line[x] = (x * 7 + y * 3 + plane * 50 + seed) & 0xff;
        }
    }
    frame.unmap();
    return frame;
}

QImage everyLine(SwsContext* context, const QVideoFrame& frame, QSize target) {
    QVideoFrame mapped = frame;
    mapped.map(QVideoFrame::ReadOnly);
    QImage picture(target, QImage::Format_RGB32);
    const std::array<const std::uint8_t*, 4> planes{mapped.bits(0), mapped.bits(1), mapped.bits(2), nullptr};
    const std::array<int, 4> strides{mapped.bytesPerLine(0), mapped.bytesPerLine(1), mapped.bytesPerLine(2),
                                     0};
    std::uint8_t* out[4] = {picture.bits(), nullptr, nullptr, nullptr};
    const int outStrides[4] = {static_cast<int>(picture.bytesPerLine()), 0, 0, 0};
    sws_scale(context, planes.data(), strides.data(), 0, frame.height(), out, outStrides);
    mapped.unmap();
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::printf("%-10s %12s %12s %12s %12s   (ms a frame)\n", "frame", "preview", "every line", "Qt toImage",
                "look around");
    for (const QSize size : {QSize(1024, 512), QSize(2048, 1024), QSize(3840, 1920), QSize(7680, 3840)}) {
        const QSize target = tessaly::app::fittedSize(size, QSize(446, 298));
        const int count = size.width() > 4000 ? 6 : 12;
        std::vector<QVideoFrame> frames;
        for (int i = 0; i < count; ++i) frames.push_back(makeFrame(size, i));
        const auto perFrame = [&](const auto& convert) {
            const double start = threadMs();
            for (const QVideoFrame& frame : frames) {
                const QImage picture = convert(frame);
                if (picture.size() != target && picture.size() != QSize(444, 222))
                    std::fprintf(stderr, "scaler_bench: a picture of the wrong size\n");
            }
            return (threadMs() - start) / count;
        };
        tessaly::app::FrameScaler scaler;
        scaler.scale(frames.front(), target);  // its scaler made, as the other's is, before the clock
        const double preview = perFrame([&](const QVideoFrame& f) { return scaler.scale(f, target); });
        SwsContext* context =
            sws_getContext(size.width(), size.height(), AV_PIX_FMT_YUV420P, target.width(), target.height(),
                           AV_PIX_FMT_BGRA, SWS_AREA, nullptr, nullptr, nullptr);
        const double all = perFrame([&](const QVideoFrame& f) { return everyLine(context, f, target); });
        sws_freeContext(context);
        const double qt = perFrame([&](const QVideoFrame& f) {
            return f.toImage().scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        });
        // As the preview's worker does it, the view's map made before the clock.
        const QSize view(444, 222);
        const QSize sharp(std::min(size.width(), 4 * target.width()),
                          std::min(size.height(), 2 * target.height()));
        const tessaly::hotspots::ViewMap map(
            {{0, 0}, 90}, view.width(), view.height(),
            {size.width(), size.height(), sharp.width(), sharp.height(), 360});
        tessaly::app::FrameScaler lookScaler;
        lookScaler.scale(frames.front(), map.cut(), tessaly::movies::StereoLayout::Mono, 1);
        const double look = perFrame([&](const QVideoFrame& f) {
            const QImage part = lookScaler.scale(f, map.cut(), tessaly::movies::StereoLayout::Mono, 1);
            QImage out(view, QImage::Format_RGB32);
            map.draw(reinterpret_cast<const std::uint32_t*>(part.constBits()),
                     reinterpret_cast<std::uint32_t*>(out.bits()),
                     static_cast<std::size_t>(out.bytesPerLine() / 4));
            return out;
        });
        std::printf("%4dx%-5d %12.2f %12.2f %12.2f %12.2f\n", size.width(), size.height(), preview, all, qt,
                    look);
    }
    return 0;
}
