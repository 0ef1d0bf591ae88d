#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/hotspots/LookAround.h"

namespace tessaly::hotspots {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
using Px = std::pair<int, int>;

TEST(LookAround, PointsAndDirectionsGoBothWaysAndTheMiddleFacesTheView) {
    const LookView view{{-150, 30}, 75};
    const Direction middle = directionAt(view, kWidth, kHeight, kWidth / 2.0, kHeight / 2.0);
    EXPECT_NEAR(middle.yaw, -150, 1e-9);
    EXPECT_NEAR(middle.pitch, 30, 1e-9);
    // The top edge's middle lies half the field of view up.
    EXPECT_NEAR(directionAt({{0, 0}, 75}, kWidth, kHeight, kWidth / 2.0, 0).pitch, 37.5, 1e-9);
    // Right of the middle is further round to the right; across the back, yaw wraps.
    EXPECT_GT(directionAt({{0, 0}, 75}, kWidth, kHeight, kWidth, kHeight / 2.0).yaw, 0);
    for (const ViewPoint p : {ViewPoint{10, 20}, ViewPoint{390, 280}, ViewPoint{200, 5}}) {
        const auto back = pointOf(view, kWidth, kHeight, directionAt(view, kWidth, kHeight, p.x, p.y));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(back->x, p.x, 1e-6);
        EXPECT_NEAR(back->y, p.y, 1e-6);
    }
    EXPECT_FALSE(pointOf(view, kWidth, kHeight, {30, -30}).has_value()) << "behind the eye";
}

TEST(LookAround, TheViewStaysWhereThePageKeepsIt) {
    const LookView wild{{-200, 95}, 300};
    const LookView kept = keptWithin(wild, {60, false, 360, {}}, 2);
    EXPECT_EQ(kept, (LookView{{160, 60}, kMostFov}));
    EXPECT_EQ(keptWithin(wild, {60, true, 360, {}}, 2).at.pitch, 89) << "free mode: up to the pole";
    // A half sphere: the view's side meets the picture's edge, no further.
    const LookView half = keptWithin({{80, 0}, 90}, {90, false, 180, {}}, 1);
    EXPECT_NEAR(half.at.yaw, 45, 1e-9);
    // The picture follows the pointer: dragging right turns left.
    const LookView turned = dragged({{10, 0}, 90}, 100, -50, 0.02);
    EXPECT_NEAR(turned.at.yaw, 0, 1e-9);
    EXPECT_NEAR(turned.at.pitch, -5, 1e-9);
}

TEST(LookAround, FlatPicturePlacesAreDirections) {
    const Direction d = flatDirection(300, 50, 400, 200);
    EXPECT_DOUBLE_EQ(d.yaw, 90);
    EXPECT_DOUBLE_EQ(d.pitch, 45);
    EXPECT_DOUBLE_EQ(flatDirection(0, 100, 200, 200, 180).yaw, -90);
    const ViewPoint p = flatPoint(d, 400, 200);
    EXPECT_DOUBLE_EQ(p.x, 300);
    EXPECT_DOUBLE_EQ(p.y, 50);
}

// A frame whose every pixel says where it lies (green: the column, blue: the
// line), cut and scaled as the map asks (each picture pixel takes the frame
// pixel at its centre), and the view drawn from it; at() reads it back.
struct Drawn {
    FrameCut cut;
    std::vector<std::uint32_t> view;
    std::optional<ViewPoint> at(int x, int y) const {
        const std::uint32_t c = view[static_cast<std::size_t>(y * kWidth + x)];
        if (c == 0xff000000U) return std::nullopt;
        return ViewPoint{static_cast<double>((c >> 8) & 0xff), static_cast<double>(c & 0xff)};
    }
};

Drawn drawn(const LookView& view, int frameWidth, int frameHeight, int field) {
    const ViewMap map(view, kWidth, kHeight, {frameWidth, frameHeight, frameWidth, frameHeight, field});
    Drawn d{map.cut(), std::vector<std::uint32_t>(kWidth * kHeight)};
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(d.cut.pictureWidth * d.cut.pictureHeight));
    for (const FrameCut::Piece& piece : d.cut.pieces) {
        for (int y = 0; y < d.cut.pictureHeight; ++y) {
            const int line = d.cut.top + (2 * y + 1) * d.cut.height / (2 * d.cut.pictureHeight);
            for (int x = 0; x < piece.pictureWidth; ++x) {
                const int column =
                    piece.frameLeft + (2 * x + 1) * piece.frameWidth / (2 * piece.pictureWidth);
                picture[static_cast<std::size_t>(y * d.cut.pictureWidth + piece.pictureLeft + x)] =
                    0xff000000U | static_cast<std::uint32_t>(column << 8) | static_cast<std::uint32_t>(line);
            }
        }
    }
    map.draw(picture.data(), d.view.data(), kWidth);
    return d;
}

// Each view pixel shows the place of the frame its direction falls on; only
// the part in sight is scaled, in two pieces across the frame's side edges.
TEST(LookAround, TheMapDrawsWhatIsFacedFromThePartOfTheFrameInSight) {
    struct Case {
        LookView view;
        std::size_t pieces;
        int columns;  // of the frame's 240 scaled, at most
    };
    for (const Case& c :
         {Case{{{90, 0}, 60}, 1, 119}, Case{{{180, -20}, 60}, 2, 119}, Case{{{30, 80}, 60}, 1, 240}}) {
        const Drawn d = drawn(c.view, 240, 120, 360);
        EXPECT_EQ(d.cut.pieces.size(), c.pieces) << c.view.at.yaw;
        EXPECT_LE(d.cut.pieces[0].frameWidth + (c.pieces > 1 ? d.cut.pieces[1].frameWidth : 0), c.columns);
        for (const auto& [x, y] :
             {Px{0, 0}, Px{399, 0}, Px{0, 299}, Px{399, 299}, Px{180, 150}, Px{220, 150}}) {
            const ViewPoint want =
                flatPoint(directionAt(c.view, kWidth, kHeight, x + 0.5, y + 0.5), 240, 120);
            const std::optional<ViewPoint> got = d.at(x, y);
            ASSERT_TRUE(got.has_value()) << x << "," << y;
            EXPECT_NEAR(got->x, want.x, 1.5) << c.view.at.yaw << ": " << x << "," << y;
            EXPECT_NEAR(got->y, want.y, 1.5) << c.view.at.yaw << ": " << x << "," << y;
        }
    }
    // Facing the back of a half sphere leaves the middle black.
    EXPECT_FALSE(drawn({{180, 0}, 60}, 120, 120, 180).at(kWidth / 2, kHeight / 2).has_value());
}

// A picture wider than 2.05:1 lies on a cylinder keeping its pixels square,
// with nothing above and below it, and the classic mode keeps the view on it.
TEST(LookAround, AWidePictureIsACylinder) {
    const Drawn flat = drawn({{0, 0}, 90}, 240, 60, 360);
    const std::optional<ViewPoint> middle = flat.at(kWidth / 2, kHeight / 2);
    const std::optional<ViewPoint> right = flat.at(kWidth / 2 + 60, kHeight / 2);
    const std::optional<ViewPoint> below = flat.at(kWidth / 2, kHeight / 2 + 60);
    ASSERT_TRUE(middle && right && below);
    EXPECT_NEAR(below->y - middle->y, right->x - middle->x, 1) << "square pixels";
    EXPECT_FALSE(flat.at(kWidth / 2, 0).has_value()) << "45 degrees up is above the picture";

    struct Case {
        int width, height, field;
        bool freeMode;
        LookView in;
        double fov, pitch;
    };
    for (const Case& c : {
             Case{240, 60, 360, false, {{0, 30}, 120}, 76.292, 0},  // reaches 38.146 up and down
             Case{240, 60, 360, false, {{0, 30}, 60}, 60, 8.146},
             Case{240, 60, 360, true, {{0, 30}, 120}, 120, 30},
             Case{480, 60, 360, false, {{0, -30}, 60}, 42.880, 0},
             Case{240, 120, 180, false, {{0, 30}, 60}, 60, 8.146},  // a half turn: 4:1 round the whole
             Case{246, 120, 360, false, {{0, 30}, 120}, 120, 30},   // 2.05:1, a sphere
         }) {
        const LookView kept =
            keptWithin(c.in, {90, c.freeMode, c.field, shapeOf(c.width, c.height, c.field)}, 4.0 / 3);
        EXPECT_NEAR(kept.fov, c.fov, 1e-3) << c.width << "x" << c.height;
        EXPECT_NEAR(kept.at.pitch, c.pitch, 1e-3) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace tessaly::hotspots
