#pragma once

// The table the build generates from the web folder (embed_assets). Use
// Assets.h; this is its source.

#include <span>

#include "core/publish/Assets.h"

namespace tessaly::publish::embedded {

// Every embedded asset in the order of the published tree, then the page
// template and the two hot-spot icons (folder empty).
std::span<const Asset> all();

}  // namespace tessaly::publish::embedded
