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
    view.fov = std::clamp(std::isfinite(view.fov) ? view.fov : kMostFov, kLeastFov, kMostFov);
    const double limit = reach.freeMode ? kPoleLimit : std::min(reach.vertmax, kPoleLimit);
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

ViewMap::ViewMap(const LookView& view, int viewWidth, int viewHeight, int pictureWidth, int pictureHeight,
                 int field)
    : view_(view),
      width_(std::max(0, viewWidth)),
      height_(std::max(0, viewHeight)),
      pictureWidth_(std::max(0, pictureWidth)),
      pictureHeight_(std::max(0, pictureHeight)),
      field_(field) {
    taps_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    if (pictureWidth_ < 2 || pictureHeight_ < 2) {
        std::fill(taps_.begin(), taps_.end(), Tap{kOff, 0, 0, 0});
        return;
    }
    const Axes a = axesOf(view, height_);
    const bool whole = field_ != 180;
    const double span = whole ? 360.0 : 180.0;
    Tap* tap = taps_.data();
    for (int row = 0; row < height_; ++row) {
        const double down = row + 0.5 - height_ / 2.0;
        const Vec base{a.focal * a.forward.x - down * a.up.x, a.focal * a.forward.y - down * a.up.y,
                       a.focal * a.forward.z - down * a.up.z};
        for (int column = 0; column < width_; ++column, ++tap) {
            const double across = column + 0.5 - width_ / 2.0;
            const Direction d = directionOf(
                {base.x + across * a.right.x, base.y + across * a.right.y, base.z + across * a.right.z});
            if (!whole && std::abs(d.yaw) > 90) {
                *tap = Tap{kOff, 0, 0, 0};
                continue;
            }
            // Pixel centres lie at half steps; the rows stop at the poles, the columns wrap.
            const double u = (d.yaw + span / 2) / span * pictureWidth_ - 0.5;
            const double v =
                std::clamp((90 - d.pitch) / 180 * pictureHeight_ - 0.5, 0.0, pictureHeight_ - 1.0);
            const double x0 = std::floor(u);
            const double fx = u - x0;
            int left = static_cast<int>(x0);
            int right = left + 1;
            if (whole) {
                left = (left % pictureWidth_ + pictureWidth_) % pictureWidth_;
                right = right % pictureWidth_;
            } else {
                left = std::clamp(left, 0, pictureWidth_ - 1);
                right = std::min(right, pictureWidth_ - 1);
            }
            const int top = std::min(static_cast<int>(v), pictureHeight_ - 2);
            const double fy = v - top;
            tap->at = static_cast<std::uint32_t>(top) * static_cast<std::uint32_t>(pictureWidth_) +
                      static_cast<std::uint32_t>(left);
            tap->right = right - left;
            tap->fx = static_cast<std::uint16_t>(std::lround(fx * 256));
            tap->fy = static_cast<std::uint16_t>(std::lround(fy * 256));
        }
    }
}

bool ViewMap::fits(const LookView& view, int viewWidth, int viewHeight, int pictureWidth, int pictureHeight,
                   int field) const {
    return view == view_ && viewWidth == width_ && viewHeight == height_ && pictureWidth == pictureWidth_ &&
           pictureHeight == pictureHeight_ && field == field_;
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
    const auto width = static_cast<std::size_t>(pictureWidth_);
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
