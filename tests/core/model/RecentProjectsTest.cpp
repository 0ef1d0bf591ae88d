#include <gtest/gtest.h>

#include "../ScratchFolder.h"
#include "core/model/RecentProjects.h"
#include "core/platform/Files.h"

using namespace tessaly;
using namespace tessaly::model;
namespace fs = std::filesystem;

TEST(RecentProjects, NewestFirstEachOnceAtMostEight) {
    RecentProjects list;
    for (int i = 1; i <= 10; ++i) list = withRecentProject(list, "/p/" + std::to_string(i) + ".hs5");
    ASSERT_EQ(list.size(), kRecentProjectsLimit);
    EXPECT_EQ(list.front(), "/p/10.hs5");
    EXPECT_EQ(list.back(), "/p/3.hs5");

    list = withRecentProject(list, "/p/./5.hs5");
    EXPECT_EQ(list.front(), "/p/5.hs5");
    EXPECT_EQ(std::count(list.begin(), list.end(), fs::path("/p/5.hs5")), 1);
    EXPECT_EQ(list.size(), kRecentProjectsLimit);
}

TEST(RecentProjects, ReadsOnlyAbsolutePathsOnceAndNoMoreThanTheLimit) {
    const RecentProjects list = parseRecentProjects(
        "/a/one.hs5\r\nrelative.hs5\n\n/a/one.hs5\n/b/two words.hs5\n/3\n/4\n/5\n/6\n/7\n/8\n/9\n");
    const RecentProjects expected = {"/a/one.hs5", "/b/two words.hs5", "/3", "/4", "/5", "/6", "/7", "/8"};
    EXPECT_EQ(list, expected);
}

TEST(RecentProjects, SavedListReadsBackAndLeavesOutWhatALineCannotHold) {
    const fs::path dir = test_support::scratchFolder("recent", "roundtrip");
    const fs::path file = recentProjectsPath(dir / "publisher.ini");
    EXPECT_EQ(file, dir / "publisher-recent.txt");
    EXPECT_TRUE(loadRecentProjects(file).empty());

    const RecentProjects list = {"/home/ana/Élan tour.hs5", "/home/ana/bad\nname.hs5", "/tmp/x.hs5"};
    ASSERT_TRUE(saveRecentProjects(file, list).ok());
    EXPECT_EQ(platform::readFile(file).value(), "/home/ana/Élan tour.hs5\n/tmp/x.hs5\n");
    const RecentProjects expected = {"/home/ana/Élan tour.hs5", "/tmp/x.hs5"};
    EXPECT_EQ(loadRecentProjects(file), expected);
    fs::remove_all(dir);
}
