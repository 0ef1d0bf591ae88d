#pragma once

// How a movie's picture lies on the sphere: one picture or two stacked eyes,
// and the whole way round or the front half. The movie's own marks propose
// it; the project keeps what the person chose.

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::movies {

enum class StereoLayout { Mono, TopBottom, SideBySide };

inline constexpr int kFullField = 360;
inline constexpr int kHalfField = 180;

struct MovieFormat {
    StereoLayout layout = StereoLayout::Mono;
    int field = kFullField;  // degrees across: kFullField or kHalfField

    // Mono 360 is what every movie was before stereo and 180 were known, and
    // what an unmarked movie is taken for.
    bool plain() const { return layout == StereoLayout::Mono && field == kFullField; }
    bool operator==(const MovieFormat&) const = default;
};

// "mono", "top-bottom", "side-by-side": in files, scripts and JSON.
std::string_view layoutName(StereoLayout layout);
// The name back, ignoring case and surrounding spaces; nothing for other text.
std::optional<StereoLayout> layoutFromName(std::string_view name);
// Any number of degrees read from a file: 180 is half, everything else full.
int fieldFromDegrees(double degrees);

// The picture of one eye (the left, or the top) in a frame of this size.
struct EyeSize {
    int width = 0;
    int height = 0;
};
EyeSize eyeSize(StereoLayout layout, int width, int height);

// The largest Hot Spot yaw, either way, that lies on the picture: 180 for
// the whole sphere, 90 for the front half.
int yawReach(int field);

}  // namespace tessaly::movies
