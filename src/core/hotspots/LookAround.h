#pragma once

// The movie as a visitor of the published page sees it: a perspective view
// from the centre of the sphere, turned to a yaw and pitch with a vertical
// field of view, kept within what the page allows. Yaw is the Hot Spot
// slider's: 0 faces the middle column of the picture, -180 its left edge;
// pitch rises upwards. Views are drawn through a map from view pixels to
// picture pixels, made again only when the view changes. A picture whose
// whole turn is wider than 2.05:1 is rolled round a cylinder, as the page does.

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

// Wider than this, the page rolls the picture round a cylinder.
inline constexpr double kCylinderAspect = 2.05;

// What a picture is drawn on: a sphere, or a cylinder as high as keeps the
// picture's pixels square.
struct PictureShape {
    double aspect = 2;  // the picture's width, stretched to the whole turn, over its height
    bool cylinder() const { return aspect > kCylinderAspect; }
    // Degrees the picture reaches up and down.
    double reach() const;
};
PictureShape shapeOf(int width, int height, int field);

// What the page's settings leave the view: how far up and down it may turn
// (the classic mode keeps it within `vertmax`, and on a cylinder's picture),
// and the movie's field.
struct ViewReach {
    double vertmax = 90;
    bool freeMode = false;
    int field = 360;
    PictureShape shape;
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

// The frame a view is drawn from: its picture (one eye's), `width` x `height`
// pixels, and how sharp the view needs it, as the size of the whole picture
// scaled to that sharpness.
struct ViewSource {
    int width = 0;
    int height = 0;
    int sharpWidth = 0;
    int sharpHeight = 0;
    int field = 360;
    bool operator==(const ViewSource&) const = default;
};

// The part of the frame's picture a view sees, and the size it is scaled to:
// rows from `top`, and one or two pieces of columns side by side (a view
// across the picture's left and right edges takes the end of the one and the
// start of the other).
struct FrameCut {
    struct Piece {
        int frameLeft = 0;
        int frameWidth = 0;
        int pictureLeft = 0;
        int pictureWidth = 0;
        bool operator==(const Piece&) const = default;
    };
    int top = 0;
    int height = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::vector<Piece> pieces;
    bool operator==(const FrameCut&) const = default;
};

// For each view pixel, where its colour is read in the picture of the frame's
// cut: the four picture pixels around that place and how much of each.
class ViewMap {
public:
    ViewMap() = default;
    ViewMap(const LookView& view, int viewWidth, int viewHeight, const ViewSource& source);

    int width() const { return width_; }
    int height() const { return height_; }
    // What of the frame to scale, and to what size, for draw().
    const FrameCut& cut() const { return cut_; }
    // Whether the map was made for these.
    bool fits(const LookView& view, int viewWidth, int viewHeight, const ViewSource& source) const;

    // Draws the view from the cut's picture of 0xAARRGGBB pixels, its lines
    // one after the other, into `out` (`outStride` pixels a line). Directions
    // off the picture (behind a 180-degree movie, above and below a cylinder)
    // are black.
    void draw(const std::uint32_t* picture, std::uint32_t* out, std::size_t outStride) const;

private:
    struct Tap {
        std::uint32_t at = 0;    // the top left pixel, as line * width + column; kOff when off the picture
        std::int32_t right = 1;  // from it to the pixel on its right: a whole turn's edge wraps
        std::uint16_t fx = 0;    // of 256: the share of the right-hand pixels
        std::uint16_t fy = 0;    // of 256: the share of the lower pixels
    };
    static constexpr std::uint32_t kOff = 0xffffffffU;

    LookView view_;
    int width_ = 0;
    int height_ = 0;
    ViewSource source_;
    FrameCut cut_;
    std::vector<Tap> taps_;
};

}  // namespace tessaly::hotspots
