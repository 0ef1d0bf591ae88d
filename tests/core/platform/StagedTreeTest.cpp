#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../ScratchFolder.h"
#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"
#include "core/publish/PublishMessages.h"

using namespace tessaly;
using platform::StagedTree;
namespace fs = std::filesystem;

namespace {

fs::path scratchFolder(const std::string& name) { return test_support::scratchFolder("staged", name); }

std::vector<std::string> tree(const fs::path& dir) {
    std::vector<std::string> result;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        result.push_back(fs::relative(entry.path(), dir).string());
    std::sort(result.begin(), result.end());
    return result;
}

}  // namespace

TEST(StagedTree, NothingShowsUntilCommitThenEverythingDoes) {
    const fs::path dir = scratchFolder("commit");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "page.html", "old page").ok());
    StagedTree staged;
    ASSERT_TRUE(staged.makeFolder(dir / "js" / "ctr").ok());
    ASSERT_TRUE(staged.addFile(dir / "js" / "ctr" / "cn0.js", "script").ok());
    ASSERT_TRUE(staged.addFile(dir / "page.html", "new page").ok());
    EXPECT_EQ(tree(dir), (std::vector<std::string>{"js", "js/ctr", "page.html"}));
    EXPECT_EQ(platform::readFile(dir / "page.html").value(), "old page");

    ASSERT_TRUE(staged.commit().ok());
    EXPECT_EQ(tree(dir), (std::vector<std::string>{"js", "js/ctr", "js/ctr/cn0.js", "page.html"}));
    EXPECT_EQ(platform::readFile(dir / "page.html").value(), "new page");
    EXPECT_EQ(platform::readFile(dir / "js" / "ctr" / "cn0.js").value(), "script");
    fs::remove_all(dir);
}

TEST(StagedTree, DroppedTreeRemovesOnlyTheFoldersItMade) {
    const fs::path dir = scratchFolder("drop");
    fs::create_directories(dir / "js");
    {
        StagedTree staged;
        ASSERT_TRUE(staged.makeFolder(dir / "site" / "js" / "build").ok());
        ASSERT_TRUE(staged.makeFolder(dir / "js" / "ctr").ok());
        ASSERT_TRUE(staged.addFile(dir / "site" / "js" / "build" / "Three.js", "three").ok());
    }
    EXPECT_EQ(tree(dir), std::vector<std::string>{"js"});
    fs::remove_all(dir);
}

// When one file cannot take its place, the files placed before it go back.
TEST(StagedTree, FailedCommitPutsBackWhatItReplaced) {
    const fs::path dir = scratchFolder("rollback");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "a.js", "old a").ok());
    const auto oldTime = fs::last_write_time(dir / "a.js");
    StagedTree staged;
    ASSERT_TRUE(staged.addFile(dir / "a.js", "new a").ok());
    ASSERT_TRUE(staged.addFile(dir / "b.js", "new b").ok());
    ASSERT_TRUE(staged.addFile(dir / "c.js", "new c").ok());
    fs::create_directories(dir / "c.js");  // appears after the check

    const auto error = staged.commit();
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().message(), "Cannot write " + (dir / "c.js").string() + ": Is a directory");
    EXPECT_EQ(tree(dir), (std::vector<std::string>{"a.js", "c.js"}));
    EXPECT_EQ(platform::readFile(dir / "a.js").value(), "old a");
    EXPECT_EQ(fs::last_write_time(dir / "a.js"), oldTime);
    fs::remove_all(dir);
}

// A running publish's journal is neither undone nor shared.
TEST(StagedTree, ARunningPublishKeepsItsJournal) {
    const fs::path dir = scratchFolder("running");
    StagedTree running;
    ASSERT_TRUE(running.keepJournal(dir).ok());
    ASSERT_TRUE(running.makeFolder(dir / "images").ok());
    EXPECT_TRUE(platform::recoverInterruptedTree(dir).outcome.ok());
    EXPECT_TRUE(fs::exists(dir / "images"));
    StagedTree second;
    const auto refused = second.keepJournal(dir);
    ASSERT_TRUE(refused.failed());
    EXPECT_EQ(refused.failure().reason, platform::kPublishUnderWay);
    ASSERT_TRUE(running.commit().ok());
    EXPECT_EQ(tree(dir), std::vector<std::string>{"images"});
    fs::remove_all(dir);
}

// Killed before the first file takes its place, between any two, or after the
// last: the next run finds the old page, never some files of each. An encode's
// recovery leaves a publish's journal alone.
TEST(StagedTree, AKillAtEachPlacingStepLeavesTheOldPage) {
    const fs::path dir = scratchFolder("each-step");
    fs::create_directories(dir / "js");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "page.html", "old page").ok());
    ASSERT_TRUE(platform::writeFileAtomic(dir / "js" / "a.js", "old a").ok());
    const std::vector<std::string> before = tree(dir);
    const std::vector<fs::path> files{dir / "js" / "a.js", dir / "js" / "b.js", dir / "images" / "c.png",
                                      dir / "page.html"};
    for (std::size_t step = 0; step <= files.size(); ++step) {
        SCOPED_TRACE("killed with " + std::to_string(step) + " placed");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            StagedTree staged;
            bool ready = staged.keepJournal(dir).ok() && staged.makeFolder(dir / "js").ok() &&
                         staged.makeFolder(dir / "images").ok();
            for (const fs::path& file : files) ready = ready && staged.addFile(file, "new").ok();
            staged.watchPlacing([step](std::size_t placed) {
                if (placed == step) ::raise(SIGKILL);
            });
            if (ready) static_cast<void>(staged.commit());
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child could not stage its files";
        const std::vector<std::string> killed = tree(dir);
        EXPECT_TRUE(platform::recoverInterruptedTree(dir, platform::JournalKind::Encode).outcome.ok());
        EXPECT_EQ(tree(dir), killed);

        EXPECT_TRUE(platform::recoverInterruptedTree(dir).foreignJournal.empty());
        EXPECT_EQ(tree(dir), before);
        EXPECT_EQ(platform::readFile(dir / "page.html").value(), "old page");
        EXPECT_EQ(platform::readFile(dir / "js" / "a.js").value(), "old a");
    }
    fs::remove_all(dir);
}
