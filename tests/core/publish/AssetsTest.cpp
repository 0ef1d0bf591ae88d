#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/publish/Assets.h"
#include "core/publish/Scrambler.h"
#include "core/text/Files.h"

using namespace tessaly;
using publish::Asset;

namespace {
std::string webFile(const std::string& relative) {
    const auto read = text::readFile(std::string(TESSALY_WEB) + "/" + relative);
    EXPECT_FALSE(read.error) << read.error->message();
    return read.bytes;
}
}  // namespace

TEST(Assets, TreeHoldsTheTableInWriteOrder) {
    std::vector<int> numbers;
    for (const Asset& asset : publish::treeAssets()) numbers.push_back(asset.number);
    std::vector<int> expected{102, 103, 137, 104, 106, 107, 108, 153};
    for (int n = 109; n <= 136; ++n) expected.push_back(n);
    EXPECT_EQ(numbers, expected);

    const auto tree = publish::treeAssets();
    EXPECT_EQ(tree[0].folder, "js");
    EXPECT_EQ(tree[0].name, "raf.js");
    EXPECT_EQ(tree[3].folder, "js/build");
    EXPECT_EQ(tree[3].name, "Three.js");
    EXPECT_EQ(tree[6].folder, "js/ctr");
    EXPECT_EQ(tree[6].name, "cn3.js");
    EXPECT_EQ(tree[9].name, "downL.png");   // 110: the lit pan-down button
    EXPECT_EQ(tree[28].name, "title.png");  // 129
    EXPECT_EQ(tree.back().name, "poster.jpg");
}

TEST(Assets, BytesAreTheWebFilesAndPlayersAreScrambled) {
    for (const Asset& asset : publish::treeAssets()) {
        SCOPED_TRACE(std::string(asset.name));
        if (asset.folder == "js/ctr") {
            // Stored scrambled, by the scrambler the configuration script goes through.
            EXPECT_TRUE(asset.bytes.starts_with("function unknown(){\r\n"));
            EXPECT_EQ(asset.bytes, publish::scrambleScriptText(webFile("player/" + std::string(asset.name))));
            continue;
        }
        const std::string source = asset.folder == "images" ? "images/" + std::string(asset.name)
                                   : asset.name == "Three.js" || asset.name == "Stats.js"
                                       ? "vendor/dist/" + std::string(asset.name)
                                       : "js/" + std::string(asset.name);
        EXPECT_EQ(asset.bytes, webFile(source));
    }
    EXPECT_EQ(publish::pageTemplate(), webFile("template/page.html"));
    EXPECT_EQ(publish::hotSpotIcon(1).bytes, webFile("images/hs_blue.gif"));
    EXPECT_EQ(publish::hotSpotIcon(2).bytes, webFile("images/hs_red.gif"));
    EXPECT_EQ(publish::hotSpotIcon(0).number, 151);
}
