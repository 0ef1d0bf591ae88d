#include "core/publish/Assets.h"

#include <algorithm>
#include <cstdlib>

#include "core/publish/EmbeddedAssets.h"

namespace tessaly::publish {
namespace {

// The names web/manifest.txt gives the assets that are not files of the tree.
constexpr std::string_view kPageTemplate = "page-template";
constexpr std::string_view kIconSet1 = "hot-spot-icon-1";
constexpr std::string_view kOtherIconSets = "hot-spot-icon-2";

const Asset& byName(std::string_view name) {
    const auto assets = embedded::all();
    const auto it = std::find_if(assets.begin(), assets.end(),
                                 [&](const Asset& a) { return a.folder.empty() && a.name == name; });
    // The manifest lists every name; a missing one is a build fault, not a user's.
    if (it == assets.end()) std::abort();
    return *it;
}

}  // namespace

std::span<const Asset> treeAssets() {
    const auto assets = embedded::all();
    const auto end =
        std::find_if(assets.begin(), assets.end(), [](const Asset& a) { return a.folder.empty(); });
    return {assets.begin(), end};
}

std::string_view pageTemplate() { return byName(kPageTemplate).bytes; }

const Asset& hotSpotIcon(int hsIcon) { return byName(hsIcon == 1 ? kIconSet1 : kOtherIconSets); }

}  // namespace tessaly::publish
