#include "app/FrameScaler.h"

#include <QSysInfo>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

extern "C" {
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace tessaly::app {
namespace {

using Pf = QVideoFrameFormat::PixelFormat;

// The frame formats the media back ends hand out, as FFmpeg names them. Qt names
// packed formats by their bytes in memory, as FFmpeg does. Alpha is dropped: the
// preview is opaque. YV12 is I420 with its chroma planes in the other order.
struct FormatMatch {
    Pf qt;
    AVPixelFormat ffmpeg;
    bool swapChroma;
};
constexpr std::array kFormats{
    FormatMatch{Pf::Format_YUV420P, AV_PIX_FMT_YUV420P, false},
    FormatMatch{Pf::Format_YV12, AV_PIX_FMT_YUV420P, true},
    FormatMatch{Pf::Format_YUV422P, AV_PIX_FMT_YUV422P, false},
    FormatMatch{Pf::Format_YUV420P10, AV_PIX_FMT_YUV420P10LE, false},
    FormatMatch{Pf::Format_NV12, AV_PIX_FMT_NV12, false},
    FormatMatch{Pf::Format_NV21, AV_PIX_FMT_NV21, false},
    FormatMatch{Pf::Format_P010, AV_PIX_FMT_P010LE, false},
    FormatMatch{Pf::Format_P016, AV_PIX_FMT_P016LE, false},
    FormatMatch{Pf::Format_UYVY, AV_PIX_FMT_UYVY422, false},
    FormatMatch{Pf::Format_YUYV, AV_PIX_FMT_YUYV422, false},
    FormatMatch{Pf::Format_Y8, AV_PIX_FMT_GRAY8, false},
    FormatMatch{Pf::Format_Y16, AV_PIX_FMT_GRAY16LE, false},
    FormatMatch{Pf::Format_ARGB8888, AV_PIX_FMT_0RGB, false},
    FormatMatch{Pf::Format_ARGB8888_Premultiplied, AV_PIX_FMT_0RGB, false},
    FormatMatch{Pf::Format_XRGB8888, AV_PIX_FMT_0RGB, false},
    FormatMatch{Pf::Format_BGRA8888, AV_PIX_FMT_BGR0, false},
    FormatMatch{Pf::Format_BGRA8888_Premultiplied, AV_PIX_FMT_BGR0, false},
    FormatMatch{Pf::Format_BGRX8888, AV_PIX_FMT_BGR0, false},
    FormatMatch{Pf::Format_ABGR8888, AV_PIX_FMT_0BGR, false},
    FormatMatch{Pf::Format_XBGR8888, AV_PIX_FMT_0BGR, false},
    FormatMatch{Pf::Format_RGBA8888, AV_PIX_FMT_RGB0, false},
    FormatMatch{Pf::Format_RGBX8888, AV_PIX_FMT_RGB0, false},
};

std::optional<FormatMatch> ffmpegFormat(Pf format) {
    const auto* found = std::find_if(kFormats.begin(), kFormats.end(),
                                     [format](const FormatMatch& m) { return m.qt == format; });
    if (found == kFormats.end()) return std::nullopt;
    return *found;
}

// QImage::Format_RGB32 is 0xffRRGGBB in a 32-bit word, whatever the byte order.
constexpr AVPixelFormat kPictureFormat =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;

// FFmpeg's colour matrix for the frame's; movies that do not say are HD
// (BT.709) from 720 lines up and SD (BT.601) below, as players assume.
int colourMatrix(const QVideoFrameFormat& format) {
    switch (format.colorSpace()) {
        case QVideoFrameFormat::ColorSpace_BT709:
            return SWS_CS_ITU709;
        case QVideoFrameFormat::ColorSpace_BT2020:
            return SWS_CS_BT2020;
        case QVideoFrameFormat::ColorSpace_BT601:
        case QVideoFrameFormat::ColorSpace_AdobeRgb:
            return SWS_CS_ITU601;
        case QVideoFrameFormat::ColorSpace_Undefined:
            break;
    }
    return format.frameHeight() >= 720 ? SWS_CS_ITU709 : SWS_CS_ITU601;
}

}  // namespace

QSize fittedSize(QSize frame, QSize area) {
    if (frame.isEmpty() || area.isEmpty()) return {};
    return frame.scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

FrameScaler::~FrameScaler() {
    for (Context& context : contexts_) sws_freeContext(context.scaler);
}

QImage FrameScaler::scale(const QVideoFrame& frame, QSize target, movies::StereoLayout layout,
                          int linesPerLine) {
    if (target.isEmpty()) return {};
    // The first eye lies at the start of every plane: the top lines, or the
    // left of each line; the scaler reads only that much.
    const movies::EyeSize eye = movies::eyeSize(layout, frame.width(), frame.height());
    const int width = layout == movies::StereoLayout::SideBySide ? eye.width & ~1 : eye.width;
    hotspots::FrameCut whole{0, eye.height, target.width(), target.height(), {{0, width, 0, target.width()}}};
    return scale(frame, whole, layout, linesPerLine);
}

QImage FrameScaler::scale(const QVideoFrame& frame, const hotspots::FrameCut& cut,
                          movies::StereoLayout layout, int linesPerLine) {
    const std::optional<FormatMatch> format = ffmpegFormat(frame.pixelFormat());
    const QSize target(cut.pictureWidth, cut.pictureHeight);
    if (!format || target.isEmpty() || frame.size().isEmpty() || cut.pieces.empty() ||
        cut.pieces.size() > contexts_.size())
        return {};
    // Of a frame many times the picture's height only every `step`-th line is
    // read, leaving two to four lines to average into each line of the picture:
    // it makes an 8K frame cost about what a 2K one does, and the picture looks
    // the same. Planes are stepped through their line lengths, so chroma lines
    // stay with their luma lines.
    const movies::EyeSize eye = movies::eyeSize(layout, frame.width(), frame.height());
    if (cut.top < 0 || cut.height <= 0 || cut.top + cut.height > eye.height) return {};
    const int step = std::max(1, cut.height / (std::max(1, linesPerLine) * target.height()));
    int height = cut.height / step;
    if (step > 1 || layout == movies::StereoLayout::TopBottom)
        height &= ~1;  // whole chroma lines of 4:2:0 planes
    if (height <= 0) return {};
    for (const hotspots::FrameCut::Piece& piece : cut.pieces) {
        if (piece.frameLeft < 0 || piece.frameWidth <= 0 || piece.frameLeft + piece.frameWidth > eye.width ||
            piece.pictureLeft < 0 || piece.pictureWidth <= 0 ||
            piece.pictureLeft + piece.pictureWidth > target.width())
            return {};
    }
    QVideoFrame mapped = frame;
    if (!mapped.map(QVideoFrame::ReadOnly)) return {};

    std::array<const std::uint8_t*, 4> planes{};
    std::array<int, 4> lineBytes{};
    for (int i = 0; i < mapped.planeCount() && i < 4; ++i) {
        planes[static_cast<std::size_t>(i)] = mapped.bits(i);
        lineBytes[static_cast<std::size_t>(i)] = mapped.bytesPerLine(i);
    }
    if (format->swapChroma) {
        std::swap(planes[1], planes[2]);
        std::swap(lineBytes[1], lineBytes[2]);
    }
    std::array<int, 4> strides{};
    for (std::size_t i = 0; i < 4; ++i) strides[i] = lineBytes[i] * step;
    // Where a place of the picture lies in each plane: chroma planes hold
    // fewer lines and columns, and a plane's pixels take `step` bytes.
    const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format->ffmpeg);
    const bool rgb = (desc->flags & AV_PIX_FMT_FLAG_RGB) != 0;
    const auto offset = [&](std::size_t plane, int left) -> std::ptrdiff_t {
        for (int c = 0; c < desc->nb_components; ++c) {
            const AVComponentDescriptor& component = desc->comp[c];
            if (static_cast<std::size_t>(component.plane) != plane) continue;
            const bool chroma = !rgb && (c == 1 || c == 2);
            const int line = chroma ? cut.top >> desc->log2_chroma_h : cut.top;
            const int column = chroma ? left >> desc->log2_chroma_w : left;
            return static_cast<std::ptrdiff_t>(line) * lineBytes[plane] +
                   static_cast<std::ptrdiff_t>(column) * component.step;
        }
        return 0;
    };

    const QVideoFrameFormat& surface = frame.surfaceFormat();
    QImage picture(target, QImage::Format_RGB32);
    bool made = true;
    for (std::size_t n = 0; n < cut.pieces.size() && made; ++n) {
        const hotspots::FrameCut::Piece& piece = cut.pieces[n];
        Context& context = contexts_[n];
        const Shape shape{format->ffmpeg, QSize(piece.frameWidth, height),
                          QSize(piece.pictureWidth, target.height()), colourMatrix(surface),
                          surface.colorRange() == QVideoFrameFormat::ColorRange_Full};
        if (context.scaler == nullptr || !(shape == context.shape)) {
            sws_freeContext(context.scaler);
            context.shape = shape;
            context.scaler = sws_getContext(shape.frame.width(), shape.frame.height(), format->ffmpeg,
                                            shape.target.width(), shape.target.height(), kPictureFormat,
                                            SWS_AREA, nullptr, nullptr, nullptr);
            if (context.scaler != nullptr && !rgb) {
                sws_setColorspaceDetails(context.scaler, sws_getCoefficients(shape.matrix),
                                         shape.fullRange ? 1 : 0, sws_getCoefficients(SWS_CS_DEFAULT), 1, 0,
                                         1 << 16, 1 << 16);
            }
        }
        if (context.scaler == nullptr) {
            made = false;
            break;
        }
        std::array<const std::uint8_t*, 4> from{};
        for (std::size_t i = 0; i < 4; ++i)
            from[i] = planes[i] == nullptr ? nullptr : planes[i] + offset(i, piece.frameLeft);
        std::uint8_t* out[4] = {picture.bits() + static_cast<std::ptrdiff_t>(piece.pictureLeft) * 4, nullptr,
                                nullptr, nullptr};
        const int outStrides[4] = {static_cast<int>(picture.bytesPerLine()), 0, 0, 0};
        made = sws_scale(context.scaler, from.data(), strides.data(), 0, height, out, outStrides) ==
               target.height();
    }
    mapped.unmap();
    return made ? picture : QImage();
}

}  // namespace tessaly::app
