#include "core/hotspots/LookAround.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaly::hotspots {
namespace {

// The page's camera degenerates at the poles.
constexpr double kPoleLimit = 89;
// Degrees per dragged pixel are the mouse speed times this, as on the page.
constexpr double kDragGain = 5;

constexpr double kRadians = std::numbers::pi / 180;

struct Vec {
    double x = 0;
    double y = 0;
    double z = 0;
};

double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Yaw 0 looks along +z, yaw 90 along +x; +y is up.
Vec vectorOf(Direction d) {
    const double yaw = d.yaw * kRadians;
    const double pitch = d.pitch * kRadians;
    return {std::cos(pitch) * std::sin(yaw), std::sin(pitch), std::cos(pitch) * std::cos(yaw)};
}

Direction directionOf(const Vec& v) {
    return {std::atan2(v.x, v.z) / kRadians, std::atan2(v.y, std::hypot(v.x, v.z)) / kRadians};
}

// The eye's axes: to the right, up and forward.
struct Axes {
    Vec right;
    Vec up;
    Vec forward;
    double focal = 1;  // pixels from the eye to the view
};

Axes axesOf(const LookView& view, int height) {
    const double yaw = view.at.yaw * kRadians;
    const double pitch = view.at.pitch * kRadians;
    Axes a;
    a.forward = vectorOf(view.at);
    a.right = {std::cos(yaw), 0, -std::sin(yaw)};
    a.up = {-std::sin(pitch) * std::sin(yaw), std::cos(pitch), -std::sin(pitch) * std::cos(yaw)};
    a.focal = height / 2.0 / std::tan(view.fov * kRadians / 2);
    return a;
}

double wrapped(double yaw) {
    yaw = std::fmod(yaw + 180, 360);
    return (yaw < 0 ? yaw + 360 : yaw) - 180;
}

}  // namespace

LookView keptWithin(LookView view, const ViewReach& reach, double aspect) {
    // The classic mode keeps a cylinder's edges out of the view.
    const bool edged = reach.shape.cylinder() && !reach.freeMode;
    const double widest = edged ? std::clamp(2 * reach.shape.reach(), kLeastFov, kMostFov) : kMostFov;
    view.fov = std::clamp(std::isfinite(view.fov) ? view.fov : widest, kLeastFov, widest);
    double limit = reach.freeMode ? kPoleLimit : std::min(reach.vertmax, kPoleLimit);
    if (edged) limit = std::min(limit, std::max(0.0, reach.shape.reach() - view.fov / 2));
    view.at.pitch = std::clamp(std::isfinite(view.at.pitch) ? view.at.pitch : 0.0, -limit, limit);
    double yaw = wrapped(std::isfinite(view.at.yaw) ? view.at.yaw : 0.0);
    if (reach.field == 180) {
        // The view turns until its side meets the picture's edge.
        const double half = std::atan(aspect * std::tan(view.fov * kRadians / 2)) / kRadians;
        const double side = 90 - half;
        yaw = std::clamp(yaw, -side, side);
    }
    view.at.yaw = yaw;
    return view;
}

LookView dragged(const LookView& from, double dx, double dy, double mouseSpeed) {
    LookView to = from;
    to.at.yaw -= dx * mouseSpeed * kDragGain;
    to.at.pitch += dy * mouseSpeed * kDragGain;
    return to;
}

Direction directionAt(const LookView& view, int width, int height, double x, double y) {
    const Axes a = axesOf(view, height);
    const double across = x - width / 2.0;
    const double down = y - height / 2.0;
    const Vec ray{across * a.right.x - down * a.up.x + a.focal * a.forward.x,
                  across * a.right.y - down * a.up.y + a.focal * a.forward.y,
                  across * a.right.z - down * a.up.z + a.focal * a.forward.z};
    return directionOf(ray);
}

std::optional<ViewPoint> pointOf(const LookView& view, int width, int height, Direction direction) {
    const Axes a = axesOf(view, height);
    const Vec v = vectorOf(direction);
    const double ahead = dot(v, a.forward);
    if (ahead <= 1e-6) return std::nullopt;
    return ViewPoint{width / 2.0 + a.focal * dot(v, a.right) / ahead,
                     height / 2.0 - a.focal * dot(v, a.up) / ahead};
}

Direction flatDirection(double x, double y, int width, int height, int field) {
    return {-field / 2.0 + field * x / width, 90 - 180 * y / height};
}

ViewPoint flatPoint(Direction direction, int width, int height, int field) {
    return {(direction.yaw + field / 2.0) * width / field, (90 - direction.pitch) * height / 180};
}

namespace {

// Columns of the frame are told seen or not in this many bands at most.
constexpr int kBands = 720;
// A piece of a cut is never narrower (frame pixels), so that the scaler has
// something to average; the left of a cut lies on a multiple of it.
constexpr int kLeastPiece = 16;

int evenDown(int n) { return n & ~1; }

// Where a view pixel's colour lies in the frame, in frame pixels from its top
// left corner; NaN off the picture.
struct Place {
    float u = 0;
    float v = 0;
};

// The columns a view needs, [left, left + width), wrapping past the right edge
// of a whole turn; everything when it sees all round.
struct Columns {
    int left = 0;
    int width = 0;
};

Columns seenColumns(const std::vector<bool>& seen, int frameWidth, bool whole) {
    const int bands = static_cast<int>(seen.size());
    const auto edge = [&](int band) {
        return static_cast<int>(static_cast<long long>(band) * frameWidth / bands);
    };
    if (!whole) {
        const auto first = std::find(seen.begin(), seen.end(), true);
        if (first == seen.end()) return {0, frameWidth};
        const auto last = std::find(seen.rbegin(), seen.rend(), true);
        const int from = static_cast<int>(first - seen.begin());
        const int to = bands - static_cast<int>(last - seen.rbegin());
        return {edge(from), edge(to) - edge(from)};
    }
    // The cut is all but the longest run of bands not seen, going round.
    int bestStart = -1;
    int bestLength = 0;
    for (int start = 0, length = 0; start < 2 * bands; ++start) {
        if (seen[static_cast<std::size_t>(start % bands)]) {
            length = 0;
            continue;
        }
        if (++length > bestLength && length <= bands) {
            bestLength = length;
            bestStart = start - length + 1;
        }
    }
    if (bestLength == 0 || bestLength == bands) return {0, frameWidth};  // seen all round, or nothing
    const int from = (bestStart + bestLength) % bands;
    const int to = from + bands - bestLength;  // past `bands`: round the right edge
    const int left = edge(from);
    const int width = to <= bands ? edge(to) - left : frameWidth - left + edge(to - bands);
    return {left, width};
}

}  // namespace

PictureShape shapeOf(int width, int height, int field) {
    if (width <= 0 || height <= 0) return {};
    return {static_cast<double>(width) * 360 / (field > 0 ? field : 360) / height};
}

double PictureShape::reach() const {
    return cylinder() ? std::atan(std::numbers::pi / aspect) / kRadians : 90;
}

ViewMap::ViewMap(const LookView& view, int viewWidth, int viewHeight, const ViewSource& source)
    : view_(view), width_(std::max(0, viewWidth)), height_(std::max(0, viewHeight)), source_(source) {
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    taps_.assign(count, Tap{kOff, 0, 0, 0});
    const int frameWidth = source.width;
    const int frameHeight = source.height;
    if (frameWidth < 2 || frameHeight < 2 || source.sharpWidth < 2 || source.sharpHeight < 2) return;
    const bool whole = source.field != 180;
    const double span = whole ? 360.0 : 180.0;
    const PictureShape shape = shapeOf(frameWidth, frameHeight, source.field);
    const double rise =
        shape.aspect / (2 * std::numbers::pi);  // picture heights per unit of height on the cylinder

    // Where each view pixel looks in the frame, and which columns and rows that takes.
    std::vector<Place> places(count, Place{std::nanf(""), 0});
    std::vector<bool> seen(static_cast<std::size_t>(std::min(kBands, frameWidth)), false);
    const int bands = static_cast<int>(seen.size());
    // Around each place: the picture pixels it is mixed from, and those the scaler averages into them.
    const double marginU = 2.0 * frameWidth / std::min(source.sharpWidth, frameWidth) + 2;
    const double marginV = 2.0 * frameHeight / std::min(source.sharpHeight, frameHeight) + 2;
    double topmost = frameHeight;
    double lowest = 0;
    const Axes a = axesOf(view, height_);
    Place* place = places.data();
    for (int row = 0; row < height_; ++row) {
        const double down = row + 0.5 - height_ / 2.0;
        const Vec base{a.focal * a.forward.x - down * a.up.x, a.focal * a.forward.y - down * a.up.y,
                       a.focal * a.forward.z - down * a.up.z};
        for (int column = 0; column < width_; ++column, ++place) {
            const double across = column + 0.5 - width_ / 2.0;
            const Direction d = directionOf(
                {base.x + across * a.right.x, base.y + across * a.right.y, base.z + across * a.right.z});
            if (!whole && std::abs(d.yaw) > 90) continue;
            double v = 0;
            if (shape.cylinder()) {
                v = (0.5 - std::tan(d.pitch * kRadians) * rise) * frameHeight;
                if (v < 0 || v > frameHeight) continue;
            } else {
                v = (90 - d.pitch) / 180 * frameHeight;
            }
            const double u = (d.yaw + span / 2) / span * frameWidth;
            *place = {static_cast<float>(u), static_cast<float>(v)};
            topmost = std::min(topmost, v - marginV);
            lowest = std::max(lowest, v + marginV);
            const auto from = static_cast<int>(std::floor((u - marginU) * bands / frameWidth));
            const auto to = static_cast<int>(std::floor((u + marginU) * bands / frameWidth));
            for (int band = from; band <= to; ++band) {
                const int at = whole ? (band % bands + bands) % bands : std::clamp(band, 0, bands - 1);
                seen[static_cast<std::size_t>(at)] = true;
            }
        }
    }

    // The cut: whole chroma rows and columns, its left where the scaler reads fast.
    Columns columns = seenColumns(seen, frameWidth, whole);
    if (topmost > lowest) {
        topmost = 0;
        lowest = frameHeight;
    }
    const int bottom = std::min(frameHeight, evenDown(static_cast<int>(std::ceil(lowest)) + 1));
    cut_.top = evenDown(std::clamp(static_cast<int>(std::floor(topmost)), 0, bottom - 2));
    cut_.height = bottom - cut_.top;
    const int start = columns.left - columns.left % kLeastPiece;
    columns.width += columns.left - start;
    columns.left = start;
    columns.width = std::max(columns.width, kLeastPiece);
    if (columns.width >= frameWidth - kLeastPiece || frameWidth < 4 * kLeastPiece ||
        (!whole && columns.left + columns.width > frameWidth))
        columns = {0, frameWidth};
    const bool allRound = whole && columns.width == frameWidth;
    const double sharpAcross = static_cast<double>(std::min(source.sharpWidth, frameWidth)) / frameWidth;
    const double sharpDown = static_cast<double>(std::min(source.sharpHeight, frameHeight)) / frameHeight;
    cut_.pictureHeight = std::clamp(static_cast<int>(std::lround(cut_.height * sharpDown)), 2, cut_.height);
    // Pieces an even number of columns wide, made into whole 16-byte lines:
    // the scaler is fast with both.
    const auto pictureColumns = [&](int frameColumns) {
        return std::min(frameColumns,
                        std::max(4, static_cast<int>(std::lround(frameColumns * sharpAcross / 4)) * 4));
    };
    int first = std::min(columns.width, frameWidth - columns.left);
    if (first == columns.width) {
        if (first % 2 != 0 && columns.left + first < frameWidth) ++first;
        cut_.pieces = {{columns.left, first, 0, pictureColumns(first)}};
    } else {
        // Both pieces at least kLeastPiece wide.
        int left = columns.left;
        if (first < kLeastPiece) left = frameWidth - kLeastPiece - (frameWidth % 2);
        const int firstWidth = frameWidth - left;
        int secondWidth = std::max(kLeastPiece, columns.width - first);
        secondWidth += secondWidth % 2;
        const int firstPicture = pictureColumns(firstWidth);
        cut_.pieces = {{left, firstWidth, 0, firstPicture},
                       {0, secondWidth, firstPicture, pictureColumns(secondWidth)}};
    }
    cut_.pictureWidth = cut_.pieces.back().pictureLeft + cut_.pieces.back().pictureWidth;

    // Each place in the picture of the cut: pixel centres lie at half steps.
    const int pictureWidth = cut_.pictureWidth;
    const int pictureHeight = cut_.pictureHeight;
    const double rows = static_cast<double>(pictureHeight) / cut_.height;
    const auto pictureColumn = [&](double u) {
        for (const FrameCut::Piece& piece : cut_.pieces) {
            double along = u - piece.frameLeft;
            if (whole && along < 0) along += frameWidth;
            if (along < piece.frameWidth || &piece == &cut_.pieces.back())
                return piece.pictureLeft + along * piece.pictureWidth / piece.frameWidth;
        }
        return 0.0;
    };
    for (std::size_t n = 0; n < count; ++n) {
        const Place& p = places[n];
        if (std::isnan(p.u)) continue;
        const double x = pictureColumn(p.u) - 0.5;
        const double y = std::clamp((p.v - cut_.top) * rows - 0.5, 0.0, pictureHeight - 1.0);
        Tap& tap = taps_[n];
        int left = 0;
        int right = 0;
        double fx = 0;
        if (allRound) {
            // The columns wrap.
            const double x0 = std::floor(x);
            fx = x - x0;
            left = ((static_cast<int>(x0) % pictureWidth) + pictureWidth) % pictureWidth;
            right = (left + 1) % pictureWidth;
        } else {
            const double within = std::clamp(x, 0.0, pictureWidth - 1.0);
            left = std::min(static_cast<int>(within), pictureWidth - 2);
            right = left + 1;
            fx = within - left;
        }
        const int top = std::min(static_cast<int>(y), pictureHeight - 2);
        tap.at = static_cast<std::uint32_t>(top) * static_cast<std::uint32_t>(pictureWidth) +
                 static_cast<std::uint32_t>(left);
        tap.right = right - left;
        tap.fx = static_cast<std::uint16_t>(std::lround(fx * 256));
        tap.fy = static_cast<std::uint16_t>(std::lround((y - top) * 256));
    }
}

bool ViewMap::fits(const LookView& view, int viewWidth, int viewHeight, const ViewSource& source) const {
    return view == view_ && viewWidth == width_ && viewHeight == height_ && source == source_;
}

namespace {

// Two colour channels at a time, eight bits apart.
constexpr std::uint32_t kEven = 0x00ff00ffU;

std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t share) {
    const std::uint32_t keep = 256 - share;
    const std::uint32_t even = (((a & kEven) * keep + (b & kEven) * share) >> 8) & kEven;
    const std::uint32_t odd = ((((a >> 8) & kEven) * keep + ((b >> 8) & kEven) * share)) & ~kEven;
    return even | odd;
}

}  // namespace

void ViewMap::draw(const std::uint32_t* picture, std::uint32_t* out, std::size_t outStride) const {
    const Tap* tap = taps_.data();
    const auto width = static_cast<std::size_t>(cut_.pictureWidth);
    for (int row = 0; row < height_; ++row) {
        std::uint32_t* line = out + static_cast<std::size_t>(row) * outStride;
        for (int column = 0; column < width_; ++column, ++tap) {
            if (tap->at == kOff) {
                line[column] = 0xff000000U;
                continue;
            }
            const std::uint32_t* upper = picture + tap->at;
            const std::uint32_t* lower = upper + width;
            const std::uint32_t top = mix(upper[0], upper[tap->right], tap->fx);
            const std::uint32_t bottom = mix(lower[0], lower[tap->right], tap->fx);
            line[column] = mix(top, bottom, tap->fy) | 0xff000000U;
        }
    }
}

}  // namespace tessaly::hotspots
