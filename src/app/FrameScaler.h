#pragma once

// Turns a decoded movie frame into a picture of the preview's size with
// FFmpeg's scaler, reading the frame's planes in place: a 360 movie frame is
// up to 8K, and converting it whole before scaling costs more than decoding it.

#include <QImage>
#include <QSize>
#include <array>

#include "core/hotspots/LookAround.h"
#include "core/movies/MovieFormat.h"

class QVideoFrame;
struct SwsContext;

namespace tessaly::app {

class FrameScaler {
public:
    FrameScaler() = default;
    ~FrameScaler();
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // The frame, or the first eye's picture of a stereo frame (the top, or the
    // left), scaled to `target` (an opaque picture of exactly that size); a null
    // image when the frame cannot be read or its pixel format is not one a
    // decoder gives. Of a frame many times taller than the target, about
    // `linesPerLine` lines are read for each line made.
    QImage scale(const QVideoFrame& frame, QSize target,
                 movies::StereoLayout layout = movies::StereoLayout::Mono, int linesPerLine = 2);
    // The part `cut` of the frame's (or first eye's) picture, its pieces side
    // by side in a picture of the cut's size.
    QImage scale(const QVideoFrame& frame, const hotspots::FrameCut& cut, movies::StereoLayout layout,
                 int linesPerLine);

private:
    // What the scaler context was made for; frames of one movie keep it.
    struct Shape {
        int format = -1;
        QSize frame;
        QSize target;
        int matrix = 0;
        bool fullRange = false;
        bool operator==(const Shape&) const = default;
    };
    // One for each piece of a cut.
    struct Context {
        SwsContext* scaler = nullptr;
        Shape shape;
    };
    std::array<Context, 2> contexts_{};
};

// The largest size of the frame's shape that fits in `area`.
QSize fittedSize(QSize frame, QSize area);

}  // namespace tessaly::app
