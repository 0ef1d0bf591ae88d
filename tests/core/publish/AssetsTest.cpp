#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/platform/Files.h"
#include "core/publish/Assets.h"
#include "core/publish/Scrambler.h"

using namespace tessaly;
using publish::Asset;

namespace {

std::string readOrFail(const std::string& path) {
    const auto read = platform::readFile(path);
    EXPECT_TRUE(read.ok()) << read.failure().message();
    return read.value();
}

std::string webFile(const std::string& relative) {
    return readOrFail(std::string(TESSALY_WEB) + "/" + relative);
}

struct ManifestLine {
    std::string published, source;
};

// web/manifest.txt: a published path and a source a line; # starts a comment line.
std::vector<ManifestLine> manifest() {
    std::istringstream in(webFile("manifest.txt"));
    std::vector<ManifestLine> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with('#')) continue;
        std::istringstream fields(line);
        ManifestLine entry;
        fields >> entry.published >> entry.source;
        lines.push_back(entry);
    }
    return lines;
}

std::string sourceOf(const std::string& published) {
    for (const ManifestLine& line : manifest())
        if (line.published == published) return line.source;
    ADD_FAILURE() << published << " is not in the manifest";
    return {};
}

}  // namespace

TEST(Assets, TheTreeIsTheManifestsFilesInItsOrder) {
    std::vector<std::string> expected;
    for (const ManifestLine& line : manifest())
        if (line.published.find('/') != std::string::npos) expected.push_back(line.published);
    std::vector<std::string> tree;
    for (const Asset& asset : publish::treeAssets())
        tree.push_back(std::string(asset.folder) + "/" + std::string(asset.name));
    EXPECT_EQ(tree, expected);
    // What the page template addresses: the style sheet in js/, the viewer in js/ctr/.
    EXPECT_NE(std::find(tree.begin(), tree.end(), "js/st.css"), tree.end());
    EXPECT_NE(std::find(tree.begin(), tree.end(), "js/ctr/cn3.js"), tree.end());
}

TEST(Assets, BytesAreTheWebFilesAndPlayersAreScrambledBuilds) {
    for (const Asset& asset : publish::treeAssets()) {
        const std::string published = std::string(asset.folder) + "/" + std::string(asset.name);
        SCOPED_TRACE(published);
        if (asset.folder == "js/ctr") {
            // Built from their source, then scrambled as the configuration script is.
            EXPECT_TRUE(asset.bytes.starts_with("function unknown(){\r\n"));
            EXPECT_EQ(asset.bytes,
                      publish::scrambleScriptText(readOrFail(std::string(TESSALY_WEB_BUILD) +
                                                             "/js/ctr/built/" + std::string(asset.name))));
            continue;
        }
        EXPECT_EQ(asset.bytes, webFile(sourceOf(published)));
    }
    EXPECT_EQ(publish::pageTemplate(), webFile(sourceOf("page-template")));
    EXPECT_EQ(publish::hotSpotIcon(1).bytes, webFile(sourceOf("hot-spot-icon-1")));
    EXPECT_EQ(publish::hotSpotIcon(2).bytes, webFile(sourceOf("hot-spot-icon-2")));
    EXPECT_EQ(publish::hotSpotIcon(0).bytes, publish::hotSpotIcon(2).bytes);
    EXPECT_NE(publish::hotSpotIcon(1).bytes, publish::hotSpotIcon(2).bytes);
}
