#pragma once

// The files a published page is made of, carried inside the program and
// written out byte for byte. web/manifest.txt lists them.

#include <span>
#include <string_view>

namespace tessaly::publish {

struct Asset {
    std::string_view folder;  // "js", "js/build", "js/ctr" or "images"; empty when not a file of the tree
    std::string_view name;    // file name in that folder, or the asset's name when not a file of the tree
    std::string_view bytes;
};

// The tree's fixed files in the order they are written: raf.js, Stats.js,
// st.css, Three.js, cn1.js to cn3.js (scrambled), check_hs.gif, the buttons,
// mute icons, banner and poster. The ten hot-spot icons are not among them:
// their bytes depend on the icon set (hotSpotIcon).
std::span<const Asset> treeAssets();

// The page template, filled in by the page generator.
std::string_view pageTemplate();

// The hot-spot icon written to hs1.gif .. hs10.gif: blue for icon set 1, red
// for any other value.
const Asset& hotSpotIcon(int hsIcon);

inline constexpr int kHotSpotIconFiles = 10;

}  // namespace tessaly::publish
