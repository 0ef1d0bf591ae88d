#include "core/movies/MovieFormat.h"

#include <array>
#include <utility>

#include "core/text/Text.h"

namespace tessaly::movies {
namespace {

constexpr std::array<std::pair<StereoLayout, std::string_view>, 3> kLayoutNames{{
    {StereoLayout::Mono, "mono"},
    {StereoLayout::TopBottom, "top-bottom"},
    {StereoLayout::SideBySide, "side-by-side"},
}};

}  // namespace

std::string_view layoutName(StereoLayout layout) {
    for (const auto& [value, name] : kLayoutNames) {
        if (value == layout) return name;
    }
    return kLayoutNames.front().second;
}

std::optional<StereoLayout> layoutFromName(std::string_view name) {
    const std::string wanted = text::toLowerAscii(text::trimSpaces(name));
    for (const auto& [value, known] : kLayoutNames) {
        if (known == wanted) return value;
    }
    return std::nullopt;
}

int fieldFromDegrees(double degrees) { return degrees == kHalfField ? kHalfField : kFullField; }

EyeSize eyeSize(StereoLayout layout, int width, int height) {
    switch (layout) {
        case StereoLayout::TopBottom:
            return {width, height / 2};
        case StereoLayout::SideBySide:
            return {width / 2, height};
        case StereoLayout::Mono:
            break;
    }
    return {width, height};
}

int yawReach(int field) { return field == kHalfField ? 90 : 180; }

}  // namespace tessaly::movies
