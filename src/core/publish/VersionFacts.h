#pragma once

// What the page's viewer knows of each movie version before it loads one, so
// it can choose the one that suits the visitor's screen, device and link.

#include <array>
#include <optional>
#include <string>

#include "core/movies/MovieInfo.h"

namespace tessaly::publish {

using SlotInfos = std::array<std::optional<movies::MovieInfo>, 3>;

// For each slot the attributes its source element carries
// (` data-width="3840" data-height="1920" data-fps="29.97"
// data-bitrate="20000000" data-codecs="avc1.640033"`). A page with a single
// version has nothing to choose, and one version without them could not be
// weighed against the others: unless at least two slots were read in full,
// none gets any, and the page stays as it always was. A movie with ambisonic
// sound says so whatever their number (` data-audio="ambix"`), for the page to
// render its sound field.
std::array<std::string, 3> versionAttributes(const SlotInfos& infos);

}  // namespace tessaly::publish
