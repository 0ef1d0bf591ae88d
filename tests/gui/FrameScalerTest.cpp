// The preview's frame scaling: frames in the pixel formats decoders give become
// pictures of the preview's size with the right colours, 8K frames included,
// and the worker hands over the newest picture.

#include <gtest/gtest.h>

#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>

#include "WindowHarness.h"
#include "app/FrameScaler.h"
#include "app/FrameWorker.h"

namespace tessaly::gui_test {
namespace {

using Pf = QVideoFrameFormat::PixelFormat;

struct Yuv {
    std::uint8_t y, u, v;
};
// Studio-range BT.601 values, the matrix of frames under 720 lines.
constexpr Yuv kRed{81, 90, 240};
constexpr Yuv kBlue{41, 240, 110};
constexpr Yuv kWhite{235, 128, 128};
constexpr Yuv kBlack{16, 128, 128};

// A frame whose rows above `split` have one colour (or with `topRight`, that
// colour in their right half) and the rest another, in a YUV 4:2:0 layout.
QVideoFrame twoColourFrame(QSize size, Pf format, const Yuv& top, const Yuv& bottom, int split,
                           std::optional<Yuv> topRight = std::nullopt) {
    QVideoFrame frame(QVideoFrameFormat(size, format));
    EXPECT_TRUE(frame.map(QVideoFrame::WriteOnly));
    const bool yv12 = format == Pf::Format_YV12;
    const int half = size.width() / 2;
    for (int y = 0; y < size.height(); ++y) {
        for (const int from : {0, half}) {
            const Yuv& c = y >= split ? bottom : from > 0 && topRight ? *topRight : top;
            std::memset(frame.bits(0) + y * frame.bytesPerLine(0) + from, c.y,
                        static_cast<std::size_t>(half));
            if (y % 2 != 0) continue;
            const int row = y / 2;
            if (format == Pf::Format_NV12) {
                std::uint8_t* line = frame.bits(1) + row * frame.bytesPerLine(1);
                for (int x = from / 2; x < (from + half) / 2; ++x) {
                    line[2 * x] = c.u;
                    line[2 * x + 1] = c.v;
                }
            } else {
                const auto quarter = static_cast<std::size_t>(half / 2);
                std::memset(frame.bits(yv12 ? 2 : 1) + row * frame.bytesPerLine(yv12 ? 2 : 1) + from / 2, c.u,
                            quarter);
                std::memset(frame.bits(yv12 ? 1 : 2) + row * frame.bytesPerLine(yv12 ? 1 : 2) + from / 2, c.v,
                            quarter);
            }
        }
    }
    frame.unmap();
    return frame;
}

void expectColour(const QImage& image, QPoint at, QColor want) {
    const QColor got = image.pixelColor(at);
    EXPECT_NEAR(got.red(), want.red(), 24) << at.x() << "," << at.y();
    EXPECT_NEAR(got.green(), want.green(), 24) << at.x() << "," << at.y();
    EXPECT_NEAR(got.blue(), want.blue(), 24) << at.x() << "," << at.y();
}

TEST(FrameScaler, MakesThePictureAtThePreviewsSizeInEveryDecoderFormat) {
    const QSize size(64, 32);
    const QSize target = app::fittedSize(size, QSize(446, 298));
    EXPECT_EQ(target, QSize(446, 223)) << "2:1 fills the width";
    for (const Pf format : {Pf::Format_YUV420P, Pf::Format_YV12, Pf::Format_NV12}) {
        app::FrameScaler scaler;
        const QImage picture = scaler.scale(twoColourFrame(size, format, kRed, kBlue, 16), target);
        ASSERT_EQ(picture.size(), target) << format;
        expectColour(picture, {200, 40}, Qt::red);
        expectColour(picture, {200, 180}, Qt::blue);
    }
}

TEST(FrameScaler, ReadsRgbFramesToo) {
    QVideoFrame frame(QVideoFrameFormat(QSize(8, 8), Pf::Format_BGRA8888));
    ASSERT_TRUE(frame.map(QVideoFrame::WriteOnly));
    for (int y = 0; y < 8; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(frame.bits(0) + y * frame.bytesPerLine(0));
        for (int x = 0; x < 8; ++x) line[x] = 0xff20a040;  // bytes B G R A on a little-endian machine
    }
    frame.unmap();
    app::FrameScaler scaler;
    const QImage picture = scaler.scale(frame, QSize(16, 16));
    ASSERT_EQ(picture.size(), QSize(16, 16));
    expectColour(picture, {8, 8}, QColor(0x20, 0xa0, 0x40));
}

TEST(FrameScaler, An8KFrameKeepsItsShapeReadingEveryFewLines) {
    // 7680 x 3840, the top third white: the line steps keep the rows in place
    // and never read past the planes (the sanitizer build would say).
    const QSize size(7680, 3840);
    app::FrameScaler scaler;
    const QImage picture = scaler.scale(twoColourFrame(size, Pf::Format_YUV420P, kWhite, kBlack, 1280),
                                        app::fittedSize(size, QSize(446, 298)));
    ASSERT_EQ(picture.size(), QSize(446, 223));
    expectColour(picture, {220, 60}, Qt::white);
    expectColour(picture, {220, 90}, Qt::black);
    expectColour(picture, {5, 222}, Qt::black);
}

// Of a stereo frame the preview shows the first eye, here the left half,
// reading within the planes (the sanitizer build would say); the GUI flow
// shows a top-bottom movie's top half.
TEST(FrameScaler, AStereoFrameShowsItsFirstEyeOnly) {
    const QVideoFrame frame = twoColourFrame(QSize(7680, 7680), Pf::Format_YUV420P, kRed, kBlue, 3840);
    app::FrameScaler scaler;
    const QImage left = scaler.scale(frame, QSize(149, 298), movies::StereoLayout::SideBySide);
    ASSERT_EQ(left.size(), QSize(149, 298));
    expectColour(left, {70, 60}, Qt::red);
    expectColour(left, {70, 250}, Qt::blue);
}

// The look-around view's part of a frame (left red, right blue, the bottom
// white): rows from the cut's top, the frame's right end and left start side by side.
TEST(FrameScaler, ACutTakesItsRowsAndPiecesFromTheirPlaceInEveryPlane) {
    const hotspots::FrameCut cut{64, 64, 64, 32, {{160, 96, 0, 48}, {0, 32, 48, 16}}};
    for (const Pf format : {Pf::Format_YUV420P, Pf::Format_YV12, Pf::Format_NV12}) {
        const QVideoFrame frame = twoColourFrame(QSize(256, 128), format, kRed, kWhite, 96, kBlue);
        app::FrameScaler scaler;
        const QImage picture = scaler.scale(frame, cut, movies::StereoLayout::Mono, 1);
        ASSERT_EQ(picture.size(), QSize(64, 32)) << format;
        expectColour(picture, {10, 5}, Qt::blue);
        expectColour(picture, {56, 5}, Qt::red);
        expectColour(picture, {10, 28}, Qt::white);
        expectColour(picture, {56, 28}, Qt::white);
    }
}

TEST(FrameScaler, AFormatItCannotReadGivesNoPicture) {
    app::FrameScaler scaler;
    EXPECT_TRUE(
        scaler.scale(QVideoFrame(QVideoFrameFormat(QSize(8, 8), Pf::Format_AYUV)), QSize(8, 8)).isNull());
}

TEST(FrameWorker, HandsOverTheNewestPictureOfTheMovieItWasOfferedFor) {
    std::atomic<int> announced{0};
    app::FrameWorker worker([&announced] { ++announced; });
    // Many frames at once: some are dropped, never the last.
    for (int i = 0; i < 30; ++i) {
        worker.offer(twoColourFrame(QSize(64, 32), Pf::Format_YUV420P, kRed, kRed, 32), QSize(64, 32), 1);
    }
    worker.offer(twoColourFrame(QSize(64, 32), Pf::Format_YUV420P, kBlue, kBlue, 32), QSize(64, 32), 2);
    std::optional<app::FrameWorker::Picture> last;
    ASSERT_TRUE(waitFor(
        [&] {
            if (auto picture = worker.take()) last = std::move(picture);
            return last && last->movie == 2;
        },
        10000));
    EXPECT_FALSE(last->unreadable);
    expectColour(last->image, {32, 16}, Qt::blue);
    EXPECT_LE(announced, 31);
    EXPECT_FALSE(worker.take()) << "nothing left after the newest";
}

}  // namespace
}  // namespace tessaly::gui_test
