#include "core/publish/Assets.h"

#include <algorithm>
#include <cstdlib>

#include "core/publish/EmbeddedAssets.h"

namespace tessaly::publish {
namespace {

constexpr int kPageTemplate = 101;
constexpr int kBlueIcon = 152;
constexpr int kRedIcon = 151;

const Asset& byNumber(int number) {
    const auto assets = embedded::all();
    const auto it =
        std::find_if(assets.begin(), assets.end(), [&](const Asset& a) { return a.number == number; });
    // The build lists every number; a missing one is a build fault, not a user's.
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

std::string_view pageTemplate() { return byNumber(kPageTemplate).bytes; }

const Asset& hotSpotIcon(int hsIcon) { return byNumber(hsIcon == 1 ? kBlueIcon : kRedIcon); }

}  // namespace tessaly::publish
