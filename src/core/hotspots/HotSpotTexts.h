#pragma once

// The hot-spot editor's own texts: its warnings and the row display formats.

#include <string_view>

namespace tessaly::hotspots::texts {

inline constexpr std::string_view kLinkEmpty = "The link of Hot Spot is empty";
inline constexpr std::string_view kPositionZero =
    "Current Hot Spot position in movie stream cannot be - \"0\"";
inline constexpr std::string_view kYawOffPicture =
    "This movie covers only the front half of the sphere: a Hot Spot's yaw must lie between -90 and 90";
inline constexpr std::string_view kTimeUndetermined = "The time for shown a Hot Spot is not determined";

inline constexpr std::string_view kYawMask = "###";
inline constexpr std::string_view kPitchMask = "0.0";
inline constexpr std::string_view kPosMask = "######.0";
inline constexpr std::string_view kTimeMask = "###.0";
inline constexpr std::string_view kDefaultTimeText = "5.0";

}  // namespace tessaly::hotspots::texts
