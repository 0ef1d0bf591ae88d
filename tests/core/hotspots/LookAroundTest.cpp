#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/hotspots/LookAround.h"

namespace tessaly::hotspots {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

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
    const LookView kept = keptWithin(wild, {60, false, 360}, 2);
    EXPECT_EQ(kept, (LookView{{160, 60}, kMostFov}));
    EXPECT_EQ(keptWithin(wild, {60, true, 360}, 2).at.pitch, 89) << "free mode: up to the pole";
    // A half sphere: the view's side meets the picture's edge, no further.
    const LookView half = keptWithin({{80, 0}, 90}, {90, false, 180}, 1);
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

// A picture whose every column has its own colour: the view shows the column it faces.
TEST(LookAround, TheMapDrawsTheColumnFacedAndBlackBehindAHalfSphere) {
    constexpr int kPictureWidth = 240;
    constexpr int kPictureHeight = 120;
    std::vector<std::uint32_t> picture(kPictureWidth * kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x)
            picture[y * kPictureWidth + x] = 0xff000000U | (x << 8) | y;  // green: the column, blue: the line
    }
    std::vector<std::uint32_t> out(kWidth * kHeight);
    const ViewMap map({{90, 0}, 60}, kWidth, kHeight, kPictureWidth, kPictureHeight, 360);
    EXPECT_TRUE(map.fits({{90, 0}, 60}, kWidth, kHeight, kPictureWidth, kPictureHeight, 360));
    EXPECT_FALSE(map.fits({{91, 0}, 60}, kWidth, kHeight, kPictureWidth, kPictureHeight, 360));
    map.draw(picture.data(), out.data(), kWidth);
    const std::uint32_t middle = out[(kHeight / 2) * kWidth + kWidth / 2];
    EXPECT_NEAR(static_cast<int>((middle >> 8) & 0xff), 180, 1) << "yaw 90: three quarters across";
    EXPECT_NEAR(static_cast<int>(middle & 0xff), 60, 1) << "the horizon: half way down";

    // Facing the back of a half sphere leaves the middle black.
    const ViewMap back({{180, 0}, 60}, kWidth, kHeight, kPictureWidth / 2, kPictureHeight, 180);
    back.draw(picture.data(), out.data(), kWidth);
    EXPECT_EQ(out[(kHeight / 2) * kWidth + kWidth / 2], 0xff000000U);
}

}  // namespace
}  // namespace tessaly::hotspots
