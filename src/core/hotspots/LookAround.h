#pragma once

// The movie as a visitor of the published page sees it: a perspective view
// from the centre of the sphere, turned to a yaw and pitch with a vertical
// field of view, kept within what the page allows. Yaw is the Hot Spot
// slider's: 0 faces the middle column of the picture, -180 its left edge;
// pitch rises upwards. Views are drawn through a map from view pixels to
// picture pixels, made again only when the view changes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly::hotspots {

inline constexpr double kLeastFov = 40;
inline constexpr double kMostFov = 130;

struct Direction {
    double yaw = 0;    // degrees, -180..180
    double pitch = 0;  // degrees, -90..90
    bool operator==(const Direction&) const = default;
};

struct LookView {
    Direction at;
    double fov = 120;  // vertical, in degrees
    bool operator==(const LookView&) const = default;
};

// What the page's settings leave the view: how far up and down it may turn
// (the classic mode keeps it within `vertmax`), and the movie's field.
struct ViewReach {
    double vertmax = 90;
    bool freeMode = false;
    int field = 360;
};

// The view as the page would set it in a canvas of `aspect` (width / height).
LookView keptWithin(LookView view, const ViewReach& reach, double aspect);

// The turn a drag of (dx, dy) pixels gives at the page's mouse speed: the
// picture follows the pointer.
LookView dragged(const LookView& from, double dx, double dy, double mouseSpeed);

// The direction seen at the point (x, y) of a view `width` x `height`.
Direction directionAt(const LookView& view, int width, int height, double x, double y);

struct ViewPoint {
    double x = 0;
    double y = 0;
};
// Where a direction lies in the view; nothing when it is behind the eye.
std::optional<ViewPoint> pointOf(const LookView& view, int width, int height, Direction direction);

// The direction at a point of the flat picture of a movie of `field` degrees,
// (0, 0) its top left corner, and back.
Direction flatDirection(double x, double y, int width, int height, int field = 360);
ViewPoint flatPoint(Direction direction, int width, int height, int field = 360);

// For each view pixel, where its colour is read in the picture: the four
// picture pixels around that place and how much of each.
class ViewMap {
public:
    ViewMap() = default;
    ViewMap(const LookView& view, int viewWidth, int viewHeight, int pictureWidth, int pictureHeight,
            int field);

    int width() const { return width_; }
    int height() const { return height_; }
    // Whether the map was made for these.
    bool fits(const LookView& view, int viewWidth, int viewHeight, int pictureWidth, int pictureHeight,
              int field) const;

    // Draws the view from a picture of 0xAARRGGBB pixels, its lines one after
    // the other, into `out` (`outStride` pixels a line). Directions off the
    // picture (behind a 180-degree movie) are black.
    void draw(const std::uint32_t* picture, std::uint32_t* out, std::size_t outStride) const;

private:
    struct Tap {
        std::uint32_t at = 0;    // the top left pixel, as line * width + column; kOff when off the picture
        std::int32_t right = 1;  // from it to the pixel on its right: the picture's edge wraps
        std::uint16_t fx = 0;    // of 256: the share of the right-hand pixels
        std::uint16_t fy = 0;    // of 256: the share of the lower pixels
    };
    static constexpr std::uint32_t kOff = 0xffffffffU;

    LookView view_;
    int width_ = 0;
    int height_ = 0;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int field_ = 360;
    std::vector<Tap> taps_;
};

}  // namespace tessaly::hotspots
